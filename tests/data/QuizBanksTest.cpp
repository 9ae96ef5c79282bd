// Checks over the installed question banks: every question file parses with the quiz window's
// walk into the bank size QuizInfo states, each question with four options and its topic,
// exactly as its source reads (nothing lost or added at a marker or separator); the keys,
// read in their explicit order, belong to the same questions; every topic is an installed
// help page; and no bank repeats a question.
#include "DataTestSupport.h"
#include "QuizBank.h"
#include "platform/rtf/RichText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTextEdit>

#include <array>

using namespace datatest;

namespace {

const char* const Letters[] = {"A: ", "B: ", "C: ", "D: "};

class InstalledBank : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        quiz.Open(connectionString(installed("QuizTemplate.lxq"), QStringLiteral("tarvinduso")));
        resource.Open(connectionString(installed("Resources/QuizResource.lxr"), QStringLiteral("mobkel")));
    }
    static void TearDownTestSuite()
    {
        quiz.Close();
        resource.Close();
    }
    static lx::Connection quiz, resource;
};
lx::Connection InstalledBank::quiz, InstalledBank::resource;

TEST_P(InstalledBank, ParsesIntoItsQuestionsWithTheirKeysAndTopics)
{
    const int id = GetParam();
    const QString number = QString::number(id);
    const Rows info = query(quiz, QStringLiteral("SELECT * FROM QuizInfo WHERE QuizID = ") + number);
    ASSERT_EQ(info.size(), 1u);
    const int bankSize = int(info[0][4].toDouble()), asked = int(info[0][5].toDouble());
    EXPECT_GE(bankSize, 15) << "a bank of real questions on its module";
    EXPECT_GE(asked, 1);
    EXPECT_LE(asked, 10);
    EXPECT_LE(asked, bankSize);
    EXPECT_GE(info[0][3].toDouble(), 1) << "attempts allowed";
    EXPECT_GE(query(quiz, QStringLiteral("SELECT * FROM QuestionSeq WHERE QuizID = ") + number).size(), size_t(asked));

    // The window loads the file into a hidden box and walks it by markers.
    QTextEdit hidden;
    lx::RichText buffer(&hidden);
    ASSERT_TRUE(buffer.loadFile(installed("Resources/Quiz") + number + QStringLiteral(".rtf")));
    std::vector<quizbank::CutQuestion> cut;
    QString error;
    int end = 0;
    ASSERT_TRUE(quizbank::cutBank(buffer, bankSize, &cut, &error, &end)) << error.toStdString();
    ASSERT_EQ(int(cut.size()), bankSize);
    EXPECT_GE(end, buffer.length()) << "nothing after the last question's separator";

    // The same questions as the readable source, character for character.
    QStringList problems;
    const quizbank::Bank source = quizbank::readSourceFile(
        QStringLiteral(LOAMIX_SOURCE_DIR "/data/quiz/Quiz") + number + QStringLiteral(".txt"), &problems);
    ASSERT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    ASSERT_EQ(int(source.questions.size()), bankSize) << "QuizInfo BankSize is the bank's size";

    const Rows keys = query(resource, QStringLiteral("SELECT * FROM AnswerKey WHERE QuizID = ") + number
                                          + QStringLiteral(" ORDER BY QuestionNumber"));
    ASSERT_EQ(int(keys.size()), bankSize);

    QSet<QString> texts;
    std::array<int, 4> perLetter{};
    for (int q = 0; q < bankSize; ++q) {
        SCOPED_TRACE(q + 1);
        const quizbank::CutQuestion& c = cut[size_t(q)];
        const quizbank::Question& s = source.questions[size_t(q)];
        EXPECT_EQ(c.text, s.text);
        for (int k = 0; k < 4; ++k) {
            EXPECT_TRUE(c.options[size_t(k)].startsWith(QLatin1String(Letters[k]))) << c.options[size_t(k)].toStdString();
            EXPECT_EQ(c.options[size_t(k)].mid(3), s.options[size_t(k)]);
        }
        EXPECT_EQ(c.topic, s.topic);
        EXPECT_TRUE(QFile::exists(installed("Help/html/") + c.topic)) << c.topic.toStdString();

        EXPECT_EQ(keys[size_t(q)][1].toDouble(), q + 1) << "question numbers run 1 to the bank size";
        const int key = int(keys[size_t(q)][2].toDouble());
        ASSERT_GE(key, 1);
        ASSERT_LE(key, 4);
        EXPECT_EQ(key, s.key);
        ++perLetter[size_t(key - 1)];

        const QString text = c.text.simplified().toCaseFolded();
        EXPECT_FALSE(texts.contains(text)) << "asked twice: " << c.text.toStdString();
        texts.insert(text);
    }
    // The correct answer is not guessable from its letter.
    for (int k = 0; k < 4; ++k) {
        EXPECT_GE(perLetter[size_t(k)], bankSize / 8) << "letter " << k + 1;
        EXPECT_LE(perLetter[size_t(k)], bankSize / 2) << "letter " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryQuiz, InstalledBank, ::testing::ValuesIn(quizbank::QuizNumbers),
                         [](const ::testing::TestParamInfo<int>& p) { return "Quiz" + std::to_string(p.param); });

// The slots of a saved attempt and the keys are read by their order columns, so they pair with
// the right questions whatever order the rows are stored in.
TEST(QuizOrderColumns, SlotsAndKeysNumberTheirRowsWithoutGapsOrRepeats)
{
    lx::Connection quiz, resource;
    quiz.Open(connectionString(installed("QuizTemplate.lxq"), QStringLiteral("tarvinduso")));
    resource.Open(connectionString(installed("Resources/QuizResource.lxr"), QStringLiteral("mobkel")));
    for (const int id : quizbank::QuizNumbers) {
        SCOPED_TRACE(id);
        const QString number = QString::number(id);
        const Rows seq = query(quiz, QStringLiteral("SELECT * FROM QuestionSeq WHERE QuizID = ") + number
                                           + QStringLiteral(" ORDER BY Slot"));
        for (size_t i = 0; i < seq.size(); ++i)
            EXPECT_EQ(seq[i][1].toDouble(), double(i));
        const Rows keys = query(resource, QStringLiteral("SELECT * FROM AnswerKey WHERE QuizID = ") + number
                                              + QStringLiteral(" ORDER BY QuestionNumber"));
        for (size_t i = 0; i < keys.size(); ++i)
            EXPECT_EQ(keys[i][1].toDouble(), double(i + 1));
    }
}

} // namespace
