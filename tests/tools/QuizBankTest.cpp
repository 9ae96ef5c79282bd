// The rules a question bank's source must keep so that the quiz window's parser cuts it as
// written: a source that breaks one is refused with its place, and a source that keeps them
// all is written into a question file that reads back question for question.
#include "QuizBank.h"
#include "platform/rtf/RichText.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace {

const QString Header = QStringLiteral("Asked: 2\nAttempts: 3\nMarks: 1\n\n");

QString question(const QString& text, const QString& a = QStringLiteral("one"), const QString& d = QStringLiteral("four"),
                 const QString& key = QStringLiteral("B"), const QString& topic = QStringLiteral("Page.htm"))
{
    return QStringLiteral("Q: %1\nA: %2\nB: two\nC: three\nD: %3\nKey: %4\nTopic: %5\n\n").arg(text, a, d, key, topic);
}

// Reads and checks a source named Quiz100.txt; all problems found.
QStringList problems(const QString& source)
{
    QStringList errors;
    const quizbank::Bank bank = quizbank::readSource(source, QStringLiteral("Quiz100.txt"), &errors);
    return errors + quizbank::checkBank(bank, QStringLiteral("Quiz100.txt"));
}

const QString Second = question(QStringLiteral("A second question?"));

TEST(QuizBankSource, ASourceThatKeepsTheRulesPassesAndReadsBackFromItsFile)
{
    // Markers inside words and ".htm" spelt apart are no markers.
    const QString source = Header + question(QStringLiteral("Which DATA: column holds σ′ in kPa? (not htm)"))
                           + question(QStringLiteral("Is B12: a cell name?"), QStringLiteral("yes, B12"));
    ASSERT_TRUE(problems(source).isEmpty()) << problems(source).join(u'\n').toStdString();
    QStringList errors;
    const quizbank::Bank bank = quizbank::readSource(source, QStringLiteral("Quiz100.txt"), &errors);
    ASSERT_EQ(bank.questions.size(), 2u);
    EXPECT_EQ(bank.questions[0].key, 2);
    EXPECT_EQ(bank.asked, 2);
    EXPECT_TRUE(quizbank::checkRtf(bank, quizbank::bankRtf(bank), QStringLiteral("Quiz100.txt")).isEmpty());
}

TEST(QuizBankSource, ASourceThatBreaksARuleIsRefusedWithItsPlace)
{
    struct Case {
        const char* name;
        QString source;
        const char* expected; // part of the message
    };
    const Case cases[] = {
        {"marker in the question", Header + question(QStringLiteral("Pick a: the best")) + Second, "Quiz100.txt:5: the question holds the marker \"A:\""},
        {"marker in an option, lower case", Header + question(QStringLiteral("Q1?"), QStringLiteral("see b: below")) + Second, "option A holds the marker \"B:\""},
        {"marker at the start of an option", Header + question(QStringLiteral("Q1?"), QStringLiteral("D: four")) + Second, "option A holds the marker \"D:\""},
        {"help marker in option D", Header + question(QStringLiteral("Q1?"), QStringLiteral("one"), QStringLiteral("HELP FILE: none")) + Second, "option D holds the marker \"Help File:\""},
        {".htm in the question", Header + question(QStringLiteral("Read Page.HTM first?")) + Second, "the question holds \".htm\""},
        {"topic without .htm", Header + question(QStringLiteral("Q1?"), QStringLiteral("one"), QStringLiteral("four"), QStringLiteral("B"), QStringLiteral("Page.html")) + Second, "the topic must be"},
        {"topic with .htm twice", Header + question(QStringLiteral("Q1?"), QStringLiteral("one"), QStringLiteral("four"), QStringLiteral("B"), QStringLiteral("a.htm.htm")) + Second, "the topic must be"},
        {"key outside A to D", Header + question(QStringLiteral("Q1?"), QStringLiteral("one"), QStringLiteral("four"), QStringLiteral("E")) + Second, "the key must be one of A, B, C, D"},
        {"missing option line", Header + QStringLiteral("Q: Q1?\nA: 1\nB: 2\nC: 3\nKey: A\nTopic: P.htm\n\n") + Second, "Quiz100.txt:5: the question has no \"D:\" line"},
        {"same question twice", Header + question(QStringLiteral("Same  question?")) + question(QStringLiteral("same question?")), "Quiz100.txt:13: the same question as line 5"},
        {"two equal options", Header + question(QStringLiteral("Q1?"), QStringLiteral("Two")) + Second, "two options are the same"},
        {"more asked than the window has slots", QStringLiteral("Asked: 11\nAttempts: 3\nMarks: 1\n") + question(QStringLiteral("Q1?")) + Second, "Asked must be 1 to 10"},
        {"more asked than the bank holds", QStringLiteral("Asked: 3\nAttempts: 3\nMarks: 1\n") + question(QStringLiteral("Q1?")) + Second, "Asked (3) exceeds the 2 questions"},
        {"a bank of one question", QStringLiteral("Asked: 1\nAttempts: 3\nMarks: 1\n") + question(QStringLiteral("Q1?")), "at least two questions"},
        {"no attempts", QStringLiteral("Asked: 2\nAttempts: 0\nMarks: 1\n") + question(QStringLiteral("Q1?")) + Second, "Attempts must be at least 1"},
        {"unknown field", Header + question(QStringLiteral("Q1?")).replace(QStringLiteral("Key:"), QStringLiteral("Answer: B\nKey:")) + Second, "unknown field \"Answer\""},
    };
    for (const Case& c : cases) {
        const QStringList errors = problems(c.source);
        EXPECT_TRUE(errors.join(u'\n').contains(QString::fromUtf8(c.expected)))
            << c.name << ":\n" << errors.join(u'\n').toStdString();
    }
}

TEST(QuizBankSource, AFileIsNamedForItsQuiz)
{
    QStringList errors;
    quizbank::Bank bank = quizbank::readSource(Header + question(QStringLiteral("Q1?")) + Second, QStringLiteral("Quiz211.txt"), &errors);
    EXPECT_TRUE(quizbank::checkBank(bank, QStringLiteral("Quiz211.txt")).join(u'\n').contains(u"211 is not the number of a quiz"));
    errors.clear();
    quizbank::readSource(Header, QStringLiteral("Bank.txt"), &errors);
    EXPECT_TRUE(errors.join(u'\n').contains(u"not named QuizNNN.txt"));
}

// The file check sees what the parser would: a question file whose separator is not three
// characters, or that loses a character, is refused.
TEST(QuizBankFile, AWrongSeparatorOrALostCharacterIsFound)
{
    QStringList errors;
    const quizbank::Bank bank = quizbank::readSource(Header + question(QStringLiteral("First?")) + Second,
                                                     QStringLiteral("Quiz100.txt"), &errors);
    ASSERT_TRUE(errors.isEmpty());
    const QByteArray good = quizbank::bankRtf(bank);
    ASSERT_TRUE(quizbank::checkRtf(bank, good, QStringLiteral("Quiz100.txt")).isEmpty());

    QByteArray twoCharacters = good;
    twoCharacters.replace(QByteArray("Page.htm\\par\r\n\\pard\\ql\\par\r\n"), QByteArray("Page.htm\\par\r\n"));
    ASSERT_NE(twoCharacters, good);
    EXPECT_TRUE(quizbank::checkRtf(bank, twoCharacters, QStringLiteral("Quiz100.txt")).join(u'\n').contains(u"the file gives the question as"));

    QByteArray lost = good;
    lost.replace(QByteArray("B: two"), QByteArray("B: tw"));
    EXPECT_TRUE(quizbank::checkRtf(bank, lost, QStringLiteral("Quiz100.txt")).join(u'\n').contains(u"option B"));

    QByteArray trailing = good;
    trailing.insert(trailing.lastIndexOf('}'), QByteArray("\\pard Left over\\par\n"));
    EXPECT_TRUE(quizbank::checkRtf(bank, trailing, QStringLiteral("Quiz100.txt")).join(u'\n').contains(u"text after the last question"));
}

} // namespace
