// Checks over the help pages as installed: every topic the program opens is there, and
// every page reads as the help window reads it (a QTextDocument): a title, real text,
// links and resources that land on installed files, anchors that exist.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace {

const QString kHelpDir = QStringLiteral(LOAMIX_INSTALL_DIR "/Help");
const QString kHtmlDir = kHelpDir + QStringLiteral("/html");

// QTextDocument needs a GUI application for its fonts.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "help_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QGuiApplication* app_ = nullptr;
};
[[maybe_unused]] auto* const guiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

struct Topic {
    QString file;   // absolute path inside the install tree
    QString anchor; // empty when the topic names a whole page
};

// A topic as the program passes it, resolved the way the help window does it: '\' becomes
// '/', a leading '/' is dropped, and "#anchor" is kept apart from the file.
Topic resolveTopic(QString topic) {
    topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (topic.startsWith(QLatin1Char('/')))
        topic.remove(0, 1);
    Topic t;
    const qsizetype hash = topic.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        t.anchor = topic.mid(hash + 1);
        topic.truncate(hash);
    }
    t.file = kHelpDir + QLatin1Char('/') + topic;
    return t;
}

// Every topic string the program hands to the help window, spelled exactly as the
// callers spell it (menus, Help buttons, the login window).
const char* const kProgramTopics[] = {
    R"(html\LoamixOverview.htm)",
    R"(/html/Login.htm)",
    R"(html\LabTests_TestTypeTriaxial_UC.htm)",
    R"(html\LabTests_TestTypeTriaxial_CD.htm)",
    R"(html\LabTests_TestTypeTriaxial_CUnUU.htm)",
    R"(html\LabTests_TestTypeDS.htm)",
    R"(html\LabTests_TestTypeConsol_IL.htm)",
    R"(html\LabTests_TestTypeConsol_CRS.htm)",
    R"(html\LabTests_Triaxial.htm)",
    R"(html\DirectShearTest.htm)",
    R"(html\1DConsolidationTest.htm)",
    R"(html\SamplesUndisturbedBlock.htm)",
    R"(html\SamplesUndisturbedShelby.htm)",
    R"(html\SpecimenPreparationAir.htm)",
    R"(html\SpecimenPreparationMoist.htm)",
    R"(html\SpecimenPreparationWet.htm)",
    R"(html\SensorsLoadStress.htm)",
    R"(html\SensorsPressure.htm)",
    R"(html\SensorsDisplacement.htm)",
    R"(html\SensorsDynamic.htm)",
    R"(html\ErrorsSeating.htm)",
    R"(html\ErrorsCalibration.htm)",
    R"(html\ErrorsMembraneConf.htm)",
    R"(html\ErrorsMembranePenetration.htm)",
    R"(html\ErrorsMembraneCompliance.htm)",
    R"(html\ErrorsPlattensLubrication.htm)",
    R"(html\ErrorsPlattensNonLubrication.htm)",
    R"(html\TriaxialTestComputation.htm)",
    R"(html/Simulations/SimTriaxial.htm)",
    R"(html/Simulations/SimTriaxialShear.htm)",
    R"(html/Simulations/SimTriaxialShear.htm#StartTest)",
    R"(html/Simulations/SimTriaxialParam.htm)",
    R"(html/Simulations/SpecimenDimensions.htm)",
    R"(html/Simulations/Sim1DConsol.htm)",
    R"(html/Simulations/SimDirectShear.htm)",
    R"(html/Simulations/SimTTT.htm)",
};

// A document that records what it is asked to load (style sheets, images), resolved
// against the page's own folder as the help window resolves it.
class RecordingDocument : public QTextDocument {
public:
    explicit RecordingDocument(const QString& pageFile) : page_(pageFile) {}
    QStringList missing;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        // The document hands over the name already resolved against the page's address.
        QString file = name.isLocalFile() ? QDir::cleanPath(name.toLocalFile()) : resolveLink(name.toString()).file;
        if (!file.startsWith(kHtmlDir + QLatin1Char('/')))
            file.clear();
        QFile f(file);
        if (file.isEmpty() || !f.open(QIODevice::ReadOnly)) {
            missing << name.toString();
            return {};
        }
        const QByteArray data = f.readAll();
        if (type == QTextDocument::StyleSheetResource)
            return QString::fromUtf8(data);
        return data;
    }

public:
    // A relative link of this page; an empty file for links that leave the help folder
    // or name a scheme (the help window is offline).
    Topic resolveLink(const QString& href) const {
        Topic t;
        const QUrl url(href);
        if (!url.scheme().isEmpty() || href.startsWith(QLatin1Char('/')))
            return t;
        t.anchor = url.fragment();
        const QString path = url.path();
        t.file = path.isEmpty() ? page_ : QFileInfo(page_).dir().absoluteFilePath(path);
        t.file = QDir::cleanPath(t.file);
        if (!t.file.startsWith(kHtmlDir + QLatin1Char('/')))
            t.file.clear();
        return t;
    }

private:
    QString page_;
};

struct LoadedPage {
    QString file;
    QString raw;
    std::unique_ptr<RecordingDocument> doc;
    QStringList hrefs;
    QSet<QString> anchors;
};

LoadedPage loadPage(const QString& file) {
    LoadedPage p;
    p.file = file;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return p;
    p.raw = QString::fromUtf8(f.readAll());
    p.doc = std::make_unique<RecordingDocument>(file);
    p.doc->setBaseUrl(QUrl::fromLocalFile(file));
    p.doc->setHtml(p.raw);
    for (QTextBlock b = p.doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat fmt = it.fragment().charFormat();
            if (!fmt.anchorHref().isEmpty() && !p.hrefs.contains(fmt.anchorHref()))
                p.hrefs << fmt.anchorHref();
            for (const QString& name : fmt.anchorNames())
                p.anchors.insert(name);
        }
    }
    return p;
}

QStringList installedPages() {
    QStringList pages;
    QDirIterator it(kHtmlDir, {QStringLiteral("*.htm")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << it.next();
    pages.sort();
    return pages;
}

// Elements must be closed and nested properly, so that the help window does not swallow
// the rest of a page into an open table or list. Void elements need no end tag.
QString firstNestingError(const QString& html) {
    static const QSet<QString> voidTags = {QStringLiteral("br"), QStringLiteral("img"), QStringLiteral("hr"),
                                           QStringLiteral("meta"), QStringLiteral("link")};
    static const QRegularExpression tag(QStringLiteral(R"(<!--.*?-->|<!.*?>|<(/?)([A-Za-z][A-Za-z0-9]*)[^>]*?(/?)>)"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QStringList open;
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(2).isEmpty())
            continue; // comment or declaration
        const QString name = m.captured(2).toLower();
        if (voidTags.contains(name) || !m.captured(3).isEmpty())
            continue;
        if (m.captured(1).isEmpty()) {
            open << name;
        } else if (open.isEmpty() || open.last() != name) {
            return QStringLiteral("</%1> at offset %2 closes <%3>")
                .arg(name)
                .arg(m.capturedStart())
                .arg(open.isEmpty() ? QStringLiteral("nothing") : open.last());
        } else {
            open.removeLast();
        }
    }
    return open.isEmpty() ? QString() : QStringLiteral("unclosed <%1>").arg(open.join(QStringLiteral("> <")));
}

TEST(HelpTopics, EveryTopicTheProgramOpensIsInstalled) {
    for (const char* topic : kProgramTopics) {
        SCOPED_TRACE(topic);
        const Topic t = resolveTopic(QString::fromLatin1(topic));
        // Exact letter case: the install tree must match the names as the program spells them.
        const bool installed = QFileInfo(t.file).isFile();
        EXPECT_TRUE(installed) << t.file.toStdString();
        if (installed && !t.anchor.isEmpty()) {
            const LoadedPage page = loadPage(t.file);
            EXPECT_TRUE(page.anchors.contains(t.anchor)) << "no anchor " << t.anchor.toStdString();
        }
    }
}

TEST(HelpPages, EveryPageHasATitleTextAndBalancedMarkup) {
    const QStringList pages = installedPages();
    EXPECT_GE(pages.size(), 35);
    static const QRegularExpression unresolvedEntity(QStringLiteral("&#?[A-Za-z0-9]+;"));
    for (const QString& file : pages) {
        SCOPED_TRACE(file.toStdString());
        const LoadedPage page = loadPage(file);
        ASSERT_TRUE(page.doc);
        EXPECT_FALSE(page.doc->metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty());
        const QString text = page.doc->toPlainText();
        const qsizetype words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
        EXPECT_GE(words, 300) << "a page is a reference page, not a stub";
        EXPECT_LE(words, 1400);
        const auto entity = unresolvedEntity.match(text);
        EXPECT_FALSE(entity.hasMatch()) << "entity the help window shows as text: " << entity.captured().toStdString();
        const QString nesting = firstNestingError(page.raw);
        EXPECT_TRUE(nesting.isEmpty()) << nesting.toStdString();
        EXPECT_TRUE(page.doc->missing.isEmpty()) << "missing resource " << page.doc->missing.join(", ").toStdString();
    }
}

TEST(HelpPages, EveryLinkLandsOnAnInstalledPageAndAnchor) {
    for (const QString& file : installedPages()) {
        SCOPED_TRACE(file.toStdString());
        const LoadedPage page = loadPage(file);
        ASSERT_TRUE(page.doc);
        EXPECT_FALSE(page.hrefs.isEmpty()) << "a page links to its neighbours";
        for (const QString& href : page.hrefs) {
            SCOPED_TRACE(href.toStdString());
            const Topic t = page.doc->resolveLink(href);
            EXPECT_FALSE(t.file.isEmpty()) << "links stay relative and inside the help folder";
            const bool installed = !t.file.isEmpty() && QFileInfo(t.file).isFile();
            EXPECT_TRUE(t.file.isEmpty() || installed) << t.file.toStdString();
            if (installed && !t.anchor.isEmpty()) {
                const LoadedPage target = t.file == file ? LoadedPage{} : loadPage(t.file);
                const QSet<QString>& names = t.file == file ? page.anchors : target.anchors;
                EXPECT_TRUE(names.contains(t.anchor)) << "no anchor " << t.anchor.toStdString();
            }
        }
    }
}

TEST(HelpPages, ContentsPageLinksEveryPage) {
    const QString contents = resolveTopic(QStringLiteral(R"(html\LoamixOverview.htm)")).file;
    const LoadedPage page = loadPage(contents);
    ASSERT_TRUE(page.doc);
    QSet<QString> linked;
    for (const QString& href : page.hrefs)
        linked.insert(page.doc->resolveLink(href).file);
    for (const QString& file : installedPages()) {
        if (file != contents) {
            EXPECT_TRUE(linked.contains(file)) << "not in the contents: " << file.toStdString();
        }
    }
}

} // namespace
