#include "Services.h"

#include "Geometry.h"
#include "Paths.h"
#include "Printing.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QPointer>

#include <cerrno>
#include <random>

#include <signal.h>

namespace lx {

QString displayText(const QString& text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

QString toQtFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(u';', u' ');
        const QString suffix = u'(' + patterns + u')';
        out << (desc.endsWith(suffix) ? desc : desc + u' ' + suffix);
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

struct BoxButton {
    QMessageBox::StandardButton button;
    int result;
};

std::vector<BoxButton> boxButtons(int style)
{
    switch (style & 0x0F) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore: return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
    }
}

class QtMessages final : public MessageService {
public:
    int msgBox(const QString& text, int style, const QString& title) override
    {
        if (terminationRequested())
            return msgBoxEscapeAnswer(style);
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setText(displayText(text));
        switch (style & 0xF0) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        const std::vector<BoxButton> buttons = boxButtons(style);
        QMessageBox::StandardButtons all;
        for (const BoxButton& b : buttons)
            all |= b.button;
        box.setStandardButtons(all);
        const int pressed = box.exec();
        if (terminationRequested())
            return msgBoxEscapeAnswer(style);
        for (const BoxButton& b : buttons)
            if (pressed == b.button)
                return b.result;
        return msgBoxEscapeAnswer(style);
    }

    // Stand-in until the program installs its own box; the frame replaces it at start-up.
    int msgs(int count, const QString& title, const QString& message, const QStringList& captions) override
    {
        const int n = msgsButtons(count);
        if (terminationRequested())
            return n;
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setText(displayText(message));
        std::vector<QPushButton*> buttons;
        for (int i = 0; i < n; ++i)
            buttons.push_back(box.addButton(captions.value(i), QMessageBox::AcceptRole));
        // A box closed without a button asks again, until the program is ending.
        while (!terminationRequested()) {
            box.exec();
            for (int i = 0; i < n; ++i)
                if (box.clickedButton() == buttons[size_t(i)])
                    return i + 1;
        }
        return n;
    }
};

class QtFileDialogs final : public FileDialogService {
public:
    QString openFile(const FileDialogRequest& r) override { return run(r, QFileDialog::AcceptOpen); }
    QString saveFile(const FileDialogRequest& r) override { return run(r, QFileDialog::AcceptSave); }

private:
    static QString run(const FileDialogRequest& r, QFileDialog::AcceptMode mode)
    {
        if (terminationRequested())
            return {};
        QFileDialog dialog(QApplication::activeWindow(), r.title);
        // The program asks its own overwrite question, and the dialog looks the same everywhere.
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        const QStringList filters = toQtFilter(r.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(qBound(1, r.filterIndex, int(filters.size())) - 1));
        }
        // Set before the proposed name, which a bare name keeps in that folder.
        dialog.setDirectory(fileDialogFolder());
        if (!r.fileName.isEmpty())
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() || terminationRequested())
            return {};
        const QString chosen = dialog.selectedFiles().constFirst();
        rememberFileDialogFolder(chosen);
        return chosen;
    }
};

class QtPrinters final : public PrinterService {
public:
    using PrinterService::choosePrinter;
    bool choosePrinter(QPrinter& printer, const PrintDialogRequest& request) override
    {
        if (terminationRequested())
            return false;
        if (!request.outputFile.isEmpty() && printer.outputFileName().isEmpty()) {
            // The dialog takes the printer's file when it is made. Naming one must not turn a
            // printer into a PDF writer; choosing a printer in the dialog clears it again.
            const QPrinter::OutputFormat format = printer.outputFormat();
            printer.setOutputFileName(request.outputFile);
            if (format == QPrinter::NativeFormat)
                printer.setOutputFormat(QPrinter::NativeFormat);
        }
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        if (!request.title.isEmpty())
            dialog.setWindowTitle(request.title);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, request.allowSelection);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.allowPageRange);
        nameDialogControls(dialog);
        if (dialog.exec() != QDialog::Accepted || terminationRequested())
            return false;
        if (printer.outputFormat() == QPrinter::PdfFormat)
            rememberFileDialogFolder(printer.outputFileName());
        return true;
    }
};

// A page for a topic that is not installed, so that a bad link never leaves a blank window.
QString notFoundPage(const QString& topic)
{
    return QStringLiteral("<html><head><title>Topic not found</title></head><body>"
                          "<h2>Topic not found</h2><p>The help topic <b>%1</b> is not installed.</p>"
                          "<p>Use Back to return to the previous page.</p></body></html>")
        .arg(topic.toHtmlEscaped());
}

// Reads pages and pictures of the help folder, matching names without regard to case as
// the help file did; anything outside the folder or missing gives the not-found page.
class HelpBrowser final : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}
    QString helpFolder;

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        const QString file = url.isLocalFile() ? locate(url.toLocalFile()) : QString();
        if (!file.isEmpty()) {
            QFile f(file);
            if (f.open(QIODevice::ReadOnly))
                return f.readAll();
        }
        if (type == QTextDocument::HtmlResource)
            return notFoundPage(topicOf(url));
        return {};
    }

    // The file of a path inside the help folder, or empty.
    QString locate(const QString& path) const
    {
        if (helpFolder.isEmpty())
            return {};
        const QString relative = QDir(helpFolder).relativeFilePath(path);
        if (relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative))
            return {};
        const QString found = resolveCaseInsensitive(helpFolder, relative);
        return QFileInfo(found).isFile() ? found : QString();
    }

    QString topicOf(const QUrl& url) const
    {
        if (!url.isLocalFile())
            return url.toString();
        return helpFolder.isEmpty() ? url.toLocalFile() : QDir(helpFolder).relativeFilePath(url.toLocalFile());
    }
};

// The program's own help window: a text browser with back and forward. A dialog to the
// desktop's accessibility (a window with its title, not a bare panel) that Escape closes as
// a dialog's does, and Ctrl+W as a child window's does.
class HelpWindow final : public QDialog {
public:
    HelpWindow() : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                                        | Qt::WindowCloseButtonHint)
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QStringLiteral("Loamix Help"));
        resize(820, 640);
        back = new QToolButton(this);
        back->setText(QStringLiteral("Back"));
        forward = new QToolButton(this);
        forward->setText(QStringLiteral("Forward"));
        browser = new HelpBrowser(this);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setOpenExternalLinks(false);
        connect(back, &QToolButton::clicked, browser, &QTextBrowser::backward);
        connect(forward, &QToolButton::clicked, browser, &QTextBrowser::forward);
        connect(browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
        connect(browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
        connect(browser, &QTextBrowser::sourceChanged, this, [this] {
            const QString title = browser->documentTitle();
            setWindowTitle(title.isEmpty() ? QStringLiteral("Loamix Help") : QStringLiteral("Loamix Help - ") + title);
            // A screen reader names the page by its title.
            browser->setAccessibleName(title.isEmpty() ? QStringLiteral("Help page") : title);
        });
        back->setEnabled(false);
        forward->setEnabled(false);
        auto* bar = new QHBoxLayout;
        bar->addWidget(back);
        bar->addWidget(forward);
        bar->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(bar);
        layout->addWidget(browser);
        auto* closeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
        connect(closeKey, &QShortcut::activated, this, &QWidget::close);
        placeOnScreen();
    }
    HelpBrowser* browser;
    QToolButton* back;
    QToolButton* forward;

private:
    // Opens whole on the screen, caption and border included: its designed size where there
    // is room for it, smaller where there is not, centred in the screen's free area.
    void placeOnScreen()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect free = screen->availableGeometry();
        // What a desktop adds around the window before it is shown (and Qt can tell).
        const QSize frame(8, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
        const QRect place = placeWhole(free, QSize(820, 640), frame);
        resize(place.size());
        move(place.topLeft());
    }
};

class QtHelp final : public HelpViewer {
public:
    void showTopic(const QString& helpFolder, const QString& topic) override
    {
        if (terminationRequested())
            return;
        // "html\Page.htm" and "/html/Page.htm#part" both name a page of the help folder.
        QString path = topic;
        path.replace(u'\\', u'/');
        while (path.startsWith(u'/'))
            path.remove(0, 1);
        QString anchor;
        if (const qsizetype hash = path.indexOf(u'#'); hash >= 0) {
            anchor = path.mid(hash + 1);
            path.truncate(hash);
        }
        if (!window)
            window = new HelpWindow;
        HelpBrowser* browser = window->browser;
        browser->helpFolder = helpFolder.isEmpty() ? QString() : QDir::cleanPath(QDir(helpFolder).absolutePath());
        if (browser->helpFolder.isEmpty()) {
            // No help folder: the topic is looked up nowhere, least of all in the current directory.
            browser->setHtml(notFoundPage(path));
        } else {
            QUrl url = QUrl::fromLocalFile(resolveCaseInsensitive(browser->helpFolder, path));
            if (!anchor.isEmpty())
                url.setFragment(anchor);
            browser->setSource(url);
        }
        window->show();
        window->raise();
        // The keyboard goes with the page the student asked for.
        window->activateWindow();
        browser->setFocus(Qt::ActiveWindowFocusReason);
    }
    void closeAll() override { delete window.data(); }

private:
    QPointer<HelpWindow> window;
};

class SystemClock final : public Clock {
public:
    SystemClock() { timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return timer.elapsed(); }

private:
    QElapsedTimer timer;
};

class MersenneRandom final : public RandomSource {
public:
    // Seeded from the clock, as Randomize without an argument did.
    MersenneRandom() : engine(std::uint32_t(QDateTime::currentMSecsSinceEpoch())) {}
    float Rnd() override
    {
        // 24 random bits: every value a single can hold in [0, 1), never 1 itself.
        return float(engine() >> 8) / float(1u << 24);
    }
    void Randomize(double seed) override { engine.seed(std::uint32_t(std::llround(seed * 1000.0))); }

private:
    std::mt19937 engine;
};

class QtLauncher final : public ProgramLauncher {
public:
    bool start(const QString& program, const QStringList& arguments, qint64* pid) override
    {
        return QProcess::startDetached(program, arguments, QString(), pid);
    }
    bool running(qint64 pid) const override
    {
        // A detached program is reaped by the system when it ends: its id is then gone.
        return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
    }
    QString findOnPath(const QStringList& candidates) const override
    {
        for (const QString& c : candidates)
            if (QString found = QStandardPaths::findExecutable(c); !found.isEmpty())
                return found;
        return {};
    }
};

// No registry on this system: nothing is found.
class EmptyLookup final : public SystemLookup {
public:
    std::optional<QString> value(const QString&, const QString&) const override { return std::nullopt; }
};

void installReal(Services& s)
{
    s.messages = std::make_unique<QtMessages>();
    s.fileDialogs = std::make_unique<QtFileDialogs>();
    s.printers = std::make_unique<QtPrinters>();
    s.help = std::make_unique<QtHelp>();
    s.clock = std::make_unique<SystemClock>();
    s.random = std::make_unique<MersenneRandom>();
    s.launcher = std::make_unique<QtLauncher>();
    s.systemLookup = std::make_unique<EmptyLookup>();
}

} // namespace

int msgsButtons(int count) { return count >= 1 && count <= 4 ? count : 3; }

int msgBoxEscapeAnswer(int style)
{
    const std::vector<BoxButton> buttons = boxButtons(style);
    for (const BoxButton& b : buttons)
        if (b.result == vbCancel)
            return vbCancel;
    return buttons.back().result;
}

Services& services()
{
    static Services s = [] {
        Services made;
        installReal(made);
        return made;
    }();
    return s;
}

void resetServices() { installReal(services()); }

namespace {
QString& lastFileDialogFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString fileDialogFolder()
{
    const QString& last = lastFileDialogFolder();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

void rememberFileDialogFolder(const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        lastFileDialogFolder() = QFileInfo(chosenFile).absolutePath();
}

QString printFileProposal(const QString& docName)
{
    const QFileInfo file(docName);
    const bool ofAFile = file.isAbsolute();
    QString base = ofAFile ? file.completeBaseName() : docName;
    // A caption is no path: a '/' in it would name a folder.
    base.replace(u'/', u'-');
    if (base.trimmed().isEmpty())
        base = QStringLiteral("print");
    const QString dialogs = fileDialogFolder();
    const QString folder = ofAFile && QFileInfo(file.absolutePath()).isWritable() ? file.absolutePath()
                           : QFileInfo(dialogs).isWritable()                      ? dialogs
                                                                                  : QDir::homePath();
    return QDir(folder).filePath(base + QStringLiteral(".pdf"));
}

} // namespace lx
