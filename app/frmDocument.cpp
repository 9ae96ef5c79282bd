#include "frmDocument.h"

#include "FrameAssets.h"
#include "basGlobal.h"

#include "platform/Geometry.h"
#include "platform/SafeFile.h"
#include "platform/rtf/RichText.h"
#include "platform/TerminationSignals.h"
#include "platform/rtf/Rtf.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <algorithm>

using lx::toTwips;
using lx::tw;

namespace {

const QString RtfMime = QStringLiteral("text/rtf");
const QString RtfMimeAlt = QStringLiteral("application/rtf");

// The box's clipboard: the selection goes out as RTF and as plain text, so other programs
// get formatting or text, never the markup; what comes in is read the same way back.
class DocumentTextBox final : public QTextEdit {
public:
    explicit DocumentTextBox(QWidget* parent) : QTextEdit(parent) {}

protected:
    QMimeData* createMimeDataFromSelection() const override
    {
        const QTextCursor selection = textCursor();
        auto* data = new QMimeData;
        const QByteArray rtf = lx::writeRtf(selection);
        data->setData(RtfMime, rtf);
        data->setData(RtfMimeAlt, rtf);
        data->setText(selection.selection().toPlainText());
        return data;
    }

    bool canInsertFromMimeData(const QMimeData* source) const override
    {
        return source && (source->hasFormat(RtfMime) || source->hasFormat(RtfMimeAlt) || source->hasText());
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source || isReadOnly())
            return;
        for (const QString& type : {RtfMime, RtfMimeAlt}) {
            const QByteArray rtf = source->data(type);
            if (lx::isRtf(rtf)) {
                QTextCursor cursor = textCursor();
                lx::insertRtf(cursor, rtf);
                setTextCursor(cursor);
                ensureCursorVisible();
                return;
            }
        }
        // Plain text holding RTF markup is inserted formatted, other text as it is; an empty
        // clipboard leaves the selection alone.
        const QString text = source->hasText() ? source->text() : QString();
        if (text.isEmpty())
            return;
        lx::RichText(this).setSelRTF(text);
        ensureCursorVisible();
    }
};

} // namespace

frmDocument::frmDocument(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDocument"));
    // Its child-window frame deletes it when the student closes it (asked first when the
    // text changed).
    resize(tw(4680), tw(3195));

    rtfText = new DocumentTextBox(this);
    rtfText->setObjectName(QStringLiteral("rtfText"));
    rtfText->setAcceptRichText(true);
    rtfText->setAccessibleName(QStringLiteral("Document text"));

    Form_Load();
}

void frmDocument::Form_Load()
{
    lx::setLoamixIcon(this);
    Form_Resize();
}

void frmDocument::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmDocument::Form_Resize()
{
    // A window smaller than the margins keeps its last good layout.
    const double width = toTwips(this->width()) - 200;
    const double height = toTwips(this->height()) - 200;
    if (width < 0 || height < 0)
        return;
    rtfText->setGeometry(lx::twRect(100, 100, width, height));
    boxWidthTw = width;
    // The right margin is where lines wrap, measured from the text's left edge; as a fixed
    // wrap width it stays put when a scroll bar comes and goes, and it is a property of the
    // box, not of the text, so files and the clipboard never carry it. Zero wraps at the
    // box's own edge.
    const double margin = width - 400;
    if (margin < 0)
        return;
    if (margin == 0) {
        rtfText->setLineWrapMode(QTextEdit::WidgetWidth);
    } else {
        rtfText->setLineWrapMode(QTextEdit::FixedPixelWidth);
        rtfText->setLineWrapColumnOrWidth(tw(margin));
    }
    rightMarginTw = margin;
}

bool frmDocument::LoadFile(const QString& path, QString* error)
{
    // Devices and folders are no documents (and a device may never end).
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("It is not a file.");
        return false;
    }
    // Qt lays out a run with no place to break (a file of zeros, an encoded blob) at word
    // boundaries in time growing with the square of its length: minutes for a megabyte.
    // The text is read wrapping anywhere, which is linear, and keeps that when it holds
    // such a run; every other text wraps at words.
    const QTextOption::WrapMode before = rtfText->wordWrapMode();
    rtfText->setWordWrapMode(QTextOption::WrapAnywhere);
    if (!lx::RichText(rtfText).loadFile(path, error, MaxFileBytes)) {
        rtfText->setWordWrapMode(before);
        return false;
    }
    if (LongestUnbrokenRun(rtfText->document()->toPlainText()) <= MaxUnbrokenRun)
        rtfText->setWordWrapMode(QTextOption::WordWrap);
    // Undo starts from the text as it was read, not from an empty box.
    rtfText->document()->clearUndoRedoStacks();
    rtfText->document()->setModified(false);
    return true;
}

qsizetype frmDocument::LongestUnbrokenRun(const QString& text)
{
    qsizetype longest = 0, run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

QByteArray frmDocument::TextRTF() const { return lx::writeRtf(*rtfText->document()); }

bool frmDocument::SaveFile(const QString& path, QString* error) const
{
    return lx::writeFileSafely(path, TextRTF(), error);
}

bool frmDocument::Changed() const { return rtfText->document()->isModified(); }

lx::FileDialogRequest frmDocument::FileDialog(const QString& title)
{
    // Every option is set for every dialog: nothing is left over from an earlier one.
    lx::FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("All Files (*.*)|*.*");
    return request;
}

bool frmDocument::ConfirmRichText(const QString& path, const QString& title)
{
    // Only a file that holds something other than rich text is asked about; a device or a
    // folder is refused by the write itself, unread.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || lx::isRtf(file.read(64)))
        return true;
    return lx::messages().msgBox(QStringLiteral("%1 is not a rich-text file.\rSaving replaces its text with rich text (RTF), "
                                                "which other programs show as markup.\r\rDo you want to replace it?")
                                     .arg(path),
                                 lx::vbYesNo | lx::vbExclamation, title)
           == lx::vbYes;
}

bool frmDocument::SaveTo(const QString& path, const QString& title)
{
    if (!ConfirmRichText(path, title))
        return false;
    QString why;
    if (!SaveFile(path, &why)) {
        lx::messages().msgBox(QStringLiteral("The document could not be saved to %1.\r%2").arg(path, why),
                              lx::vbOKOnly | lx::vbExclamation, title);
        return false;
    }
    rtfText->document()->setModified(false);
    return true;
}

bool frmDocument::Save()
{
    const QString title = QStringLiteral("Save");
    const QString caption = windowTitle();
    if (caption.left(8) != u"Document")
        return SaveTo(caption, title);
    // Never saved under a name: ask each time, and keep the caption.
    const QString path = lx::fileDialogs().saveFile(FileDialog(title));
    return !path.isEmpty() && SaveTo(path, title);
}

bool frmDocument::SaveAs()
{
    const QString title = QStringLiteral("Save As");
    const QString path = lx::fileDialogs().saveFile(FileDialog(title));
    // The caption names the file only once the file holds the text.
    if (path.isEmpty() || !SaveTo(path, title))
        return false;
    setWindowTitle(path);
    return true;
}

bool frmDocument::MayDiscard()
{
    if (!Changed())
        return true;
    const int answer = lx::messages().msgBox(
        QStringLiteral("The text in %1 has changed.\r\rDo you want to save the changes?").arg(windowTitle()),
        lx::vbYesNoCancel | lx::vbExclamation, basGlobal::AppTitle);
    return answer == lx::vbNo || (answer == lx::vbYes && Save());
}

void frmDocument::closeEvent(QCloseEvent* event)
{
    // A program ending on a termination request opens no box.
    if (lx::terminationRequested() || MayDiscard())
        event->accept();
    else
        event->ignore();
}
