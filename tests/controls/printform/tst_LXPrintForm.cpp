// The window-print control behind the main window's Print Window: after its wait it prints
// the active child window, frame and caption included, at its on-screen size on one page.
// The printed PDF is read back with poppler-utils (pdfinfo, pdfimages, pdftoppm).
#include "ChildWindows.h"
#include "basExport.h"
#include "frmMDI.h"

#include "controls/printform/LXPrintForm.h"
#include "platform/Geometry.h"
#include "platform/PictureBox.h"
#include "platform/SafeFile.h"
#include "platform/testing/FileLimit.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/app/FrameFixture.h"
#include "tests/common/TestHelpers.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a poppler tool prints; empty (and the test fails) when the tool is missing or fails.
QString run(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        qWarning("%s is missing: scripts/install-deps.sh installs poppler-utils", qPrintable(tool));
        return {};
    }
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct PdfPage {
    int pages = 0;
    QSizeF sizePt;        // the first page
    int images = 0;
    QSize imagePx;        // the first image's own pixels
    int imagePpi = 0;     // its resolution as drawn on the page
};

PdfPage readPdf(const QString& pdf)
{
    PdfPage page;
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    if (auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info); m.hasMatch())
        page.pages = m.captured(1).toInt();
    if (auto m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info); m.hasMatch())
        page.sizePt = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const QStringList rows = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n');
    for (const QString& row : rows.mid(2)) {
        const QStringList f = row.simplified().split(u' ');
        if (f.size() < 14)
            continue;
        if (page.images++ == 0) {
            page.imagePx = QSize(f[3].toInt(), f[4].toInt());
            page.imagePpi = f[12].toInt();
        }
    }
    return page;
}

// The first picture of a PDF as it is stored there.
QImage storedPicture(const QString& pdf, const QString& folder)
{
    const QString base = folder + QStringLiteral("/picture");
    run(QStringLiteral("pdfimages"), {QStringLiteral("-png"), QStringLiteral("-f"), QStringLiteral("1"), pdf, base});
    return QImage(base + QStringLiteral("-000.png")).convertToFormat(QImage::Format_RGB32);
}

// The first page drawn at 96 dots per inch, one dot for each pixel of the screen, and the
// rectangle on it that is not white paper.
QRect inkOnPage(const QString& pdf, const QString& folder, QSize* pageSize)
{
    const QString base = folder + QStringLiteral("/page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, base});
    const QImage page = QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    lx::testing::saveShot(page, QStringLiteral("printed-window-offscreen"));
    *pageSize = page.size();
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// A child window with something to see: a colour gradient and a text.
QWidget* colouredWindow(const QString& title, QSize size)
{
    auto* w = new QLabel(QStringLiteral("Deviator stress (kPa)"));
    w->setWindowTitle(title);
    w->setAlignment(Qt::AlignCenter);
    w->setStyleSheet(QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #c04040, "
                                    "stop:1 #40a0e0); color: white;"));
    w->resize(size);
    return w;
}

} // namespace

class tst_LXPrintForm : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // A main window of its own for each test, with scripted dialogs and a fresh frame state.
    struct Frame {
        lx::testing::ScriptedServices services;
        fixture::FreshFrame state;
        frmMDI main;
    };
    std::unique_ptr<Frame> f;
    lx::testing::ScriptedServices* s = nullptr;
    frmMDI* main = nullptr;

    QString pdf(const QString& name) const { return dir.filePath(name); }
    LXPrintForm& control() const { return *main->ctlLXPrintForm; }
    QMdiSubWindow* addChild(const QString& title, QSize size = QSize(320, 200))
    {
        return lx::showChildWindow(main->mdiArea, colouredWindow(title, size));
    }

private slots:
    void init()
    {
        f = std::make_unique<Frame>();
        s = &f->services;
        main = &f->main;
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }
    void cleanup() { f.reset(); }

    void controlSitsHiddenOnTheMainWindow()
    {
        LXPrintForm* ctl = main->findChild<LXPrintForm*>(QStringLiteral("ctlLXPrintForm"));
        QCOMPARE(ctl, main->ctlLXPrintForm);
        QVERIFY(!ctl->isVisible());
        QCOMPARE(ctl->size(), QSize(lx::tw(425), lx::tw(400)));
        QCOMPARE(ctl->tmrWait->interval(), 2000);
        // Nothing to print: nothing waits.
        QVERIFY(!ctl->PrintForm());
        QVERIFY(!ctl->Waiting());
    }

    void printWindowPrintsTheChildFrameOnOnePageAtItsOwnSize()
    {
        QMdiSubWindow* sub = addChild(QStringLiteral("Triaxial Cell"));
        s->printers->pdfPath = pdf(QStringLiteral("window.pdf"));
        main->mnuFilePrintWin->trigger();
        QCOMPARE(s->printers->calls, 1);
        QCOMPARE(s->printers->lastRequest.title, QStringLiteral("Print Window"));
        // The dialog has gone; the window is printed once the wait is over.
        QVERIFY(control().Waiting());
        QCOMPARE(control().frmSrc.data(), sub->widget());
        QVERIFY(!QFileInfo::exists(s->printers->pdfPath));

        const QImage frame = sub->grab().toImage().convertToFormat(QImage::Format_RGB32);
        control().tmrWait_Timer();
        QVERIFY(!control().Waiting());
        QVERIFY(s->messages->msgBoxCalls.empty());
        // Caption and borders included.
        QVERIFY(frame.height() > sub->widget()->height() + 10);
        QCOMPARE(control().picCapture->size(), frame.size());

        const PdfPage page = readPdf(s->printers->pdfPath);
        QCOMPARE(page.pages, 1);
        QCOMPARE(page.images, 1);
        QCOMPARE(page.imagePx, frame.size());
        QCOMPARE(page.imagePpi, 96);   // its on-screen size

        // The very picture of the window, and where the page puts it: centred on the
        // printable area, then 300 twips up and left, at its size on the screen.
        QCOMPARE(storedPicture(s->printers->pdfPath, dir.path()), frame);
        const QRectF printable = control().Printer().pageLayout().paintRectPoints();
        const QPointF atTw = LXPrintForm::PagePosition(printable.size() * 20, QSizeF(frame.size()) * 15);
        const QRectF expected(printable.topLeft() * 96 / 72 + atTw / 15, QSizeF(frame.size()));
        QSize pageSize;
        const QRect ink = inkOnPage(s->printers->pdfPath, dir.path(), &pageSize);
        QVERIFY(qAbs(pageSize.width() - page.sizePt.width() * 96 / 72) < 1);
        const auto near = [](double a, double b) { return qAbs(a - b) <= 1; };
        QVERIFY2(near(ink.left(), expected.left()) && near(ink.top(), expected.top())
                     && near(ink.right() + 1, expected.right()) && near(ink.bottom() + 1, expected.bottom()),
                 qPrintable(QStringLiteral("printed at %1, %2, %3 x %4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    }

    void windowClosedDuringTheWaitPrintsNothing()
    {
        QMdiSubWindow* sub = addChild(QStringLiteral("Shear Data Acquisition"));
        s->printers->pdfPath = pdf(QStringLiteral("closed.pdf"));
        main->mnuFilePrintWin->trigger();
        QVERIFY(control().Waiting());
        sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!control().frmSrc);
        control().tmrWait_Timer();
        QVERIFY(!control().Waiting());
        QVERIFY(!QFileInfo::exists(s->printers->pdfPath));
        QVERIFY(s->messages->msgBoxCalls.empty());
        // A window that was only hidden meanwhile (closed, not yet gone) is not printed either.
        QMdiSubWindow* other = addChild(QStringLiteral("Report"));
        main->mnuFilePrintWin->trigger();
        other->hide();
        control().tmrWait_Timer();
        QVERIFY(!QFileInfo::exists(s->printers->pdfPath));
        QVERIFY(s->messages->msgBoxCalls.empty());
    }

    void secondPrintWindowWhileWaitingIsIgnored()
    {
        QMdiSubWindow* first = addChild(QStringLiteral("Triaxial Cell"), QSize(320, 200));
        s->printers->pdfPath = pdf(QStringLiteral("first.pdf"));
        main->mnuFilePrintWin->trigger();
        QMdiSubWindow* second = addChild(QStringLiteral("Report"), QSize(240, 300));
        main->mnuFilePrintWin->trigger();
        main->ToolbarButton(QStringLiteral("PrintWin"))->trigger();
        // No second dialog, and the first window is still the one to print.
        QCOMPARE(s->printers->calls, 1);
        QCOMPARE(control().frmSrc.data(), first->widget());
        control().tmrWait_Timer();
        const PdfPage page = readPdf(s->printers->pdfPath);
        QCOMPARE(page.pages, 1);
        QCOMPARE(page.imagePx, first->size());

        // Once printed, Print Window works again.
        s->printers->pdfPath = pdf(QStringLiteral("second.pdf"));
        main->mnuFilePrintWin->trigger();
        QCOMPARE(s->printers->calls, 2);
        control().tmrWait_Timer();
        QCOMPARE(readPdf(s->printers->pdfPath).imagePx, second->size());
    }

    void cancelIsSilentAndAFailureSaysSo()
    {
        addChild(QStringLiteral("Triaxial Cell"));
        s->printers->pdfPath = pdf(QStringLiteral("cancelled.pdf"));
        s->printers->accept = false;
        main->mnuFilePrintWin->trigger();
        QCOMPARE(s->printers->calls, 1);
        QVERIFY(!control().Waiting());
        QVERIFY(!QFileInfo::exists(s->printers->pdfPath));
        QVERIFY(s->messages->msgBoxCalls.empty());

        s->printers->accept = true;
        s->printers->pdfPath = pdf(QStringLiteral("missing/folder/window.pdf"));
        main->mnuFilePrintWin->trigger();
        control().tmrWait_Timer();
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QVERIFY(s->messages->msgBoxCalls[0].text.startsWith(
            QStringLiteral("The window could not be printed to %1.\r").arg(s->printers->pdfPath)));
        QCOMPARE(s->messages->msgBoxCalls[0].title, QStringLiteral("Print Window"));
        QCOMPARE(s->messages->msgBoxCalls[0].style, int(lx::vbOKOnly | lx::vbExclamation));
        QVERIFY(!control().Waiting());
    }

    void aFullDiskKeepsTheOldPdfAndSaysWhy()
    {
        addChild(QStringLiteral("Triaxial Cell"));
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("kept.pdf"));
        const QByteArray old = "%PDF-1.4\n" + QByteArray(37000, 'x') + "\n%%EOF\n";
        QVERIFY(lx::testing::writeFile(target, old));
        s->printers->pdfPath = target;
        main->mnuFilePrintWin->trigger();
        // A disk that takes next to nothing more: the new PDF cannot be written whole.
        lx::ignoreFileSizeSignal();
        lx::testing::withSmallFileLimit([&] { control().tmrWait_Timer(); });
        QCOMPARE(lx::testing::readAll(target), old);
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        const QString text = s->messages->msgBoxCalls[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("The window could not be printed to %1.\r").arg(target))
                     && text.contains(QString::fromLocal8Bit(strerror(EFBIG))),
                 qPrintable(text));
        // Nothing is left beside it.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{QStringLiteral("kept.pdf")});

        // With room again the same print replaces it with a whole PDF.
        main->mnuFilePrintWin->trigger();
        control().tmrWait_Timer();
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        const QByteArray printed = lx::testing::readAll(target);
        QVERIFY(printed.startsWith("%PDF") && printed.trimmed().endsWith("%%EOF"));
        QCOMPARE(readPdf(target).pages, 1);
    }

    // A FIFO (whose opening would block the program), a dangling link and a read-only file
    // are refused by Print Window as by Export, and each is left as it was.
    void targetsExportRefusesPrintRefusesAlike_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << QStringLiteral("fifo");
        QTest::newRow("dangling link") << QStringLiteral("dangling");
        QTest::newRow("read-only file") << QStringLiteral("read-only");
    }
    void targetsExportRefusesPrintRefusesAlike()
    {
        QFETCH(QString, kind);
        const QString target = pdf(kind + QStringLiteral(".pdf"));
        const QString away = pdf(kind + QStringLiteral("-away.pdf"));
        const QByteArray name = QFile::encodeName(target);
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);   // as lx::testing::makeSpecialFile, under this name
        else if (kind == u"dangling")
            QCOMPARE(::symlink(QFile::encodeName(away).constData(), name.constData()), 0);
        else {
            QVERIFY(lx::testing::writeFile(target, "kept"));
            QCOMPARE(::chmod(name.constData(), 0444), 0);
        }
        auto unchanged = [&] {
            struct stat st {};
            QCOMPARE(::lstat(name.constData(), &st), 0);
            if (kind == u"fifo")
                QVERIFY(S_ISFIFO(st.st_mode));
            else if (kind == u"dangling")
                QVERIFY(S_ISLNK(st.st_mode) && !QFileInfo::exists(away));
            else
                QCOMPARE(lx::testing::readAll(target), QByteArray("kept"));
        };

        addChild(QStringLiteral("Triaxial Cell"));
        s->printers->pdfPath = target;
        main->mnuFilePrintWin->trigger();
        control().tmrWait_Timer();
        unchanged();
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        const QString printText = s->messages->msgBoxCalls[0].text;
        QVERIFY2(printText.startsWith(QStringLiteral("The window could not be printed to %1.\r").arg(target)), qPrintable(printText));

        s->files->answers = {target};
        s->messages->msgsAnswers = {1};   // "Overwrite", where it asks
        QVERIFY(!ExportData(QStringLiteral("Axial Strain (%)\tDeviator Stress (kPa)")));
        unchanged();
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(2));
        const QString exportText = s->messages->msgBoxCalls[1].text;
        QVERIFY(exportText.startsWith(QStringLiteral("The data could not be written to %1.\r").arg(target)));
        // The same reason from both.
        QCOMPARE(exportText.section(u'\r', 1), printText.section(u'\r', 1));
    }

    void windowOfItsOwnPrintsWithoutAFrame()
    {
        LXPrintForm ctl;
        std::unique_ptr<QWidget> window(colouredWindow(QStringLiteral("Alone"), QSize(150, 120)));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        s->printers->pdfPath = pdf(QStringLiteral("alone.pdf"));
        QVERIFY(s->printers->choosePrinter(ctl.Printer(), lx::PrintDialogRequest{}));
        ctl.frmSrc = window.get();
        QVERIFY(ctl.PrintForm());
        QVERIFY(!ctl.PrintForm());   // already waiting
        ctl.tmrWait_Timer();
        QCOMPARE(readPdf(s->printers->pdfPath).imagePx, QSize(150, 120));
    }
};

QTEST_MAIN(tst_LXPrintForm)
#include "tst_LXPrintForm.moc"
