// Document windows and the main window's document commands: numbering, layout, files,
// the clipboard and printing.
#include "basGlobal.h"
#include "frmDocument.h"
#include "frmMDI.h"

#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/rtf/Rtf.h"
#include "platform/testing/FileLimit.h"
#include "platform/testing/ScriptedServices.h"
#include "platform/testing/SpecialFiles.h"
#include "tests/common/TestHelpers.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <deque>
#include <memory>

using lx::testing::readAll;
using lx::testing::writeFile;

using namespace basGlobal;

namespace {

const QColor Red(200, 0, 0);

// "plain bold red italic": "bold" bold, "red italic" italic and red.
void writeFormatted(QTextEdit* box)
{
    QTextCursor c(box->document());
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("plain "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("bold"), bold);
    c.insertText(QStringLiteral(" "), QTextCharFormat());
    QTextCharFormat red;
    red.setFontItalic(true);
    red.setForeground(Red);
    c.insertText(QStringLiteral("red italic"), red);
}

using lx::testing::formatAt;

// The text "plain bold red italic" with its formats, starting at position at.
void checkFormatted(const QTextDocument& doc, int at = 0)
{
    QCOMPARE(doc.toPlainText().mid(at, 21), QStringLiteral("plain bold red italic"));
    QVERIFY(formatAt(doc, at + 0).fontWeight() < QFont::Bold);
    QCOMPARE(formatAt(doc, at + 6).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(doc, at + 9).fontWeight(), int(QFont::Bold));
    QVERIFY(!formatAt(doc, at + 6).fontItalic());
    QVERIFY(formatAt(doc, at + 11).fontItalic());
    QVERIFY(formatAt(doc, at + 20).fontItalic());
    QCOMPARE(formatAt(doc, at + 11).foreground().color(), Red);
    QVERIFY(formatAt(doc, at + 11).fontWeight() < QFont::Bold);
}

// The pages of a PDF that Qt wrote (its page objects are not compressed).
int pdfPages(const QString& pdf)
{
    return int(QString::fromLatin1(readAll(pdf)).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))));
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Stands in for the desktop's session manager asking before a logout.
struct StandInLogout final : LogoutRequest {
    bool interaction = true;
    int released = 0;
    bool cancelled = false;
    bool allowsInteraction() override { return interaction; }
    void release() override { ++released; }
    void cancel() override { cancelled = true; }
};

} // namespace

class tst_frmDocument : public QObject {
    Q_OBJECT

    std::unique_ptr<lx::testing::ScriptedServices> s;
    std::unique_ptr<frmMDI> main;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString& name) const { return dir->filePath(name); }
    frmDocument* active() const { return qobject_cast<frmDocument*>(main->ActiveChild()); }
    int windows() const { return int(main->mdiArea->subWindowList().size()); }
    QStringList captions() const
    {
        QStringList list;
        for (QMdiSubWindow* sub : main->mdiArea->subWindowList(QMdiArea::CreationOrder))
            list << sub->widget()->windowTitle();
        return list;
    }
    frmDocument* newDocument()
    {
        main->mnuFileNew->trigger();
        return active();
    }
    void closeChild(QWidget* child)
    {
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
        QVERIFY(sub);
        sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const std::vector<lx::testing::MsgBoxCall>& messages() const { return s->messages->msgBoxCalls; }

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void init()
    {
        s = std::make_unique<lx::testing::ScriptedServices>();
        // Past a whole second's half: the closing pause ends after one pass.
        s->clock->ms = 400;
        dir = std::make_unique<QTemporaryDir>();
        QApplication::clipboard()->clear();
        // A main window closed by the test before left the frame ending.
        ShuttingDown = false;
        main = std::make_unique<frmMDI>();
    }
    void cleanup()
    {
        main.reset();
        dir.reset();
        lx::setInstallDir(QString());
        s.reset();
    }

    void newDocumentsCountUpAndNeverReuseANumber()
    {
        main->mnuFileNew->trigger();
        main->mnuWindowNewWindow->trigger();
        QCOMPARE(captions(), (QStringList{"Document 1", "Document 2"}));
        QPointer<frmDocument> closed = active();
        closeChild(closed);
        QVERIFY(closed.isNull());
        QCOMPARE(windows(), 1);
        main->ToolbarButton(QStringLiteral("New"))->trigger();
        QCOMPARE(captions(), (QStringList{"Document 1", "Document 3"}));
        QCOMPARE(active()->windowTitle(), QStringLiteral("Document 3"));
        // The File items follow the new active window.
        QVERIFY(main->mnuFileSave->isEnabled());
        QVERIFY(main->mnuFilePrintDoc->isEnabled());
    }

    void windowHasItsIconSizeAndBox()
    {
        QTemporaryDir install;
        QDir(install.path()).mkpath(QStringLiteral("Pictures/Icons"));
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::darkGreen);
        QVERIFY(QImageWriter(install.filePath(QStringLiteral("Pictures/Icons/loamix.ico")), "ico").write(icon));
        lx::setInstallDir(install.path());

        frmDocument* doc = newDocument();
        QVERIFY(!doc->windowIcon().isNull());
        QCOMPARE(doc->size(), QSize(lx::tw(4680), lx::tw(3195)));
        QCOMPARE(doc->rtfText->geometry(), lx::twRect(100, 100, lx::toTwips(doc->width()) - 200, lx::toTwips(doc->height()) - 200));
        QCOMPARE(doc->rtfText->lineWrapMode(), QTextEdit::FixedPixelWidth);
        QCOMPARE(doc->rtfText->lineWrapColumnOrWidth(), lx::tw(doc->BoxWidthTw() - 400));
    }

    void layoutFollowsEveryResize_data()
    {
        QTest::addColumn<int>("widthPx");
        QTest::addColumn<int>("heightPx");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("wrapMode");
        QTest::addColumn<int>("wrapWidth");
        // 15 twips a pixel: 100 twips in from each side; lines wrap 400 twips short of the box.
        QTest::newRow("large") << 600 << 400 << lx::twRect(100, 100, 8800, 5800) << int(QTextEdit::FixedPixelWidth)
                               << lx::tw(8400);
        QTest::newRow("margin zero: wraps at the box") << 40 << 100 << lx::twRect(100, 100, 400, 1300)
                                                       << int(QTextEdit::WidgetWidth) << -1;
        // Narrower than the margin: the box moves, the wrap width stays.
        QTest::newRow("box narrower than the margin") << 30 << 100 << lx::twRect(100, 100, 250, 1300)
                                                      << int(QTextEdit::FixedPixelWidth) << lx::tw(2920 - 400);
        // Smaller than the margins: the last good layout stays.
        QTest::newRow("too small") << 10 << 10 << QRect() << int(QTextEdit::FixedPixelWidth) << lx::tw(2920 - 400);
    }
    void layoutFollowsEveryResize()
    {
        QFETCH(int, widthPx);
        QFETCH(int, heightPx);
        QFETCH(QRect, box);
        QFETCH(int, wrapMode);
        QFETCH(int, wrapWidth);
        QWidget host;
        host.resize(800, 600);
        auto* doc = new frmDocument(&host);
        host.show();
        doc->show();
        doc->resize(208, 150);   // a known good layout first: box 2920 x 2050 twips
        QCOMPARE(doc->BoxWidthTw(), 2920.0);
        const QRect before = doc->rtfText->geometry();
        doc->resize(widthPx, heightPx);
        QCOMPARE(doc->size(), QSize(widthPx, heightPx));
        QCOMPARE(doc->rtfText->geometry(), box.isNull() ? before : box);
        QCOMPARE(int(doc->rtfText->lineWrapMode()), wrapMode);
        if (wrapWidth >= 0)
            QCOMPARE(doc->rtfText->lineWrapColumnOrWidth(), wrapWidth);
    }

    void saveAsWritesTheFileAndLaterSaveWritesWithoutAsking()
    {
        frmDocument* doc = newDocument();
        writeFormatted(doc->rtfText);
        const QString file = path("notes.rtf");
        s->files->answers = {file};
        main->mnuFileSaveAs->trigger();
        QCOMPARE(s->files->saveCalls.size(), size_t(1));
        QCOMPARE(s->files->saveCalls[0].title, QStringLiteral("Save As"));
        QCOMPARE(s->files->saveCalls[0].filter, QStringLiteral("All Files (*.*)|*.*"));
        QCOMPARE(doc->windowTitle(), file);
        QVERIFY(messages().empty());
        {
            QTextDocument back;
            lx::readRtf(back, readAll(file));
            checkFormatted(back);
        }

        QTextCursor(doc->rtfText->document()).insertText(QStringLiteral("more "));
        main->mnuFileSave->trigger();
        main->ToolbarButton(QStringLiteral("Save"))->trigger();
        QCOMPARE(s->files->saveCalls.size(), size_t(1));
        QTextDocument back;
        lx::readRtf(back, readAll(file));
        QCOMPARE(back.toPlainText(), QStringLiteral("more plain bold red italic"));
        checkFormatted(back, 5);
        QVERIFY(messages().empty());
    }

    void saveOfAnUntitledDocumentAsksEachTimeAndKeepsItsCaption()
    {
        frmDocument* doc = newDocument();
        doc->rtfText->setPlainText(QStringLiteral("first"));
        s->files->answers = {path("a.rtf"), QString(), path("b.rtf")};
        main->mnuFileSave->trigger();
        main->mnuFileSave->trigger();   // cancelled: nothing written
        doc->rtfText->setPlainText(QStringLiteral("second"));
        main->mnuFileSave->trigger();
        QCOMPARE(s->files->saveCalls.size(), size_t(3));
        QCOMPARE(s->files->saveCalls[0].title, QStringLiteral("Save"));
        QCOMPARE(doc->windowTitle(), QStringLiteral("Document 1"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{"a.rtf", "b.rtf"}));
        QTextDocument a, b;
        lx::readRtf(a, readAll(path("a.rtf")));
        lx::readRtf(b, readAll(path("b.rtf")));
        QCOMPARE(a.toPlainText(), QStringLiteral("first"));
        QCOMPARE(b.toPlainText(), QStringLiteral("second"));
    }

    // A logout asks about each changed document as closing it does, where the desktop lets
    // the program ask: Cancel (or a save that did not happen) asks the desktop not to log
    // out and asks no further; a document answered for closes without a word as the logout
    // ends the program.
    void aLogoutAsksAboutEachChangedDocument_data()
    {
        QTest::addColumn<bool>("interaction");
        QTest::addColumn<QList<int>>("answers");   // to the first changed document, then the second
        QTest::addColumn<QString>("saveAs");        // the save dialog's answers, "-" for none
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("Cancel") << true << QList<int>{lx::vbCancel} << "-" << 1 << true;
        QTest::newRow("Yes, its save cancelled") << true << QList<int>{lx::vbYes} << "" << 1 << true;
        QTest::newRow("No, then Yes") << true << QList<int>{lx::vbNo, lx::vbYes} << "second.rtf" << 2 << false;
        QTest::newRow("no asking allowed") << false << QList<int>{} << "-" << 0 << false;
    }
    void aLogoutAsksAboutEachChangedDocument()
    {
        QFETCH(bool, interaction);
        QFETCH(QList<int>, answers);
        QFETCH(QString, saveAs);
        QFETCH(int, asked);
        QFETCH(bool, cancelled);
        main->show();
        const QPointer<frmDocument> first = newDocument();
        newDocument();   // unchanged: not asked about
        const QPointer<frmDocument> second = newDocument();
        QTextCursor(first->rtfText->document()).insertText(QStringLiteral("first notes"));
        QTextCursor(second->rtfText->document()).insertText(QStringLiteral("second notes"));
        s->messages->msgBoxAnswers = std::deque<int>(answers.begin(), answers.end());
        if (saveAs != u"-")
            s->files->answers = {saveAs.isEmpty() ? saveAs : path(saveAs)};

        StandInLogout logout;
        logout.interaction = interaction;
        main->CommitData(logout);
        QCOMPARE(int(messages().size()), asked);
        for (const auto& m : messages())
            QVERIFY(m.text.contains(u"has changed"));
        QCOMPARE(logout.cancelled, cancelled);
        QCOMPARE(logout.released, interaction ? 1 : 0);
        QCOMPARE(windows(), 3);
        if (cancelled) {
            // The student keeps working: the notes are still there and still unsaved.
            QVERIFY(first->Changed());
            return;
        }
        if (!interaction)
            return;
        QTextDocument back;
        lx::readRtf(back, readAll(path(saveAs)));
        QCOMPARE(back.toPlainText(), QStringLiteral("second notes"));
        // The logout goes on and closes the program: nothing asks again.
        main->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first && !second);
        QCOMPARE(int(messages().size()), asked);
    }


    // text asks; Yes saves as File > Save, No discards, Cancel keeps the window (and the program).
    void aChangedDocumentAsksBeforeItCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << QStringLiteral("button");
        QTest::newRow("window menu") << QStringLiteral("menu");
        QTest::newRow("exit") << QStringLiteral("exit");
    }
    void aChangedDocumentAsksBeforeItCloses()
    {
        QFETCH(QString, how);
        main->show();
        auto closeIt = [&](frmDocument* doc) {
            QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(doc->parentWidget());
            if (how == u"button") {
                sub->close();
            } else if (how == u"menu") {
                QAction* close = nullptr;
                for (QAction* a : sub->systemMenu()->actions())
                    if (a->text().remove(u'&').startsWith(QStringLiteral("Close")))
                        close = a;
                QVERIFY(close);
                close->trigger();
            } else {
                main->mnuFileExit->trigger();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        // The program would have ended with its window; the test starts it again.
        auto reopen = [&] {
            ShuttingDown = false;
            main->show();
        };

        // Unchanged (a new one, and one whose change was saved): no question.
        frmDocument* doc = newDocument();
        closeIt(doc);
        QCOMPARE(windows(), 0);
        QVERIFY(messages().empty());
        if (how == u"exit")
            reopen();

        doc = newDocument();
        QTextCursor(doc->rtfText->document()).insertText(QStringLiteral("my notes"));
        QVERIFY(doc->Changed());
        const QString caption = doc->windowTitle();

        s->messages->msgBoxAnswers = {lx::vbCancel};
        closeIt(doc);
        QCOMPARE(windows(), 1);
        QVERIFY(main->isVisible());
        QCOMPARE(messages().size(), size_t(1));
        QCOMPARE(messages()[0].text, QStringLiteral("The text in %1 has changed.\r\rDo you want to save the changes?").arg(caption));
        QCOMPARE(messages()[0].style, int(lx::vbYesNoCancel | lx::vbExclamation));
        QCOMPARE(doc->windowTitle(), caption);

        // Yes, and the save dialog cancelled: nothing saved, so nothing closes.
        s->messages->msgBoxAnswers = {lx::vbYes};
        s->files->answers = {QString()};
        closeIt(doc);
        QCOMPARE(windows(), 1);

        // Yes: saved as File > Save saves an untitled document, then closed.
        const QString file = path("kept.rtf");
        s->messages->msgBoxAnswers = {lx::vbYes};
        s->files->answers = {file};
        closeIt(doc);
        QCOMPARE(windows(), 0);
        QTextDocument back;
        lx::readRtf(back, readAll(file));
        QCOMPARE(back.toPlainText(), QStringLiteral("my notes"));

        // No: discarded.
        if (how == u"exit")
            reopen();
        doc = newDocument();
        QTextCursor(doc->rtfText->document()).insertText(QStringLiteral("scrap"));
        s->messages->msgBoxAnswers = {lx::vbNo};
        closeIt(doc);
        QCOMPARE(windows(), 0);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.rtf")});
        QCOMPARE(messages().size(), size_t(4));

        // A document saved since its change closes without a word.
        if (how == u"exit")
            reopen();
        doc = newDocument();
        QTextCursor(doc->rtfText->document()).insertText(QStringLiteral("saved"));
        s->files->answers = {path("saved.rtf")};
        main->mnuFileSaveAs->trigger();
        QVERIFY(!doc->Changed());
        closeIt(doc);
        QCOMPARE(windows(), 0);
        QCOMPARE(messages().size(), size_t(4));
    }

    void savingATextFileAsksBeforeRichTextReplacesIt()
    {
        const QString file = path("notes.txt");
        const QByteArray text = "Void ratio 0.65\nDry unit weight 16 kN/m3\n";
        QVERIFY(lx::testing::writeFile(file, text));
        s->files->answers = {file};
        main->mnuFileOpen->trigger();
        frmDocument* doc = active();
        QVERIFY(doc);
        QTextCursor(doc->rtfText->document()).insertText(QStringLiteral("Sample 3: "));

        s->messages->msgBoxAnswers = {lx::vbNo};
        main->mnuFileSave->trigger();
        QCOMPARE(readAll(file), text);
        QCOMPARE(messages().size(), size_t(1));
        QVERIFY(messages()[0].text.startsWith(QStringLiteral("%1 is not a rich-text file.").arg(file)));
        QCOMPARE(messages()[0].style, int(lx::vbYesNo | lx::vbExclamation));
        QVERIFY(doc->Changed());

        s->messages->msgBoxAnswers = {lx::vbYes};
        main->mnuFileSave->trigger();
        QVERIFY(lx::isRtf(readAll(file)));
        QCOMPARE(doc->windowTitle(), file);
        QVERIFY(!doc->Changed());
        // Rich text now: later saves ask nothing.
        QTextCursor(doc->rtfText->document()).insertText(QStringLiteral("x"));
        main->mnuFileSave->trigger();
        QCOMPARE(messages().size(), size_t(2));

        // Save As onto another text file asks too; an RTF file or a new name does not.
        const QString other = path("other.txt");
        QVERIFY(lx::testing::writeFile(other, "plain"));
        s->files->answers = {other, path("new.rtf")};
        s->messages->msgBoxAnswers = {lx::vbNo};
        main->mnuFileSaveAs->trigger();
        QCOMPARE(readAll(other), QByteArray("plain"));
        QCOMPARE(doc->windowTitle(), file);
        main->mnuFileSaveAs->trigger();
        QCOMPARE(doc->windowTitle(), path("new.rtf"));
        QCOMPARE(messages().size(), size_t(3));
    }

    void aFailedSaveAsSaysSoAndKeepsTheCaption_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("sizeLimit");
        QTest::newRow("missing folder") << QStringLiteral("missing/notes.rtf") << false;
        QTest::newRow("folder in place of the file") << QStringLiteral("adir") << false;
        QTest::newRow("disk full part-way") << QStringLiteral("big.rtf") << true;
    }
    void aFailedSaveAsSaysSoAndKeepsTheCaption()
    {
        QFETCH(QString, target);
        QFETCH(bool, sizeLimit);
        QDir(dir->path()).mkdir(QStringLiteral("adir"));
        // A document already saved under a name keeps that name and that file.
        frmDocument* doc = newDocument();
        doc->rtfText->setPlainText(QStringLiteral("kept"));
        const QString old = path("old.rtf");
        s->files->answers = {old};
        main->mnuFileSaveAs->trigger();
        const QByteArray oldBytes = readAll(old);
        QVERIFY(!oldBytes.isEmpty());

        doc->rtfText->setPlainText(QString(4096, u'x'));
        const QString bad = path(target);
        s->files->answers = {bad};
        if (sizeLimit)
            lx::testing::withSmallFileLimit([&] { main->mnuFileSaveAs->trigger(); });
        else
            main->mnuFileSaveAs->trigger();
        QCOMPARE(doc->windowTitle(), old);
        QCOMPARE(readAll(old), oldBytes);
        QCOMPARE(messages().size(), size_t(1));
        QVERIFY2(messages()[0].text.contains(bad), qPrintable(messages()[0].text));
        QCOMPARE(messages()[0].title, QStringLiteral("Save As"));
        QVERIFY(!QFileInfo(bad).isFile() || QFileInfo(bad).size() == 0);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"old.rtf"});
    }

    void saveOntoAFifoOrADeviceReplacesNothing_data()
    {
        QTest::addColumn<int>("kind_");
        QTest::newRow("FIFO") << int(lx::testing::SpecialFile::Fifo);
        QTest::newRow("device") << int(lx::testing::SpecialFile::Device);
    }
    void saveOntoAFifoOrADeviceReplacesNothing()
    {
        QFETCH(int, kind_);
        const auto kind = lx::testing::SpecialFile(kind_);
        const QString target = lx::testing::makeSpecialFile(kind, dir->path());
        QVERIFY(!target.isEmpty());
        frmDocument* doc = newDocument();
        doc->rtfText->setPlainText(QStringLiteral("notes"));
        s->files->answers = {target};
        main->mnuFileSaveAs->trigger();
        QVERIFY(lx::testing::isStillSpecial(kind, target));
        QCOMPARE(messages().size(), size_t(1));
        QVERIFY2(messages()[0].text.contains(target), qPrintable(messages()[0].text));
        QCOMPARE(messages()[0].title, QStringLiteral("Save As"));
        // The caption stays "Document 1", so Save asks for a name: refused the same way.
        s->files->answers = {target};
        main->mnuFileSave->trigger();
        QVERIFY(lx::testing::isStillSpecial(kind, target));
        QCOMPARE(messages().size(), size_t(2));
        QCOMPARE(messages()[1].title, QStringLiteral("Save"));
        QVERIFY(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void aFailedSaveSaysSoWithThePath()
    {
        QDir(dir->path()).mkdir(QStringLiteral("sub"));
        frmDocument* doc = newDocument();
        const QString file = path("sub/notes.rtf");
        s->files->answers = {file};
        main->mnuFileSaveAs->trigger();
        QVERIFY(QDir(path("sub")).removeRecursively());
        main->mnuFileSave->trigger();
        QCOMPARE(doc->windowTitle(), file);
        QCOMPARE(messages().size(), size_t(1));
        QVERIFY2(messages()[0].text.contains(file), qPrintable(messages()[0].text));
        QCOMPARE(messages()[0].title, QStringLiteral("Save"));
        // An untitled document that cannot be written keeps its caption too.
        newDocument();
        s->files->answers = {path("missing/x.rtf")};
        main->mnuFileSave->trigger();
        QCOMPARE(active()->windowTitle(), QStringLiteral("Document 2"));
        QCOMPARE(messages().size(), size_t(2));
    }

    void openReadsRtfAndPlainText_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("rtf") << QByteArray("{\\rtf1\\ansi {\\b Bold} words\\par}") << QStringLiteral("Bold words") << true;
        QTest::newRow("plain text") << QByteArray("{not rtf} \\b x\nline 2") << QStringLiteral("{not rtf} \\b x\nline 2")
                                    << false;
        QTest::newRow("plain text in code page 1252") << QByteArray("caf\xe9 \x80") << QStringLiteral("caf\u00e9 \u20ac")
                                                      << false;
        QTest::newRow("empty file") << QByteArray() << QString() << false;
    }
    void openReadsRtfAndPlainText()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        const QString file = path("doc.txt");
        QVERIFY(writeFile(file, content));
        s->files->answers = {file};
        main->ToolbarButton(QStringLiteral("Open"))->trigger();
        QCOMPARE(s->files->openCalls.size(), size_t(1));
        QCOMPARE(s->files->openCalls[0].title, QStringLiteral("Open"));
        QCOMPARE(s->files->openCalls[0].filter, QStringLiteral("All Files (*.*)|*.*"));
        QVERIFY(messages().empty());
        frmDocument* doc = active();
        QVERIFY(doc);
        QCOMPARE(doc->windowTitle(), file);
        QCOMPARE(doc->rtfText->toPlainText(), text);
        if (!text.isEmpty())
            QCOMPARE(formatAt(*doc->rtfText->document(), 0).fontWeight() == QFont::Bold, bold);
        // What was read is where undo starts.
        QVERIFY(!doc->rtfText->document()->isUndoAvailable());
    }

    void aFileOfOneEndlessWordWrapsAnywhereOthersAtWords()
    {
        // A run without a space longer than a line allows is laid out in linear time only
        // when lines may break anywhere (the document benchmark shows the time).
        frmDocument doc;
        const QString file = path("zeros.bin");
        QVERIFY(writeFile(file, QByteArray(frmDocument::MaxUnbrokenRun + 1, '\0')));
        QVERIFY(doc.LoadFile(file));
        QCOMPARE(doc.rtfText->toPlainText().size(), frmDocument::MaxUnbrokenRun + 1);
        QCOMPARE(doc.rtfText->wordWrapMode(), QTextOption::WrapAnywhere);
        QVERIFY(writeFile(file, QByteArray(frmDocument::MaxUnbrokenRun, 'x') + " words\n" + QByteArray(100, 'y')));
        QVERIFY(doc.LoadFile(file));
        QCOMPARE(doc.rtfText->wordWrapMode(), QTextOption::WordWrap);
    }

    void openOfAFileThatCannotBeReadMakesNoWindow_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing") << QStringLiteral("missing.rtf");
        QTest::newRow("folder") << QStringLiteral("adir");
        QTest::newRow("device") << QStringLiteral("/dev/zero");
        QTest::newRow("over the size limit") << QStringLiteral("big.txt");
    }
    void openOfAFileThatCannotBeReadMakesNoWindow()
    {
        QFETCH(QString, target);
        QDir(dir->path()).mkdir(QStringLiteral("adir"));
        newDocument();
        const QString file = target.startsWith(u'/') ? target : path(target);
        if (target == u"big.txt") {
            // One byte too many, and unreadable where the process obeys permissions: refused
            // by its size, before any of it is read.
            QFile big(file);
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(frmDocument::MaxFileBytes + 1));
            big.close();
            big.setPermissions(QFileDevice::WriteOwner);
        }
        s->files->answers = {file, QString()};
        main->mnuFileOpen->trigger();
        main->mnuFileOpen->trigger();   // cancelled: nothing at all
        QCOMPARE(windows(), 1);
        QCOMPARE(messages().size(), size_t(1));
        QVERIFY2(messages()[0].text.contains(file), qPrintable(messages()[0].text));
        QCOMPARE(messages()[0].title, QStringLiteral("Open"));
        if (target == u"big.txt")
            QVERIFY2(messages()[0].text.contains(QStringLiteral("larger than 2 MB")), qPrintable(messages()[0].text));
        // The counter is untouched by Open.
        newDocument();
        QCOMPARE(active()->windowTitle(), QStringLiteral("Document 2"));
    }

    void copyAndPasteBetweenDocumentsKeepFormatting()
    {
        frmDocument* from = newDocument();
        writeFormatted(from->rtfText);
        QTextCursor all(from->rtfText->document());
        all.select(QTextCursor::Document);
        from->rtfText->setTextCursor(all);
        main->mnuEditCopy->trigger();

        // Other programs get the formatting as RTF and the text as text, never the markup.
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->text(), QStringLiteral("plain bold red italic"));
        QVERIFY(lx::isRtf(data->data(QStringLiteral("text/rtf"))));
        QCOMPARE(data->data(QStringLiteral("application/rtf")), data->data(QStringLiteral("text/rtf")));

        frmDocument* to = newDocument();
        to->rtfText->setPlainText(QStringLiteral("[]"));
        QTextCursor at(to->rtfText->document());
        at.setPosition(1);
        to->rtfText->setTextCursor(at);
        main->ToolbarButton(QStringLiteral("Paste"))->trigger();
        QCOMPARE(to->rtfText->toPlainText(), QStringLiteral("[plain bold red italic]"));
        checkFormatted(*to->rtfText->document(), 1);
        QCOMPARE(to->rtfText->textCursor().position(), 22);
    }

    void cutTakesTheSelectionToTheClipboard()
    {
        frmDocument* doc = newDocument();
        writeFormatted(doc->rtfText);
        QTextCursor c(doc->rtfText->document());
        c.setPosition(6);
        c.setPosition(10, QTextCursor::KeepAnchor);
        doc->rtfText->setTextCursor(c);
        main->mnuEditCut->trigger();
        QCOMPARE(doc->rtfText->toPlainText(), QStringLiteral("plain  red italic"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("bold"));
        QTextDocument back;
        lx::readRtf(back, QApplication::clipboard()->mimeData()->data(QStringLiteral("text/rtf")));
        QCOMPARE(back.toPlainText(), QStringLiteral("bold"));
        QCOMPARE(formatAt(back, 0).fontWeight(), int(QFont::Bold));
    }

    void pasteOfClipboardText_data()
    {
        QTest::addColumn<QString>("clipboard");   // set as plain text; null: an empty clipboard
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("RTF markup as plain text") << QStringLiteral("{\\rtf1 {\\b Bold}}") << QStringLiteral("a[Bold]b") << true;
        QTest::newRow("other text unchanged") << QStringLiteral("{\\b x} y") << QStringLiteral("a[{\\b x} y]b") << false;
        QTest::newRow("empty clipboard") << QString() << QStringLiteral("a[sel]b") << false;
        QTest::newRow("empty text") << QStringLiteral("") << QStringLiteral("a[sel]b") << false;
    }
    void pasteOfClipboardText()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        if (!clipboard.isNull())
            QApplication::clipboard()->setText(clipboard);
        frmDocument* doc = newDocument();
        doc->rtfText->setPlainText(QStringLiteral("a[sel]b"));
        QTextCursor c(doc->rtfText->document());
        c.setPosition(2);
        c.setPosition(5, QTextCursor::KeepAnchor);
        doc->rtfText->setTextCursor(c);
        main->mnuEditPaste->trigger();
        QCOMPARE(doc->rtfText->toPlainText(), text);
        QCOMPARE(formatAt(*doc->rtfText->document(), 2).fontWeight() == QFont::Bold, bold);
    }

    void pasteOfAPictureChangesNothing()
    {
        auto* picture = new QMimeData;
        picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QApplication::clipboard()->setMimeData(picture);
        frmDocument* doc = newDocument();
        doc->rtfText->setPlainText(QStringLiteral("kept"));
        doc->rtfText->selectAll();
        main->mnuEditPaste->trigger();
        QCOMPARE(doc->rtfText->toPlainText(), QStringLiteral("kept"));
    }

    void clipboardCommandsIgnoreOtherWindows()
    {
        QApplication::clipboard()->setText(QStringLiteral("{\\rtf1 x}"));
        auto* other = new QTextEdit;
        other->setPlainText(QStringLiteral("other"));
        other->selectAll();
        other->resize(200, 100);
        QMdiSubWindow* sub = main->AddChild(other);
        sub->show();
        main->mdiArea->setActiveSubWindow(sub);
        for (QAction* a : {main->mnuEditCut, main->mnuEditCopy, main->mnuEditPaste, main->mnuFileSave, main->mnuFileSaveAs})
            a->trigger();
        QCOMPARE(other->toPlainText(), QStringLiteral("other"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("{\\rtf1 x}"));
        QVERIFY(s->files->saveCalls.empty());
        QVERIFY(messages().empty());
    }

    void printDocumentPrintsTheWholeTextOrTheSelection_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<int>("chosen");   // the range the student leaves chosen in the dialog
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("notPrinted");
        QTest::newRow("no selection") << false << int(QPrinter::AllPages) << false << "Beta" << "";
        QTest::newRow("no selection, the proposed pages kept") << false << int(QPrinter::PageRange) << false << "Beta" << "";
        QTest::newRow("selection chosen") << true << int(QPrinter::Selection) << true << "Beta" << "Alpha";
        QTest::newRow("selection, all chosen") << true << int(QPrinter::AllPages) << true << "Alpha" << "";
    }
    void printDocumentPrintsTheWholeTextOrTheSelection()
    {
        QFETCH(bool, select);
        QFETCH(int, chosen);
        QFETCH(bool, offered);
        QFETCH(QString, printed);
        QFETCH(QString, notPrinted);
        frmDocument* doc = newDocument();
        doc->rtfText->setPlainText(QStringLiteral("Alpha line\nBeta line"));
        if (select) {
            QTextCursor c(doc->rtfText->document());
            c.setPosition(11);
            c.setPosition(15, QTextCursor::KeepAnchor);
            doc->rtfText->setTextCursor(c);
        }
        s->printers->pdfPath = path("doc.pdf");
        s->printers->range = QPrinter::PrintRange(chosen);
        main->ToolbarButton(QStringLiteral("PrintDoc"))->trigger();
        QCOMPARE(s->printers->calls, 1);
        QCOMPARE(s->printers->offeredSelection, offered);
        QCOMPARE(s->printers->lastRequest.title, QStringLiteral("Print Document"));
        QVERIFY(s->printers->lastRequest.allowPageRange);
        // With a selection the dialog opens with "Selection" chosen, else with the range of
        // pages, all of them.
        QCOMPARE(s->printers->rangeShown, select ? QPrinter::Selection : QPrinter::PageRange);
        if (!select) {
            QCOMPARE(s->printers->fromShown, 1);
            QCOMPARE(s->printers->toShown, 1);
        }
        QVERIFY(messages().empty());
        QVERIFY(QFileInfo(path("doc.pdf")).size() > 0);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return;
        const QString text = pdfText(path("doc.pdf"));
        QVERIFY2(text.contains(printed), qPrintable(text));
        if (!notPrinted.isEmpty())
            QVERIFY2(!text.contains(notPrinted), qPrintable(text));
    }

    void printDocumentPrintsThePagesChosen()
    {
        frmDocument* doc = newDocument();
        QStringList lines;
        for (int i = 1; i <= 400; ++i)
            lines << QStringLiteral("Line %1").arg(i);
        doc->rtfText->setPlainText(lines.join(u'\n'));
        s->printers->pdfPath = path("all.pdf");
        main->mnuFilePrintDoc->trigger();
        const int pages = pdfPages(path("all.pdf"));
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));

        // The range proposed is every page; left as it is, every page prints.
        s->printers->range = QPrinter::PageRange;
        s->printers->pdfPath = path("proposed.pdf");
        main->mnuFilePrintDoc->trigger();
        QCOMPARE(s->printers->rangeShown, QPrinter::PageRange);
        QCOMPARE(s->printers->fromShown, 1);
        QCOMPARE(s->printers->toShown, pages);
        QCOMPARE(pdfPages(path("proposed.pdf")), pages);

        // The second page alone.
        s->printers->fromPage = s->printers->toPage = 2;
        s->printers->pdfPath = path("second.pdf");
        main->mnuFilePrintDoc->trigger();
        QCOMPARE(pdfPages(path("second.pdf")), 1);
    }

    void printingProposesAFileThatCanBeWritten()
    {
        // A document of a file: beside it, under its own name.
        const QString file = path("notes.rtf");
        QVERIFY(writeFile(file, "{\\rtf1 Notes}"));
        s->files->answers = {file};
        main->mnuFileOpen->trigger();
        QCOMPARE(main->ActiveChild()->windowTitle(), file);
        s->printers->accept = false;
        main->mnuFilePrintDoc->trigger();
        QCOMPARE(s->printers->lastRequest.outputFile, path("notes.pdf"));
        main->mnuFilePrintWin->trigger();
        QCOMPARE(s->printers->lastRequest.outputFile, path("notes.pdf"));
        QVERIFY(QFileInfo(QFileInfo(s->printers->lastRequest.outputFile).path()).isWritable());

        // A new document: the home folder and its caption.
        newDocument();
        main->mnuFilePrintDoc->trigger();
        QCOMPARE(s->printers->lastRequest.outputFile, QDir::home().filePath(QStringLiteral("Document 1.pdf")));
    }

    void printDocumentCancelsQuietlyAndReportsFailure()
    {
        // No child window: nothing at all.
        main->mnuFilePrintDoc_Click();
        QCOMPARE(s->printers->calls, 0);
        QVERIFY(messages().empty());

        frmDocument* doc = newDocument();
        doc->rtfText->setPlainText(QStringLiteral("text"));
        s->printers->accept = false;
        main->mnuFilePrintDoc->trigger();
        QCOMPARE(s->printers->calls, 1);
        QVERIFY(messages().empty());

        s->printers->accept = true;
        s->printers->pdfPath = path("missing/doc.pdf");
        main->mnuFilePrintDoc->trigger();
        QCOMPARE(messages().size(), size_t(1));
        QVERIFY(messages()[0].text.startsWith(QStringLiteral("The document could not be printed to %1.\r").arg(path("missing/doc.pdf"))));

        // Another kind of window (the menu item is greyed, the button is not): the message,
        // and no printer dialog.
        auto* other = new QWidget;
        other->resize(100, 100);
        QMdiSubWindow* sub = main->AddChild(other);
        sub->show();
        main->mdiArea->setActiveSubWindow(sub);
        QVERIFY(!main->mnuFilePrintDoc->isEnabled());
        main->ToolbarButton(QStringLiteral("PrintDoc"))->trigger();
        QCOMPARE(s->printers->calls, 2);
        QCOMPARE(messages().size(), size_t(2));
        QCOMPARE(messages()[1].text, QStringLiteral("No document can be printed in this window."));
        QCOMPARE(messages()[1].style, int(lx::vbOKOnly));
        QCOMPARE(messages()[1].title, AppTitle);
    }

    void offscreenPictureOfADocument()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        frmDocument* doc = newDocument();
        doc->rtfText->insertPlainText(QStringLiteral("Notes on the drained test of the dense sand. "));
        writeFormatted(doc->rtfText);
        QTextCursor c(doc->rtfText->document());
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral("  The friction angle rose with density; the long line wraps before the box's edge."));
        QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(doc->parentWidget());
        const QImage shot = sub->grab().toImage();
        shot.save(QCoreApplication::applicationDirPath() + QStringLiteral("/frmDocument-offscreen.png"));
        // The same text as a file, for opening in a word processor by hand.
        QVERIFY(doc->SaveFile(QCoreApplication::applicationDirPath() + QStringLiteral("/frmDocument-offscreen.rtf")));
        QVERIFY(!shot.isNull());
        // The text wraps into several lines inside the wrap width.
        QVERIFY(doc->rtfText->document()->documentLayout()->documentSize().height() > 3 * doc->rtfText->fontMetrics().height());
        QVERIFY(doc->rtfText->document()->documentLayout()->documentSize().width() <= lx::tw(doc->RightMarginTw()) + 1);
    }
};

QTEST_MAIN(tst_frmDocument)
#include "tst_frmDocument.moc"
