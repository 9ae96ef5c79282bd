#pragma once
// Rich text in the RTF format, read into and written from QTextDocument (Qt reads no RTF).
//
// Positions: a QTextDocument counts every paragraph end as one character, as the original
// rich-text box did, so a position in a document read from RTF is the position a reader of
// the original box would count (\par, \line, \tab, \uN and \'hh are one character each).
//
// The reader never fails: files and clipboard texts are hostile input, so unknown control
// words are ignored, unknown destinations ({\*\...}, \pict, \info, \stylesheet, headers,
// footers, ...) are skipped, groups nested deeper than MaxRtfDepth are skipped, numbers are
// clamped, \binN skips at most the rest of the input and truncated input ends cleanly. It
// works in one pass without recursion, in time linear in the input.
//
// Character formats carry only what the RTF states: text without \fs takes the size of the
// document's default font, text without \f (and without a \deff in the font table) its
// family. The writer always states font and size, so what it writes reads back the same.
#include <QByteArray>
#include <QString>
#include <QStringView>

class QTextCursor;
class QTextDocument;
class QTextDocumentFragment;

namespace lx {

// Groups nested deeper than this are skipped with everything in them.
inline constexpr int MaxRtfDepth = 1000;
// Bounds on what the reader gives Qt, whose work grows with the square of each: font
// families in a document (text in further fonts takes the default font) and format
// changes in one paragraph (the rest of the paragraph keeps the last format).
inline constexpr int MaxRtfFonts = 256;
inline constexpr int MaxRtfRunsPerParagraph = 2000;

// True when the data starts with "{\rtf": the test the original box made before reading a
// text as rich text. Callers show any other text as plain text.
bool isRtf(const QByteArray& data);
bool isRtf(QStringView text);

// Replaces the document's content with the RTF. A \par with nothing after it ends the last
// paragraph and opens no empty one (word processors end every document so). Bytes above 0x7F and \'hh are decoded in the
// code page of the document (\ansicpg, default 1252) or of the font's \fcharset; in a
// QString, characters above 0x7F are taken as they are (clipboard text is already Unicode).
void readRtf(QTextDocument& document, const QByteArray& rtf);
void readRtf(QTextDocument& document, QStringView rtf);

// Inserts the RTF at the cursor, replacing its selection, as one undo step, and leaves the
// cursor after the inserted text. Every \par is a paragraph break, a last one too.
// Paragraphs ended inside the RTF take its paragraph formats; the text after its last \par
// joins the paragraph at the cursor, which keeps its own format.
void insertRtf(QTextCursor& cursor, const QByteArray& rtf);
void insertRtf(QTextCursor& cursor, QStringView rtf);

// RTF for the whole document, for the characters [from, to) of it, for a cursor's selection
// or for a fragment. The output is ASCII: {\rtf1\ansi\ansicpg1252\deff0 with a font table
// (font 0 is the document's default family) and a colour table, characters of code page
// 1252 as \'hh, others as \uN?. A whole document ends every paragraph with \par, as word
// processors write it; a range, selection or fragment has a \par for each paragraph end it
// holds, so pasting it adds a paragraph break only where one was copied.
QByteArray writeRtf(const QTextDocument& document);
QByteArray writeRtf(const QTextDocument& document, int from, int to);
QByteArray writeRtf(const QTextCursor& selection);
QByteArray writeRtf(const QTextDocumentFragment& fragment);

// Code page 1252, the code page of RTF files and of plain texts that are not UTF-8.
QString fromCp1252(const QByteArray& bytes);
// The byte of a character in code page 1252, or -1 when it has none.
int toCp1252(char16_t c);

} // namespace lx
