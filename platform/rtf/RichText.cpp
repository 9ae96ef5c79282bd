#include "platform/rtf/RichText.h"
#include "platform/rtf/Rtf.h"

#include <QFile>
#include <QSaveFile>
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
    QTextDocument* doc = document();
    if (!doc || what.isEmpty())
        return -1;
    const int n = length();
    if (end < 0 || end > n)
        end = n;
    start = std::max(start, 0);
    if (start > end)
        return -1;
    QTextDocument::FindFlags flags;
    if (options & rtfWholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (options & rtfMatchCase)
        flags |= QTextDocument::FindCaseSensitively;
    const QTextCursor found = doc->find(what, start, flags);
    if (found.isNull() || found.selectionEnd() > end)
        return -1;
    if (!(options & rtfNoHighlight)) {
        QTextCursor c = cursor();
        c.setPosition(found.selectionStart());
        c.setPosition(found.selectionEnd(), QTextCursor::KeepAnchor);
        setCursor(c);
    }
    return found.selectionStart();
}

bool RichText::loadFile(const QString& path, QString* error)
{
    if (!document())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray data = file.readAll();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeRtf(*doc)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace lx
