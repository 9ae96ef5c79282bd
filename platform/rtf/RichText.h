#pragma once
// The operations of the original rich-text box on a QTextDocument or a QTextEdit: text and
// selection as plain text and as RTF, 0-based positions, search, and files.
//
// Positions count characters as a reader of the box sees them: every paragraph end is one
// character (as the original box counted it), and so are a line break (\line), a tab and
// every other character. text() and selText() write a paragraph end or line break as one
// '\n', so an index into text() is the position of the same character.
//
// The object does not own the document or the editor; when they are destroyed it does
// nothing (and reads as empty). A RichText on a QTextEdit works on the editor's own cursor,
// so the selection is the one the student sees; on a bare document it keeps its own.
#include <QPointer>
#include <QString>
#include <QTextCursor>

class QTextDocument;
class QTextEdit;

namespace lx {

// Options of RichText::find, with the values of the original box.
enum RichTextFindOptions : int { rtfWholeWord = 2, rtfMatchCase = 4, rtfNoHighlight = 8 };

class RichText {
public:
    explicit RichText(QTextDocument* document);
    explicit RichText(QTextEdit* edit);

    QTextDocument* document() const;

    // Characters in the text (paragraph ends counted once, the document's final one not).
    int length() const;

    // Plain text (Text): paragraph ends read as '\n'; setting it replaces everything with
    // unformatted text, "\r\n", "\r" and "\n" each ending a paragraph.
    QString text() const;
    void setText(const QString& text);

    // The whole text as RTF (TextRTF). Setting a text that is not RTF sets it as plain text.
    QString textRTF() const;
    void setTextRTF(const QString& rtf);
    void setTextRTF(const QByteArray& rtf);

    // Selection (SelStart, SelLength). Positions are clamped to the text; setting the start
    // collapses the selection there, as in the original box.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    void select(int start, int length);

    // The selection as plain text (SelText), or replaced by plain text in the format at the
    // selection; the cursor ends after the new text.
    QString selText() const;
    void setSelText(const QString& text);

    // The selection as RTF (SelRTF), or replaced by RTF; a text that is not RTF is inserted as
    // plain text, unchanged (pasting markup inserts formatted text, anything else as it is).
    QString selRTF() const;
    void setSelRTF(const QString& rtf);

    // Position of the first match of what that starts at or after start and ends at or
    // before end (-1: the end of the text), or -1; what may hold '\n' for a paragraph end.
    // rtfWholeWord: where what begins with a letter, digit or '_', none may stand before
    // the match, and where it ends with one, none after it ("A:" is not found inside
    // "DATA:", "Help File:" is found in "Help File:Quiz1.htm"); rtfMatchCase: case counts;
    // without rtfNoHighlight the match becomes the selection.
    int find(const QString& what, int start = 0, int end = -1, int options = 0);

    // Loads a file: RTF when it starts with "{\rtf", otherwise plain text (UTF-8 when it is
    // valid UTF-8, else code page 1252). A file that cannot be read, or that holds more
    // than maxBytes (when given), changes nothing and gives false with the reason in error;
    // a file over the limit is refused before it is read.
    bool loadFile(const QString& path, QString* error = nullptr, qint64 maxBytes = -1);
    // Saves the whole text as RTF; the old file is replaced only once the new one is written.
    bool saveFile(const QString& path, QString* error = nullptr) const;

private:
    QTextCursor cursor() const;
    void setCursor(const QTextCursor& cursor);

    QPointer<QTextDocument> document_;
    QPointer<QTextEdit> edit_;
    QTextCursor own_;
};

} // namespace lx
