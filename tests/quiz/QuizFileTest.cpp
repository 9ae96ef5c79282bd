// The quiz score file against real encrypted files: the quiz-file check, new files, saved
// attempts (whole or not at all), the score sheet and an activity credit.
#include "QuizFixture.h"
#include "lab/ActivityCredit.h"
#include "platform/testing/FileLimit.h"
#include "platform/testing/ScriptedServices.h"
#include "platform/testing/Unprivileged.h"
#include "quiz/ScoreSheet.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quiz;
using quizfixture::valueOf;

namespace {

class QuizFileTest : public ::testing::Test {
protected:
    lx::testing::ScriptedServices scripted;
    quizfixture::QuizWorld world;
};

TEST_F(QuizFileTest, QuizFileNeedsThePasswordAndTheTables)
{
    const QString mine = world.openStudentFile();
    EXPECT_TRUE(IsQuizFile(QuizConnectionString(mine)));
    // The resource database packed with the quiz password opens, but holds no quiz tables.
    const QString other = world.student.filePath(QStringLiteral("other.lxq"));
    quizfixture::packFixture(QStringLiteral("QuizResource"), QStringLiteral("tarvinduso"), other);
    EXPECT_FALSE(IsQuizFile(QuizConnectionString(other)));
    EXPECT_FALSE(IsQuizFile(QuizConnectionString(world.temp.filePath(QStringLiteral("QuizResource.lxr")))));
    EXPECT_FALSE(IsQuizFile(QuizConnectionString(world.student.filePath(QStringLiteral("none.lxq")))));
    // One quiz number twice: which row holds the score?
    {
        lx::Connection c;
        c.Open(QuizConnectionString(mine));
        c.ExecuteNonQuery(QStringLiteral("INSERT INTO QuizInfo SELECT * FROM QuizInfo WHERE QuizID = 301"));
    }
    EXPECT_FALSE(IsQuizFile(QuizConnectionString(mine)));
}

TEST_F(QuizFileTest, AFolderWithASemicolonHoldsAQuizFile)
{
    const QString folder = world.student.filePath(QStringLiteral("term;1"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString mine = world.openStudentFile();
    const QString moved = folder + QStringLiteral("/mine.lxq");
    ASSERT_TRUE(QFile::copy(mine, moved));
    EXPECT_EQ(lx::ConnectionString::parse(QuizConnectionString(moved)).path, moved);
    EXPECT_TRUE(IsQuizFile(QuizConnectionString(moved)));
}

TEST_F(QuizFileTest, DefaultNameHoldsNoPathCharacters)
{
    const struct {
        const char* last;
        const char* first;
        const char* name;
    } cases[] = {
        {"Smith", "Ann", "Quiz_SmithAnn.lxq"},
        {" Smith", "Ann ", "Quiz_SmithAnn.lxq"},
        {"../../etc/x", "y", "Quiz_....etcxy.lxq"},
        {"a\\b:c*?", "<d>|\"", "Quiz_abcd.lxq"},
        {"..", ".", "Quiz_.lxq"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultQuizFileName(QString::fromLatin1(c.last), QString::fromLatin1(c.first)), QString::fromLatin1(c.name));
}

TEST_F(QuizFileTest, NewFileCarriesTheUserAndAFailedOneLeavesTheOldFile)
{
    const QString master = world.install.filePath(QStringLiteral("QuizTemplate.lxq"));
    const QString target = world.student.filePath(QStringLiteral("Quiz_SmithAnn.lxq"));
    QString why;
    ASSERT_TRUE(CreateQuizFile(master, target, QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("it's 'x"), &why))
        << why.toStdString();
    basGlobal::QuizFileConnection = QuizConnectionString(target);
    EXPECT_EQ(valueOf(QStringLiteral("SELECT UserLastName FROM UserInfo")).toString(), QStringLiteral("Smith"));
    EXPECT_EQ(valueOf(QStringLiteral("SELECT UserPassword FROM UserInfo")).toString(), QStringLiteral("it's 'x"));
    EXPECT_EQ(valueOf(QStringLiteral("SELECT COUNT(*) FROM UserInfo")).toInt(), 1);

    // A master that cannot be read, and a folder that does not exist, change nothing.
    const QByteArray before = [&] { QFile f(target); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    EXPECT_FALSE(CreateQuizFile(master + QStringLiteral(".gone"), target, QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("p"), &why));
    EXPECT_FALSE(CreateQuizFile(master, world.student.filePath(QStringLiteral("no/such/dir/x.lxq")), QStringLiteral("B"),
                                QStringLiteral("C"), QStringLiteral("p"), &why));
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QDir(world.student.path()).entryList(QDir::Files), QStringList{QStringLiteral("Quiz_SmithAnn.lxq")});
}

TEST_F(QuizFileTest, SlotsAndKeysAreReadInTheirOwnOrder)
{
    world.openStudentFile();
    lx::Connection score;
    score.Open(basGlobal::QuizFileConnection);
    const std::vector<SavedSlot> saved = ReadQuestionSeq(score, 302);
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0].displayOrder, 2);
    EXPECT_EQ(saved[0].chosen, 3);
    EXPECT_EQ(saved[1].displayOrder, 0);
    EXPECT_EQ(saved[2].chosen, 0);
    lx::Connection resource;
    resource.Open(basGlobal::QuizResourceConnection);
    EXPECT_EQ(ReadAnswerKeys(resource, 301), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(QuizFileTest, AttemptIsSavedWhole)
{
    world.openStudentFile();
    lx::Connection score;
    score.Open(basGlobal::QuizFileConnection);
    const Attempt attempt{2, {1, 2, 0}, {3, 1, 2}, {3, 4, 0}};
    const AttemptScore s = SaveAttempt(score, 301, attempt);
    EXPECT_EQ(s.attempted, 2);
    EXPECT_EQ(s.correct, 1);
    EXPECT_EQ(valueOf(QStringLiteral("SELECT AttemptsUsed || ',' || LastStart || ',' || LastAttempted || ',' || CAST(LastCorrect AS INTEGER) "
                                     "FROM QuizInfo WHERE QuizID = 301")).toString(),
              QStringLiteral("1,2,2,1"));
    EXPECT_EQ(valueOf(QStringLiteral("SELECT group_concat(DisplayOrder || CorrectOption || ChosenOption, ' ') FROM "
                                     "(SELECT * FROM QuestionSeq WHERE QuizID = 301 ORDER BY Slot)")).toString(),
              QStringLiteral("133 214 020"));
}

TEST_F(QuizFileTest, SaveFailingPartWayLeavesTheFileAsItWas)
{
    world.openStudentFile();
    lx::Connection score;
    score.Open(basGlobal::QuizFileConnection);
    // The slots are written first; the progress row then fails.
    score.ExecuteNonQuery(QStringLiteral("CREATE TRIGGER full BEFORE UPDATE ON QuizInfo BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const QString slotsSql = QStringLiteral("SELECT group_concat(DisplayOrder || CorrectOption || ChosenOption, ' ') FROM "
                                            "(SELECT * FROM QuestionSeq WHERE QuizID = 301 ORDER BY Slot)");
    const QString before = valueOf(slotsSql).toString();
    EXPECT_THROW(SaveAttempt(score, 301, Attempt{2, {1, 2, 0}, {3, 1, 2}, {3, 4, 0}}), lx::DatabaseError);
    EXPECT_EQ(valueOf(slotsSql).toString(), before);
    EXPECT_EQ(valueOf(QStringLiteral("SELECT AttemptsUsed FROM QuizInfo WHERE QuizID = 301")).toInt(), 0);
    // Too few slots fail as a whole too.
    score.ExecuteNonQuery(QStringLiteral("DROP TRIGGER full"));
    EXPECT_THROW(SaveAttempt(score, 100, Attempt{1, {0, 1}, {1, 2}, {1, 2}}), lx::DatabaseError);
    EXPECT_EQ(valueOf(QStringLiteral("SELECT ChosenOption FROM QuestionSeq WHERE QuizID = 100")).toInt(), 0);
}

TEST_F(QuizFileTest, ScoreSheetTextsAndTotals)
{
    world.openStudentFile();
    const ScoreSheet sheet = ReadScoreSheet(basGlobal::QuizFileConnection);
    EXPECT_TRUE(WriteScoreTotals(basGlobal::QuizFileConnection, sheet));
    ASSERT_EQ(sheet.lines.size(), 8u);
    EXPECT_EQ(sheet.lines[0].quizId, 100);
    const ScoreLine& graded = sheet.lines[4];   // 211
    EXPECT_EQ(graded.quizId, 211);
    EXPECT_EQ(graded.correct, QStringLiteral("0.8"));
    EXPECT_EQ(graded.score, QStringLiteral(" .8 / 1"));
    const ScoreLine& fresh = sheet.lines[6];    // 301: 3 asked, 2 marks
    EXPECT_EQ(fresh.asked, QStringLiteral("3"));
    EXPECT_EQ(fresh.attempted, QStringLiteral("0"));
    EXPECT_EQ(fresh.score, QStringLiteral(" 0 / 6"));
    EXPECT_EQ(sheet.lines[7].score, QStringLiteral(" 2 / 6"));   // 302: 1 correct, 2 marks
    EXPECT_TRUE(sheet.userName.isEmpty());
    // 0.8 + 2; maxima 1+3+0+3+1+1+6+6.
    EXPECT_EQ(sheet.finalScore, QStringLiteral("Final Score =  2.8 / 21"));
    EXPECT_DOUBLE_EQ(valueOf(QStringLiteral("SELECT TotalScore FROM UserInfo")).toDouble(), 2.8);
    EXPECT_EQ(valueOf(QStringLiteral("SELECT TotalMaxScore FROM UserInfo")).toInt(), 21);
}

TEST_F(QuizFileTest, CreditFor212AddsOneAttemptAndPressesQuiz202)
{
    world.openStudentFile();
    std::vector<int> pressed;
    basGlobal::Hooks().pressQuizButton = [&](int n) { pressed.push_back(n); };
    EXPECT_EQ(lx::ActivityCredit(lx::activities::TriaxialShear), lx::CreditResult::Credited);
    basGlobal::Hooks().pressQuizButton = {};
    EXPECT_EQ(valueOf(QStringLiteral("SELECT AttemptsUsed || ',' || LastAttempted || ',' || LastCorrect FROM QuizInfo WHERE QuizID = 212")).toString(),
              QStringLiteral("1,1,1.0"));
    EXPECT_EQ(pressed, std::vector<int>{202});
    const ScoreSheet sheet = ReadScoreSheet(basGlobal::QuizFileConnection);
    EXPECT_EQ(sheet.lines[5].attempted, QStringLiteral("1"));
    EXPECT_EQ(sheet.lines[5].score, QStringLiteral(" 1 / 1"));
}

} // namespace

namespace {

using lx::testing::modeOf;
using lx::testing::readAll;

QStringList everythingIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST_F(QuizFileTest, TwoSavesAtTheLastAttemptDoNotPassTheLimit)
{
    world.openStudentFile();
    lx::Connection first, second;
    first.Open(basGlobal::QuizFileConnection);
    second.Open(basGlobal::QuizFileConnection);
    // Both windows (or both instances) opened the quiz at 2 of 3.
    first.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET AttemptsUsed = 2 WHERE QuizID = 301"));
    const QString slotsSql = QStringLiteral("SELECT group_concat(DisplayOrder || CorrectOption || ChosenOption, ' ') FROM "
                                            "(SELECT * FROM QuestionSeq WHERE QuizID = 301 ORDER BY Slot)");
    SaveAttempt(first, 301, Attempt{2, {1, 2, 0}, {3, 1, 2}, {3, 4, 0}});
    const QString saved = valueOf(slotsSql).toString();
    try {
        SaveAttempt(second, 301, Attempt{1, {0, 1, 2}, {1, 1, 1}, {1, 1, 1}});
        ADD_FAILURE() << "the second save passed the limit";
    } catch (const AttemptLimitReached& e) {
        EXPECT_EQ(e.maxAttempts, 3);
    }
    EXPECT_EQ(valueOf(QStringLiteral("SELECT AttemptsUsed || ',' || LastStart FROM QuizInfo WHERE QuizID = 301")).toString(),
              QStringLiteral("3,2"));
    EXPECT_EQ(valueOf(slotsSql).toString(), saved);
}

TEST_F(QuizFileTest, RowsWithNumbersNoQuizHoldsOrThatContradictEachOtherAreRefusedWithTheNumberAsStored)
{
    const struct {
        const char* set;
        const char* says;
    } cases[] = {
        {"MarksPerQuestion = 200000000", "The number of marks per question is 200000000;"},
        {"QuestionsAsked = 3567587328", "The number of questions asked is 3567587328;"},
        {"QuestionsAsked = 2.5", "The number of questions asked is 2.5;"},
        {"LastCorrect = 1e12", "The number of correct answers is 1000000000000;"},
        {"MarksPerQuestion = 9e999", "The number of marks per question is Inf;"},
        {"AttemptsUsed = -1", "The number of attempts used is -1;"},
        // Numbers that contradict each other: more than the 3 questions asked.
        {"LastCorrect = 10, LastAttempted = 2", "The number of correct answers is 10, more than the 3 questions asked."},
        {"LastAttempted = 4", "The number of questions attempted is 4, more than the 3 questions asked."},
        {"QuestionsAsked = 0, LastAttempted = 1, LastCorrect = 1", "The number of questions attempted is 1, more than the 0 questions asked."},
        {"LastAttempted = 1, LastCorrect = 2", "The number of correct answers is 2, more than the 1 questions attempted."},
        // A quiz whose order cannot be drawn from its bank of 4, or past its 3 attempts.
        {"BankSize = 2", "The number of questions asked is 3, more than the 2 questions in its bank."},
        {"LastStart = 5", "The first question of the last attempt is 5, more than the 4 questions in its bank."},
        {"AttemptsUsed = 4", "The number of attempts used is 4, more than the 3 attempts allowed."},
        {"MaxAttempts = 0, AttemptsUsed = 1", "The number of attempts used is 1, more than the 0 attempts allowed."},
    };
    for (const auto& c : cases) {
        world.openStudentFile();
        lx::Connection score;
        score.Open(basGlobal::QuizFileConnection);
        score.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET %1 WHERE QuizID = 301").arg(QString::fromLatin1(c.set)));
        QuizRow row;
        QString why;
        EXPECT_EQ(ReadQuizRow(score, 301, row, &why), RowRead::Refused) << c.set;
        EXPECT_TRUE(why.startsWith(QString::fromLatin1(c.says))) << why.toStdString();
        // The sheet leaves the row out, and its totals hold the others only.
        const ScoreSheet sheet = ReadScoreSheet(basGlobal::QuizFileConnection);
        ASSERT_EQ(sheet.lines.size(), 8u);
        EXPECT_EQ(sheet.lines[6].quizId, 301);
        EXPECT_EQ(sheet.lines[6].refused, why) << c.set;
        EXPECT_EQ(sheet.finalScore, QStringLiteral("Final Score =  2.8 / 15")) << c.set;
        // Saving onto it is refused as well, and changes nothing.
        EXPECT_THROW(SaveAttempt(score, 301, Attempt{2, {1, 2, 0}, {3, 1, 2}, {3, 4, 0}}), lx::DatabaseError) << c.set;
    }
}

// What a quiz or an activity may hold at its limits is read.
TEST_F(QuizFileTest, RowsAtTheirLimitsAndActivitiesAreRead)
{
    const struct {
        int quiz;
        const char* set;
    } cases[] = {
        {301, "AttemptsUsed = 3, LastStart = 4, LastAttempted = 3, LastCorrect = 3"},
        {301, "BankSize = 3"},
        // Activities: no bank, no attempt limit, credited on every close.
        {212, "AttemptsUsed = 7, LastAttempted = 1, LastCorrect = 1"},
        {211, "AttemptsUsed = 2, LastAttempted = 1, LastCorrect = 0.5"},
    };
    for (const auto& c : cases) {
        world.openStudentFile();
        lx::Connection score;
        score.Open(basGlobal::QuizFileConnection);
        score.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET %1 WHERE QuizID = %2").arg(QString::fromLatin1(c.set)).arg(c.quiz));
        QuizRow row;
        QString why;
        EXPECT_EQ(ReadQuizRow(score, c.quiz, row, &why), RowRead::Read) << c.set << ": " << why.toStdString();
    }
}

TEST_F(QuizFileTest, AFileThatCannotBeWrittenShowsItsSheetAndIsFoundOutAtOnce)
{
    const struct {
        const char* label;
        mode_t folder;
        mode_t file;
        bool fullDisk;
    } cases[] = {
        {"writable", 0777, 0666, false},
        {"read-only file", 0755, 0444, false},
        {"read-only folder", 0555, 0666, false},
        {"full disk", 0755, 0644, true},
    };
    const QString folder = world.student.filePath(QStringLiteral("term"));
    for (const auto& c : cases) {
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/mine.lxq");
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(world.openStudentFile(), path));
        const QString connection = QuizConnectionString(path);
        // The ordinary user who runs the check reaches the file through these folders.
        ::chmod(QFile::encodeName(world.student.path()).constData(), 0755);
        ::chmod(QFile::encodeName(path).constData(), c.file);
        ::chmod(QFile::encodeName(folder).constData(), c.folder);
        const QByteArray before = readAll(path);
        const QByteArray line = lx::testing::asOrdinaryUser([&] {
            QByteArray out;
            auto check = [&] {
                const ScoreSheet sheet = ReadScoreSheet(connection);
                QString why;
                const bool wrote = WriteScoreTotals(connection, sheet, &why);
                const bool canSave = CanSaveToQuizFile(connection);
                out = sheet.finalScore.toUtf8() + (wrote ? "|wrote" : "|kept") + (canSave ? "|can save" : "|cannot save");
            };
            if (c.fullDisk)
                lx::testing::withSmallFileLimit(check);
            else
                check();
            return out;
        });
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        if (line == "!threw: 'unable to open database file'" || line.startsWith("!rights"))
            GTEST_SKIP() << "the temp folder is out of an ordinary user's reach: " << line.constData();
        const bool writable = QByteArray(c.label) == "writable";
        EXPECT_EQ(line.toStdString(), std::string("Final Score =  2.8 / 21") + (writable ? "|wrote|can save" : "|kept|cannot save"))
            << c.label;
        if (!writable) {
            EXPECT_EQ(readAll(path), before) << c.label;
        }
        EXPECT_EQ(everythingIn(folder), QStringList{QStringLiteral("mine.lxq")}) << c.label;
        QFile::remove(path);
    }
}

TEST_F(QuizFileTest, ANewFileIsTheStudentsAloneAndAFailedOneLeavesNothing)
{
    const QString master = world.install.filePath(QStringLiteral("QuizTemplate.lxq"));
    const QString target = world.student.filePath(QStringLiteral("Quiz_SmithAnn.lxq"));
    // Built in the instance folder: a system temp folder that cannot be used changes nothing.
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(world.student.filePath(QStringLiteral("no such folder"))));
    QString why;
    EXPECT_TRUE(CreateQuizFile(master, target, QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("pw"), &why))
        << why.toStdString();
    qputenv("TMPDIR", oldTmp);
    EXPECT_EQ(modeOf(target) & 07777, 0600u);
    // Overwriting a file others could read closes it.
    ::chmod(QFile::encodeName(target).constData(), 0644);
    ASSERT_TRUE(CreateQuizFile(master, target, QStringLiteral("Smith"), QStringLiteral("Ann"), QStringLiteral("pw2"), &why));
    EXPECT_EQ(modeOf(target) & 07777, 0600u);

    // A disk that fills up part-way: the old file stays, and no copy is left anywhere.
    const QByteArray before = readAll(target);
    const QStringList student = everythingIn(world.student.path());
    const QStringList instance = everythingIn(basGlobal::TempPath);
    bool made = true;
    lx::testing::withSmallFileLimit(
        [&] { made = CreateQuizFile(master, target, QStringLiteral("Lee"), QStringLiteral("Bo"), QStringLiteral("x"), &why); });
    EXPECT_FALSE(made);
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(readAll(target), before);
    EXPECT_EQ(everythingIn(world.student.path()), student);
    EXPECT_EQ(everythingIn(basGlobal::TempPath), instance);
}

TEST_F(QuizFileTest, ADamagedFileIsNamedAsSuchAndNotAsAPasswordProblem)
{
    const QString path = world.openStudentFile();
    const QByteArray whole = readAll(path);
    const struct {
        const char* label;
        QByteArray bytes;
    } cases[] = {
        {"garbage", QByteArray(whole.size(), 'x')},
        {"cut inside its header", whole.left(100)},
        {"cut inside its first page", whole.left(1000)},
        {"empty", QByteArray()},
    };
    for (const auto& c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        QString text;
        try {
            const ScoreSheet sheet = ReadScoreSheet(basGlobal::QuizFileConnection);
            ADD_FAILURE() << c.label << ": read " << sheet.finalScore.toStdString();
        } catch (const lx::DatabaseError& e) {
            text = QuizFileErrorText(e, basGlobal::QuizFileConnection);
        }
        EXPECT_EQ(text.toStdString(), QStringLiteral("'%1' is damaged or is not a quiz file.").arg(path).toStdString()) << c.label;
        EXPECT_FALSE(CanSaveToQuizFile(basGlobal::QuizFileConnection, &text)) << c.label;
        EXPECT_FALSE(text.contains(QStringLiteral("password"))) << c.label;
    }
}

// Emptied by another program while this one holds it open: the quiz file is no quiz file now,
// whichever of its tables went.
TEST_F(QuizFileTest, AFileEmptiedWhileOpenIsNamedAsNoQuizFile)
{
    for (const char* table : {"QuizInfo", "UserInfo", "QuestionSeq"}) {
        const QString path = world.openStudentFile();
        lx::Connection open;
        open.Open(basGlobal::QuizFileConnection);
        QuizRow row;
        ASSERT_EQ(ReadQuizRow(open, 301, row), RowRead::Read);
        {
            lx::Connection other;
            other.Open(basGlobal::QuizFileConnection);
            other.ExecuteNonQuery(QStringLiteral("DROP TABLE %1").arg(QString::fromLatin1(table)));
        }
        QString text;
        try {
            ReadQuizRow(open, 301, row);
            ReadQuestionSeq(open, 301);
            ReadScoreSheet(basGlobal::QuizFileConnection);
            ADD_FAILURE() << table << ": read";
        } catch (const lx::DatabaseError& e) {
            text = QuizFileErrorText(e, basGlobal::QuizFileConnection);
        }
        EXPECT_EQ(text, QStringLiteral("'%1' is damaged or is not a quiz file.").arg(path)) << table;
    }
}

} // namespace
