#include "QuizBank.h"

#include "platform/rtf/RichText.h"
#include "platform/rtf/Rtf.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace quizbank {
namespace {

const char* const Markers[] = {"A:", "B:", "C:", "D:", "Help File:"};
constexpr int HelpMarkerLength = 10; // "Help File:"
constexpr int Separator = 3;         // characters the parser skips after ".htm"
const QString Htm = QStringLiteral(".htm");

QString at(const QString& name, int line, const QString& what)
{
    return QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(what);
}

bool isQuiz(int id) { return std::find(QuizNumbers.begin(), QuizNumbers.end(), id) != QuizNumbers.end(); }

// Searches the text as the quiz window searches the question file.
int findMarker(const QString& text, const QString& marker)
{
    QTextDocument doc;
    doc.setPlainText(text);
    return lx::RichText(&doc).find(marker, 0, -1, lx::rtfWholeWord | lx::rtfNoHighlight);
}

// A text of the question or an option: no marker and no ".htm" in it.
void checkText(const QString& text, const QString& what, const QString& name, int line, QStringList& errors)
{
    if (text.isEmpty()) {
        errors << at(name, line, what + QStringLiteral(" is empty"));
        return;
    }
    if (text.contains(Htm, Qt::CaseInsensitive))
        errors << at(name, line, what + QStringLiteral(" holds \".htm\", which ends a topic"));
    for (const char* m : Markers) {
        const QString marker = QString::fromLatin1(m);
        if (findMarker(text, marker) >= 0)
            errors << at(name, line, what + QStringLiteral(" holds the marker \"%1\" (in some letter case)").arg(marker));
    }
}

// The text a question is known by when two are compared: case and spacing do not count.
QString comparable(const QString& text) { return text.simplified().toCaseFolded(); }

} // namespace

Bank readSource(const QString& text, const QString& name, QStringList* errors)
{
    Bank bank;
    const QRegularExpression fileName(QStringLiteral("^Quiz(\\d{3})\\.txt$"));
    const auto m = fileName.match(QFileInfo(name).fileName());
    if (m.hasMatch())
        bank.quizId = m.captured(1).toInt();
    else
        *errors << at(name, 0, QStringLiteral("the file is not named QuizNNN.txt"));

    const QStringList lines = text.split(QLatin1Char('\n'));
    Question* q = nullptr;
    QSet<QString> seen; // fields of the question being read
    auto finish = [&] {
        if (!q)
            return;
        for (const char* f : {"A", "B", "C", "D", "Key", "Topic"})
            if (!seen.contains(QString::fromLatin1(f)))
                *errors << at(name, q->line, QStringLiteral("the question has no \"%1:\" line").arg(QString::fromLatin1(f)));
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const QString l = lines[i].trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = l.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            *errors << at(name, line, QStringLiteral("a line must be \"Field: value\""));
            continue;
        }
        const QString field = l.left(colon);
        const QString value = l.mid(colon + 1).trimmed();
        auto number = [&](int* out) {
            bool ok = false;
            *out = value.toInt(&ok);
            if (!ok)
                *errors << at(name, line, QStringLiteral("\"%1\" needs a whole number").arg(field));
        };
        if (field == QLatin1String("Q")) {
            finish();
            bank.questions.push_back({});
            q = &bank.questions.back();
            q->text = value;
            q->line = line;
            seen.clear();
            continue;
        }
        if (!q) {
            if (field == QLatin1String("Asked"))
                number(&bank.asked);
            else if (field == QLatin1String("Attempts"))
                number(&bank.attempts);
            else if (field == QLatin1String("Marks"))
                number(&bank.marks);
            else
                *errors << at(name, line, QStringLiteral("unknown header field \"%1\"").arg(field));
            continue;
        }
        if (seen.contains(field)) {
            *errors << at(name, line, QStringLiteral("a second \"%1:\" line in one question").arg(field));
            continue;
        }
        seen.insert(field);
        if (field.size() == 1 && field[0] >= QLatin1Char('A') && field[0] <= QLatin1Char('D'))
            q->options[size_t(field[0].unicode() - 'A')] = value;
        else if (field == QLatin1String("Key")) {
            if (value.size() == 1 && value[0] >= QLatin1Char('A') && value[0] <= QLatin1Char('D'))
                q->key = value[0].unicode() - 'A' + 1;
            else
                *errors << at(name, line, QStringLiteral("the key must be one of A, B, C, D"));
        } else if (field == QLatin1String("Topic"))
            q->topic = value;
        else
            *errors << at(name, line, QStringLiteral("unknown field \"%1\"").arg(field));
    }
    finish();
    return bank;
}

Bank readSourceFile(const QString& path, QStringList* errors)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *errors << QStringLiteral("%1: %2").arg(path, f.errorString());
        return {};
    }
    return readSource(QString::fromUtf8(f.readAll()), path, errors);
}

QStringList checkBank(const Bank& bank, const QString& name)
{
    QStringList errors;
    const int size = int(bank.questions.size());
    if (!isQuiz(bank.quizId))
        errors << at(name, 0, QStringLiteral("%1 is not the number of a quiz").arg(bank.quizId));
    if (bank.asked < 1 || bank.asked > MaxQuestionsAsked)
        errors << at(name, 0, QStringLiteral("Asked must be 1 to %1 (the quiz window has %1 slots)").arg(MaxQuestionsAsked));
    if (bank.asked > size)
        errors << at(name, 0, QStringLiteral("Asked (%1) exceeds the %2 questions of the bank").arg(bank.asked).arg(size));
    // A block never starts at the bank's last question, so a bank needs two.
    if (size < 2)
        errors << at(name, 0, QStringLiteral("a bank needs at least two questions"));
    if (bank.attempts < 1)
        errors << at(name, 0, QStringLiteral("Attempts must be at least 1"));
    if (bank.marks < 1)
        errors << at(name, 0, QStringLiteral("Marks must be at least 1"));

    QHash<QString, int> texts;
    for (const Question& q : bank.questions) {
        checkText(q.text, QStringLiteral("the question"), name, q.line, errors);
        for (int k = 0; k < 4; ++k)
            checkText(q.options[size_t(k)], QStringLiteral("option %1").arg(QChar(u'A' + k)), name, q.line, errors);
        if (q.key < 1 || q.key > 4)
            errors << at(name, q.line, QStringLiteral("the key must be one of A, B, C, D"));
        // The topic is read up to the first ".htm", so it holds that once, at its end.
        if (q.topic.size() <= Htm.size() || q.topic.indexOf(Htm, 0, Qt::CaseInsensitive) != q.topic.size() - Htm.size())
            errors << at(name, q.line, QStringLiteral("the topic must be a page name ending in \".htm\", once"));
        const QString key = comparable(q.text);
        if (texts.contains(key))
            errors << at(name, q.line, QStringLiteral("the same question as line %1").arg(texts.value(key)));
        else
            texts.insert(key, q.line);
        QSet<QString> options;
        for (const QString& o : q.options)
            options.insert(comparable(o));
        if (options.size() != 4)
            errors << at(name, q.line, QStringLiteral("two options are the same"));
    }
    return errors;
}

QByteArray bankRtf(const Bank& bank)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Arial")});
    plain.setFontPointSize(10);
    QTextCharFormat strong = plain;
    strong.setFontWeight(QFont::Bold);
    bool first = true;
    auto paragraph = [&](const QString& text, const QTextCharFormat& format) {
        if (!first)
            cursor.insertBlock(QTextBlockFormat(), format);
        first = false;
        cursor.setCharFormat(format);
        cursor.insertText(text, format);
    };
    for (const Question& q : bank.questions) {
        paragraph(q.text, strong);
        for (int k = 0; k < 4; ++k)
            paragraph(QString::fromLatin1(Markers[k]) + u' ' + q.options[size_t(k)], plain);
        paragraph(QString::fromLatin1(Markers[4]) + q.topic, plain);
        // The topic line's paragraph end and two empty paragraphs: the three characters the
        // parser skips.
        paragraph(QString(), plain);
        paragraph(QString(), plain);
    }
    return lx::writeRtf(doc);
}

bool cutBank(lx::RichText& buffer, int bankSize, std::vector<CutQuestion>* questions, QString* error, int* end)
{
    questions->clear();
    // Copies [from, to) of the buffer into a box of its own, as rich text, and reads it back.
    auto copy = [&](int from, int to) {
        buffer.select(from, to - from);
        QTextDocument box;
        lx::RichText text(&box);
        text.setTextRTF(buffer.selRTF());
        return text.text();
    };
    int pos = 0;
    for (int q = 1; q <= bankSize; ++q) {
        CutQuestion cut;
        // A question outside the quiz's block is skipped by its first ".htm".
        const int skip = buffer.find(Htm, pos, -1, lx::rtfNoHighlight);
        QString* target = &cut.text;
        int p = pos;
        for (int m = 0; m < 5; ++m) {
            p = buffer.find(QString::fromLatin1(Markers[m]), pos, -1, lx::rtfWholeWord | lx::rtfNoHighlight);
            if (p < pos) {
                *error = QStringLiteral("question %1: no marker \"%2\"").arg(q).arg(QString::fromLatin1(Markers[m]));
                return false;
            }
            *target = copy(pos, p);
            pos = p;
            if (m < 4)
                target = &cut.options[size_t(m)];
        }
        pos = p + HelpMarkerLength;
        p = buffer.find(Htm, pos, -1, lx::rtfNoHighlight);
        if (p < 0) {
            *error = QStringLiteral("question %1: no \".htm\" after \"Help File:\"").arg(q);
            return false;
        }
        if (skip != p) {
            *error = QStringLiteral("question %1: a \".htm\" before its topic").arg(q);
            return false;
        }
        buffer.select(pos, p - pos);
        cut.topic = buffer.selText() + Htm;
        pos = p + 4 + Separator;
        questions->push_back(cut);
    }
    if (end)
        *end = pos;
    return true;
}

QStringList checkRtf(const Bank& bank, const QByteArray& rtf, const QString& name)
{
    QStringList errors;
    QTextDocument doc;
    lx::RichText buffer(&doc);
    buffer.setTextRTF(rtf);
    std::vector<CutQuestion> cut;
    QString error;
    int end = 0;
    if (!cutBank(buffer, int(bank.questions.size()), &cut, &error, &end))
        return {at(name, 0, error)};
    for (size_t i = 0; i < cut.size(); ++i) {
        const Question& q = bank.questions[i];
        const CutQuestion& c = cut[i];
        if (c.text != q.text)
            errors << at(name, q.line, QStringLiteral("the file gives the question as \"%1\"").arg(c.text));
        for (int k = 0; k < 4; ++k) {
            const QString expected = QString::fromLatin1(Markers[k]) + u' ' + q.options[size_t(k)];
            if (c.options[size_t(k)] != expected)
                errors << at(name, q.line, QStringLiteral("the file gives option %1 as \"%2\"").arg(QChar(u'A' + k)).arg(c.options[size_t(k)]));
        }
        if (c.topic != q.topic)
            errors << at(name, q.line, QStringLiteral("the file gives the topic as \"%1\"").arg(c.topic));
    }
    // Past the last question's separator the text has ended.
    if (end < buffer.length())
        errors << at(name, 0, QStringLiteral("text after the last question"));
    return errors;
}

} // namespace quizbank
