// The quiz master file (QuizTemplate), the answer keys (QuizResource) and the login database (Users).
//
// Bank columns are placeholders until the question banks are written: every quiz has a bank of
// 20 questions, asks 10 per attempt, allows 3 attempts and gives 1 mark per question; the answer
// keys are a fixed spread of options 1 to 4. A simulated activity is worth one mark (1 question
// asked, credited with 1 correct).
#include "OtherFamilies.h"

#include <QDir>

namespace gendata::other {
namespace {

struct Row {
    int quizId;
    const char* description;
};

// Every quiz and activity, in ascending QuizID order, with its score-sheet description.
const Row rows[] = {
    {100, "Loamix initial warmup quiz"},
    {200, "warmup quiz for Triaxial Compression Test"},
    {201, "quiz on Isotropic Consolidation during triaxial test"},
    {202, "quiz on Shearing Stage of Triaxial test"},
    {203, "quiz on parametric study for Triaxial test"},
    {211, "Simulating IC stage of Triaxial test"},
    {212, "Simulating Shearing stage of Triaxial test"},
    {213, "Parametric study for Triaxial test"},
    {300, "warmup quiz for 1-D ConsolidationTest"},
    {301, "quiz on Incremental Load Test"},
    {302, "quiz on Constant Rate of Strain Test"},
    {311, "Simulating IL Test"},
    {312, "Simulating CRS Test"},
    {400, "warmup quiz for Direct Shear"},
    {401, "quiz on Direct Shear Test"},
    {402, "quiz on parametric study of Direct Shear Test"},
    {411, "Simulating Direct Shear Test"},
    {412, "Parametric study for Direct Shear Test"},
    {500, "warmup quiz for True Triaxial Test"},
    {501, "quiz on Cubical True Triaxial Testing"},
    {502, "quiz on combined Axial-torsional Test"},
    {511, "Simulating True Triaxial Test"},
    {512, "Parametric study for True Triaxial Test"},
};

bool isActivity(int quizId) { return quizId % 100 > 10; }

const int bankSize = 20, questionsAsked = 10, maxAttempts = 3, marksPerQuestion = 1;

// Placeholder key of bank question q (1-based): spread over the four options, not a pattern
// of one letter, until the question bank supplies the real keys.
int placeholderKey(int quizId, int q) { return (q * 7 + quizId / 100 + quizId % 10) % 4 + 1; }

void quizTemplate(const QString& dataDir)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("QuizTemplate"));
    writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- The empty master copy of a student's quiz score file: written by tools/gendata (quiz).\n"
        "-- Columns are used by position; only QuizID is named in the program's SQL.\n"
        "CREATE TABLE UserInfo (\n"
        "  UserLastName TEXT,\n"
        "  UserFirstName TEXT,\n"
        "  UserPassword TEXT,\n"
        "  TotalScore REAL,\n"
        "  TotalMaxScore INTEGER\n"
        ");\n"
        "CREATE TABLE QuizInfo (\n"
        "  QuizID INTEGER,\n"
        "  Description TEXT,\n"
        "  AttemptsUsed INTEGER,\n"
        "  MaxAttempts INTEGER,\n"
        "  BankSize INTEGER,\n"
        "  QuestionsAsked INTEGER,\n"
        "  LastAttempted INTEGER,\n"
        "  LastCorrect REAL,\n"
        "  LastStart INTEGER,\n"
        "  MarksPerQuestion INTEGER\n"
        ");\n"
        "CREATE TABLE QuestionSeq (\n"
        "  QuizID INTEGER,\n"
        "  Slot INTEGER,\n"
        "  DisplayOrder INTEGER,\n"
        "  CorrectOption INTEGER,\n"
        "  ChosenOption INTEGER\n"
        ");\n"));

    {
        CsvWriter users(dir + QStringLiteral("/UserInfo.csv"),
                        {"UserLastName", "UserFirstName", "UserPassword", "TotalScore", "TotalMaxScore"});
        users.row({txt({}), txt({}), txt({}), num(0), num(0)});
        users.save();
    }
    CsvWriter info(dir + QStringLiteral("/QuizInfo.csv"),
                   {"QuizID", "Description", "AttemptsUsed", "MaxAttempts", "BankSize", "QuestionsAsked", "LastAttempted",
                    "LastCorrect", "LastStart", "MarksPerQuestion"});
    CsvWriter seq(dir + QStringLiteral("/QuestionSeq.csv"), {"QuizID", "Slot", "DisplayOrder", "CorrectOption", "ChosenOption"});
    for (const Row& r : rows) {
        const bool activity = isActivity(r.quizId);
        // An activity has no bank and no attempt limit; its one "question" is the credited run.
        info.row({num(r.quizId), txt(QString::fromLatin1(r.description)), num(0), num(activity ? 0 : maxAttempts),
                  num(activity ? 0 : bankSize), num(activity ? 1 : questionsAsked), num(0), num(0), num(activity ? 0 : 1),
                  num(marksPerQuestion)});
        if (activity)
            continue;
        for (int slot = 0; slot < questionsAsked; ++slot)
            seq.row({num(r.quizId), num(slot), num(slot), num(0), num(0)});
    }
    info.save();
    seq.save();
}

void quizResource(const QString& dataDir)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("QuizResource"));
    writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- Answer keys of the quiz question banks, one row per bank question in bank order:\n"
        "-- written by tools/gendata (quiz). Placeholder keys until the question banks are written.\n"
        "CREATE TABLE AnswerKey (\n"
        "  QuizID INTEGER,\n"
        "  QuestionNumber INTEGER,\n"
        "  CorrectOption INTEGER\n"
        ");\n"));
    CsvWriter keys(dir + QStringLiteral("/AnswerKey.csv"), {"QuizID", "QuestionNumber", "CorrectOption"});
    for (const Row& r : rows) {
        if (isActivity(r.quizId))
            continue;
        for (int q = 1; q <= bankSize; ++q)
            keys.row({num(r.quizId), num(q), num(placeholderKey(r.quizId, q))});
    }
    keys.save();
}

void users(const QString& dataDir)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("Users"));
    writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- The login database: one row per permitted user, written by tools/gendata (users).\n"
        "-- It holds one demonstration row only (user \"guest\", empty password), no real account.\n"
        "CREATE TABLE MemberInfo (\n"
        "  UserName TEXT COLLATE NOCASE,\n"
        "  Password TEXT\n"
        ");\n"));
    CsvWriter members(dir + QStringLiteral("/MemberInfo.csv"), {"UserName", "Password"});
    members.row({txt(QStringLiteral("guest")), txt({})});
    members.save();
}

void generate(const QString& dataDir)
{
    quizTemplate(dataDir);
    quizResource(dataDir);
}

const Register quizRegistration{"quiz", generate};
const Register usersRegistration{"users", users};

} // namespace
} // namespace gendata::other
