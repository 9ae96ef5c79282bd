#pragma once
// A document window: one rich-text box holding the student's notes. The commands that act
// on it (New, Open, Save, Save As, Print Document, Cut, Copy, Paste) live on the main
// window; the caption is "Document N" for a new document or the path of its file.
#include "DocumentChild.h"

#include "platform/Services.h"

#include <QByteArray>
#include <QString>
#include <QTextEdit>
#include <QWidget>

class frmDocument : public QWidget, public DocumentChild {
    Q_OBJECT
public:
    explicit frmDocument(QWidget* parent = nullptr);

    // Clipboard and drags carry the selection as RTF ("text/rtf" and "application/rtf")
    // and as its plain text; pasting takes RTF when offered, else plain text, which is
    // read as RTF when it is RTF markup. Anything else pastes nothing.
    QTextEdit* rtfText;

    // The largest file a document window opens: a window is for course notes, and a far
    // larger file would keep the program busy for minutes (the document benchmark shows
    // the time for a file just below it).
    static constexpr qint64 MaxFileBytes = 2 * 1024 * 1024;
    // A file holding a longer run of characters without a space wraps anywhere (see LoadFile).
    static constexpr qsizetype MaxUnbrokenRun = 10000;
    static qsizetype LongestUnbrokenRun(const QString& text);

    // Reads a file into the box: RTF when it starts with "{\rtf", otherwise plain text.
    // A file that is missing, unreadable, not a regular file or larger than MaxFileBytes
    // changes nothing and gives false with the reason.
    bool LoadFile(const QString& path, QString* error = nullptr);
    // Writes the whole text as RTF; the old file survives any failure (false, with the reason).
    bool SaveFile(const QString& path, QString* error = nullptr) const;

    // File > Save: a document with a file (its caption) is written there; one that has none
    // asks for a path each time and keeps its caption. File > Save As asks for a path and
    // takes it as its caption once the file holds the text. Replacing a file that is not
    // rich text (a plain-text file the document was opened from, say) with rich text is
    // asked first. A failure says so, naming the path. True when the text was written.
    bool Save();
    bool SaveAs();
    // The file dialog of the document commands (Open, Save, Save As), titled.
    static lx::FileDialogRequest FileDialog(const QString& title);
    // True when the text changed since it was opened or last saved.
    bool Changed() const;
    // Asks about a changed text before it may be lost: Yes saves as File > Save does, No
    // lets it go, Cancel (or a save that did not happen) keeps it. True when it may go.
    bool MayDiscard();
    // The whole text as RTF, as SaveFile writes it.
    QByteArray TextRTF() const;

    // The box's place in twips and its wrap width (the original box's right margin, the
    // distance from the text's left edge at which lines wrap), as the last good layout set them.
    double BoxWidthTw() const { return boxWidthTw; }
    double RightMarginTw() const { return rightMarginTw; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A changed text is not lost unasked (MayDiscard); Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    bool SaveTo(const QString& path, const QString& title);
    bool ConfirmRichText(const QString& path, const QString& title);

    void Form_Load();
    void Form_Resize();

    double boxWidthTw = 0;
    double rightMarginTw = 0;
};
