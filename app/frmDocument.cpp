#include "frmDocument.h"

#include "FrameAssets.h"

#include "platform/Geometry.h"
#include "platform/SafeFile.h"
#include "platform/rtf/RichText.h"
#include "platform/rtf/Rtf.h"

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
    // Its child-window frame deletes it when the student closes it; nothing asks to save.
    resize(tw(4680), tw(3195));

    rtfText = new DocumentTextBox(this);
    rtfText->setObjectName(QStringLiteral("rtfText"));
    rtfText->setAcceptRichText(true);

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
