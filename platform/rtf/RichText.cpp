#include "platform/rtf/RichText.h"
#include "platform/rtf/Rtf.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace lx {

namespace {

// Paragraph ends, line breaks and frame marks read as one '\n' each, so indexes stay positions.
QString plain(QString s)
{
    for (QChar& c : s) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1)
            c = u'\n';
    }
    return s;
}

QString decodePlainText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromCp1252(bytes);
}

} // namespace

RichText::RichText(QTextDocument* document)
    : document_(document), own_(document ? QTextCursor(document) : QTextCursor())
{
}

RichText::RichText(QTextEdit* edit) : document_(edit ? edit->document() : nullptr), edit_(edit) {}

QTextDocument* RichText::document() const
{
    // A QTextEdit may be given a new document; follow it.
    return edit_ ? edit_->document() : document_.data();
}

QTextCursor RichText::cursor() const
{
    if (edit_)
        return edit_->textCursor();
    if (!document_)
        return QTextCursor();
    return own_;
}

void RichText::setCursor(const QTextCursor& cursor)
{
    if (edit_)
        edit_->setTextCursor(cursor);
    else
        own_ = cursor;
}

int RichText::length() const
{
    const QTextDocument* doc = document();
    return doc ? doc->characterCount() - 1 : 0;
}

QString RichText::text() const
{
    const QTextDocument* doc = document();
    return doc ? plain(doc->toRawText()) : QString();
}

void RichText::setText(const QString& text)
{
    QTextDocument* doc = document();
    if (!doc)
        return;
    doc->setPlainText(text);
    setCursor(QTextCursor(doc));
}

QString RichText::textRTF() const
{
    const QTextDocument* doc = document();
    return doc ? QString::fromLatin1(writeRtf(*doc)) : QString();
}

void RichText::setTextRTF(const QString& rtf)
{
    QTextDocument* doc = document();
    if (!doc)
        return;
    if (!isRtf(rtf)) {
        setText(rtf);
        return;
    }
    readRtf(*doc, rtf);
    setCursor(QTextCursor(doc));
}

void RichText::setTextRTF(const QByteArray& rtf)
{
    QTextDocument* doc = document();
    if (!doc)
        return;
    if (!isRtf(rtf)) {
        setText(decodePlainText(rtf));
        return;
    }
    readRtf(*doc, rtf);
    setCursor(QTextCursor(doc));
}

int RichText::selStart() const { return cursor().selectionStart(); }

int RichText::selLength() const
{
    const QTextCursor c = cursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichText::setSelStart(int start) { select(start, 0); }

void RichText::setSelLength(int length) { select(selStart(), length); }

void RichText::select(int start, int length)
{
    QTextCursor c = cursor();
    if (c.isNull())
        return;
    const int n = this->length();
    start = std::clamp(start, 0, n);
    const int end = std::clamp(length, 0, n - start) + start;
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setCursor(c);
}

QString RichText::selText() const { return plain(cursor().selectedText()); }

void RichText::setSelText(const QString& text)
{
    QTextCursor c = cursor();
    if (c.isNull())
        return;
    c.insertText(text);
    setCursor(c);
}

QString RichText::selRTF() const
{
    const QTextCursor c = cursor();
    if (c.isNull())
        return QString();
    return QString::fromLatin1(writeRtf(c));
}

void RichText::setSelRTF(const QString& rtf)
{
    QTextCursor c = cursor();
    if (c.isNull())
        return;
    if (isRtf(rtf))
        insertRtf(c, rtf);
    else
        c.insertText(rtf);
    setCursor(c);
}

int RichText::find(const QString& what, int start, int end, int options)
{
    if (!document() || what.isEmpty())
        return -1;
    const QString hay = text();
    const qsizetype n = what.size();
    if (end < 0 || end > hay.size())
        end = int(hay.size());
    start = std::max(start, 0);
    const Qt::CaseSensitivity cs = options & rtfMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // A whole word is bounded where the searched text itself begins or ends with a word
    // character, so "Help File:" is found before the name that follows it, but "A:" not
    // inside "DATA:".
    const auto isWord = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    const bool boundedBefore = (options & rtfWholeWord) && isWord(what.front());
    const bool boundedAfter = (options & rtfWholeWord) && isWord(what.back());
    for (qsizetype i = hay.indexOf(what, start, cs); i >= 0 && i + n <= end; i = hay.indexOf(what, i + 1, cs)) {
        if (boundedBefore && i > 0 && isWord(hay[i - 1]))
            continue;
        if (boundedAfter && i + n < hay.size() && isWord(hay[i + n]))
            continue;
        if (!(options & rtfNoHighlight))
            select(int(i), int(n));
        return int(i);
    }
    return -1;
}

bool RichText::loadFile(const QString& path, QString* error, qint64 maxBytes)
{
    if (!document())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    auto tooLarge = [&] {
        if (error)
            *error = QStringLiteral("The file is larger than %1, the most a document window opens.")
                         .arg(maxBytes >= 1 << 20 ? QString::number(double(maxBytes) / (1 << 20), 'g', 3) + QStringLiteral(" MB")
                                                  : QString::number(maxBytes) + QStringLiteral(" bytes"));
        return false;
    };
    if (maxBytes >= 0 && file.size() > maxBytes)
        return tooLarge();
    // Read one byte past the limit, so that a file that grew since its size was taken is
    // refused too, without reading all of it.
    const QByteArray data = maxBytes >= 0 ? file.read(maxBytes + 1) : file.readAll();
    if (maxBytes >= 0 && data.size() > maxBytes)
        return tooLarge();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    setTextRTF(data);
    return true;
}

bool RichText::saveFile(const QString& path, QString* error) const
{
    const QTextDocument* doc = document();
    if (!doc)
        return false;
    return writeFileSafely(path, writeRtf(*doc), error);
}

} // namespace lx
