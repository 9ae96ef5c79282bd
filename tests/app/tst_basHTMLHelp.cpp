// Help topics in the program's own help window, and the "Please Wait" box around them.
#include "basHTMLHelp.h"
#include "frmSplashMessege.h"

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

using lx::testing::saveShot;
using lx::testing::writeFile;

namespace {

QByteArray page(const QString& title, const QString& body)
{
    return QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1>%2</body></html>")
        .arg(title, body)
        .toUtf8();
}

QTextBrowser* helpBrowser()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"HelpWindow" && w->isVisible())
            return w->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    return nullptr;
}

QString shownPath(QTextBrowser* b)
{
    return b->source().isLocalFile() ? b->source().toLocalFile() : QString();
}

// Calls a function from inside the viewer's showTopic, then records the topic.
class ProbeHelp final : public lx::HelpViewer {
public:
    std::function<void()> during;
    QStringList topics;
    void showTopic(const QString&, const QString& topic) override
    {
        if (during)
            during();
        topics << topic;
    }
    void closeAll() override {}
};

} // namespace

class tst_basHTMLHelp : public QObject {
    Q_OBJECT
    QTemporaryDir install;
    QTemporaryDir elsewhere;
    QString help;

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        // The widest face Tahoma may be mapped to: the wait box must still fit its text.
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        QVERIFY(install.isValid() && elsewhere.isValid());
        lx::setInstallDir(install.path());
        help = install.filePath(QStringLiteral("Help"));
        QString filler;
        for (int i = 0; i < 200; ++i)
            filler += QStringLiteral("<p>Paragraph %1 of the overview.</p>").arg(i);
        QVERIFY(writeFile(help + QStringLiteral("/html/LoamixOverview.htm"),
                          page(QStringLiteral("Overview"),
                               filler + QStringLiteral("<a name=\"part\"></a><h2>Second part</h2><a href=\"Gone.htm\">gone</a>"))));
        QVERIFY(writeFile(help + QStringLiteral("/html/Login.htm"), page(QStringLiteral("Login"), QStringLiteral("<p>Log in.</p>"))));
        QVERIFY(writeFile(help + QStringLiteral("/html/SIMULATIONS/simTTT.htm"),
                          page(QStringLiteral("True triaxial"), QStringLiteral("<p>Cube.</p>"))));
        // A decoy beside the current directory: a topic must never be read from there.
        QVERIFY(writeFile(elsewhere.filePath(QStringLiteral("html/Login.htm")), page(QStringLiteral("Decoy"), QString())));
    }

    void cleanup()
    {
        CloseHelp();
        basGlobal::ResetFrameState();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        lx::resetServices();
    }

    void helpFileByKind()
    {
        for (int kind : {1, 2})
            QCOMPARE(GetHelpFile(kind), help + QStringLiteral("/Loamix.chm"));
        for (int kind : {0, 3, -1, 32767})
            QVERIFY(GetHelpFile(kind).isEmpty());
    }

    void topicsShowTheirPage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("file");      // relative to Help, empty: not found
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("heading");
        QTest::newRow("backslash") << 1 << "html\\LoamixOverview.htm" << "html/LoamixOverview.htm" << "" << "Overview";
        QTest::newRow("leading slash, kind 2") << 2 << "/html/Login.htm" << "html/Login.htm" << "" << "Login";
        QTest::newRow("other case") << 1 << "html/Simulations/SimTTT.htm" << "html/SIMULATIONS/simTTT.htm" << ""
                                    << "True triaxial";
        QTest::newRow("anchor") << 1 << "html\\LoamixOverview.htm#part" << "html/LoamixOverview.htm" << "part"
                                << "Overview";
        QTest::newRow("missing topic") << 1 << "html\\NoSuchPage.htm" << "" << "" << "Topic not found";
        QTest::newRow("missing folder") << 1 << "\\nothing\\here.htm" << "" << "" << "Topic not found";
        QTest::newRow("kind without a file") << 3 << "/html/Login.htm" << "" << "" << "Topic not found";
        QTest::newRow("empty topic") << 1 << "" << "" << "" << "Topic not found";
    }

    void topicsShowTheirPage()
    {
        QFETCH(int, kind);
        QFETCH(QString, topic);
        QFETCH(QString, file);
        QFETCH(QString, anchor);
        QFETCH(QString, heading);
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        ShowHelpTopic(kind, topic);
        QCOMPARE(QDir::currentPath(), QDir(elsewhere.path()).canonicalPath());
        QVERIFY(QDir::setCurrent(before));

        QTextBrowser* b = helpBrowser();
        QVERIFY2(b, "no help window shown");
        QVERIFY(b->toPlainText().startsWith(heading));
        QVERIFY(!b->toPlainText().contains(u"Decoy"));
        if (!file.isEmpty())
            QCOMPARE(QFileInfo(shownPath(b)).canonicalFilePath(), QFileInfo(help + u'/' + file).canonicalFilePath());
        QCOMPARE(b->source().fragment(), anchor);
        if (!anchor.isEmpty()) {
            // Scrolled down to the anchor, far below the top of the page.
            b->window()->resize(600, 400);
            QApplication::processEvents();
            b->scrollToAnchor(anchor);
            QVERIFY(b->verticalScrollBar()->value() > 0);
        }
        QVERIFY(!frmSplashMessege::instance());
        saveShot(b->window(), QStringLiteral("help-%1").arg(QTest::currentDataTag()).replace(u' ', u'_'));
    }

    void backForwardAndABrokenLink()
    {
        ShowHelpTopicQuiet(1, QStringLiteral("html\\LoamixOverview.htm"));
        ShowHelpTopicQuiet(2, QStringLiteral("/html/Login.htm"));
        QTextBrowser* b = helpBrowser();
        QVERIFY(b);
        auto* back = b->window()->findChildren<QToolButton*>().value(0);
        QVERIFY(back && back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY(b->toPlainText().startsWith(u"Overview"));
        QVERIFY(b->isForwardAvailable());
        // A link inside a page to a page that is not installed: the not-found page, and Back.
        b->setSource(b->source().resolved(QUrl(QStringLiteral("Gone.htm"))));
        QVERIFY(b->toPlainText().startsWith(u"Topic not found"));
        QVERIFY(b->toPlainText().contains(u"Gone.htm"));
        b->backward();
        QVERIFY(b->toPlainText().startsWith(u"Overview"));
        // One help window, reused.
        ShowHelpTopicQuiet(1, QStringLiteral("html\\LoamixOverview.htm"));
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            windows += w->objectName() == u"HelpWindow";
        QCOMPARE(windows, 1);
    }

    // The window opens whole on the screen, its size where there is room, smaller where not.
    void theWindowOpensWholeOnTheScreen_data()
    {
        QTest::addColumn<QRect>("free");
        QTest::addColumn<QRect>("expected");
        // 1280 x 1024 with a 30-pixel panel at the top; a low screen; a narrow and low one.
        QTest::newRow("1280 x 1024") << QRect(0, 30, 1280, 994) << QRect(226, 189, 820, 640);
        QTest::newRow("1024 x 600") << QRect(0, 0, 1024, 600) << QRect(98, 0, 820, 564);
        QTest::newRow("640 x 480") << QRect(0, 0, 640, 480) << QRect(0, 0, 632, 444);
    }
    void theWindowOpensWholeOnTheScreen()
    {
        QFETCH(QRect, free);
        QFETCH(QRect, expected);
        const QSize frame(8, 36);
        const QRect place = lx::placeWhole(free, QSize(820, 640), frame);
        QCOMPARE(place, expected);
        QVERIFY(free.contains(QRect(place.topLeft(), place.size() + frame)));
        // The help window itself, on the test's screen.
        CloseHelp();
        ShowHelpTopicQuiet(1, QStringLiteral("html\\LoamixOverview.htm"));
        QVERIFY(helpBrowser());
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(helpBrowser()->window()->frameGeometry()));
        CloseHelp();
    }

    // The window takes the keyboard on opening, is a window with its title to a screen
    // reader, and closes by Escape or Ctrl+W; it opens again on the next topic.
    void theWindowTakesTheKeyboardAndClosesByKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
    }
    void theWindowTakesTheKeyboardAndClosesByKey()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QWidget other;
        other.show();
        other.activateWindow();
        for (int round = 0; round < 2; ++round) {
            ShowHelpTopicQuiet(1, QStringLiteral("html\\LoamixOverview.htm"));
            QTextBrowser* b = helpBrowser();
            QVERIFY(b);
            QWidget* window = b->window();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(QApplication::focusWidget(), b);
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window);
            QVERIFY(reader->role() == QAccessible::Dialog || reader->role() == QAccessible::Window);
            QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Loamix Help - Overview"));
            QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), QStringLiteral("Overview"));
            QTest::keyClick(b, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QVERIFY(!window->isVisible());
        }
    }

    void closeHelpClosesTheWindow()
    {
        InitHelp();
        QVERIFY(HelpCookie != 0);
        ShowHelpTopicQuiet(1, QStringLiteral("html\\LoamixOverview.htm"));
        QVERIFY(helpBrowser());
        CloseHelp();
        QVERIFY(!helpBrowser());
        QCOMPARE(HelpCookie, 0);
        CloseHelp();   // again: nothing to close
    }

    void waitBoxIsUpOnlyWhileTheTopicOpens()
    {
        auto* probe = new ProbeHelp;
        lx::services().help.reset(probe);
        bool upDuring = false;
        probe->during = [&] { upDuring = frmSplashMessege::instance() && frmSplashMessege::instance()->isVisible(); };
        ShowHelpTopic(1, QStringLiteral("html\\SensorsPressure.htm"));
        QVERIFY(upDuring);
        QVERIFY(!frmSplashMessege::instance());
        QCOMPARE(probe->topics, QStringList{QStringLiteral("html\\SensorsPressure.htm")});

        // The quiet form shows no box.
        probe->during = [&] { upDuring = frmSplashMessege::instance() != nullptr; };
        ShowHelpTopicQuiet(2, QStringLiteral("/html/Login.htm"));
        QVERIFY(!upDuring);

        // A key pressed on the box removes it early; the topic still opens and the later
        // unload does nothing.
        probe->during = [] { QTest::keyClick(frmSplashMessege::instance(), Qt::Key_A); };
        ShowHelpTopic(1, QStringLiteral("html\\ErrorsSeating.htm"));
        QCOMPARE(probe->topics.size(), 3);
        QVERIFY(!frmSplashMessege::instance());

        // A viewer that fails still takes the box away.
        probe->during = [] { throw std::runtime_error("viewer failed"); };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, ShowHelpTopic(1, QStringLiteral("html\\ErrorsSeating.htm")));
        QVERIFY(!frmSplashMessege::instance());
    }

    void waitBoxDotsCycle()
    {
        frmSplashMessege::showAndPaint();
        frmSplashMessege* box = frmSplashMessege::instance();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->lblMessege->text(), QStringLiteral("Please Wait"));
        QCOMPARE(box->lblDots->text(), QStringLiteral("."));
        QVERIFY(box->Timer1->isActive());
        QCOMPARE(box->Timer1->interval(), 500);
        QCOMPARE(box->size(), QSize(lx::tw(3615), lx::tw(1305)));
        QCOMPARE(box->Frame1->geometry(), lx::twRect(150, 60, 3300, 1110));
        QCOMPARE(box->Picture1->geometry(), lx::twRect(210, 315, 540, 540));
        QCOMPARE(box->lblMessege->geometry(), lx::twRect(945, 420, 1485, 330));
        QCOMPARE(box->lblDots->geometry(), lx::twRect(2475, 420, 615, 330));
        QVERIFY(box->lblMessege->alignment() & Qt::AlignRight);
        for (QLabel* l : {box->lblMessege, box->lblDots}) {
            QCOMPARE(l->font().family(), QStringLiteral("Tahoma"));
            QVERIFY(l->font().bold());
            QCOMPARE(lx::toBgr(l->palette().color(QPalette::WindowText)), 0x404040u);
        }
        // The message and the dots read as one line and fit their labels.
        for (QLabel* l : {box->lblMessege, box->lblDots}) {
            l->setText(l == box->lblDots ? QStringLiteral("....") : l->text());
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
            QVERIFY(l->fontMetrics().height() <= l->height());
        }
        saveShot(box, QStringLiteral("frmSplashMessege"));
        box->lblDots->setText(QStringLiteral("."));
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            box->Timer1_Timer();
            seen << box->lblDots->text();
        }
        QCOMPARE(seen, (QStringList{"..", "...", "....", ".", ".."}));
        box->lblDots->setText(QStringLiteral("x"));
        box->Timer1_Timer();
        QCOMPARE(box->lblDots->text(), QStringLiteral("."));

        // Showing it again reuses the one box.
        frmSplashMessege::showAndPaint();
        QCOMPARE(frmSplashMessege::instance(), box);
    }

    void waitBoxGoesOnAClickOnItsFrame()
    {
        frmSplashMessege::showAndPaint();
        QPointer<frmSplashMessege> box = frmSplashMessege::instance();
        QTest::mouseClick(box->Frame1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!frmSplashMessege::instance());
        QVERIFY(box && !box->isVisible());
        frmSplashMessege::unloadBox();   // nothing left to unload
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!box);
        // A new box after an early removal is a fresh one.
        frmSplashMessege::showAndPaint();
        QVERIFY(frmSplashMessege::instance() && frmSplashMessege::instance()->isVisible());
        frmSplashMessege::unloadBox();
        QVERIFY(!frmSplashMessege::instance());
    }
};

QTEST_MAIN(tst_basHTMLHelp)
#include "tst_basHTMLHelp.moc"
