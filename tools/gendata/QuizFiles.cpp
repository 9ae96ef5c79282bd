// The quiz master file (QuizTemplate), the answer keys (QuizResource) and the login database (Users).
//
// The bank columns of QuizInfo and the answer keys come from the question banks' sources
// (data/quiz/QuizNNN.txt), the same sources genquiz writes the question files from, so keys,
// banks and QuizInfo cannot disagree. A simulated activity is worth one mark (1 question asked,
// credited with 1 correct).
#include "OtherFamilies.h"
#include "QuizBank.h"
#include "quiz/QuizCatalogue.h"

#include <QDir>

#include <map>
#include <stdexcept>

namespace gendata::other {
namespace {

bool isActivity(int quizId) { return quizId % 100 > 10; }

// The slots of QuestionSeq per quiz: one per slot of the quiz window.
const int slotsPerQuiz = quizbank::MaxQuestionsAsked;
const int activityMarks = 1;

using Banks = std::map<int, quizbank::Bank>;

// Every bank, read and checked; a source that breaks a rule stops the generator.
Banks readBanks(const QString& dataDir)
{
    Banks banks;
    QStringList errors;
    for (const int id : quizbank::QuizNumbers) {
        const QString path = QDir(dataDir).filePath(QStringLiteral("quiz/Quiz%1.txt").arg(id));
        quizbank::Bank bank = quizbank::readSourceFile(path, &errors);
        errors << quizbank::checkBank(bank, path);
        banks[id] = std::move(bank);
    }
    if (!errors.isEmpty())
        throw std::runtime_error(errors.join(QLatin1Char('\n')).toStdString());
    return banks;
}

void quizTemplate(const QString& dataDir, const Banks& banks)
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
        "-- Slot (position 1, which the quiz window does not read) numbers the slots of a quiz\n"
        "-- from 0, so the window reads them ORDER BY Slot, not in whatever order they are stored.\n"
        "CREATE TABLE QuestionSeq (\n"
        "  QuizID INTEGER NOT NULL,\n"
        "  Slot INTEGER NOT NULL,\n"
        "  DisplayOrder INTEGER,\n"
        "  CorrectOption INTEGER,\n"
        "  ChosenOption INTEGER,\n"
        "  UNIQUE (QuizID, Slot)\n"
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
    for (const quiz::CatalogueEntry& r : quiz::Catalogue) {
        if (isActivity(r.quizId)) {
            // No bank and no attempt limit; its one "question" is the credited run.
            info.row({num(r.quizId), txt(QString::fromLatin1(r.description)), num(0), num(0), num(0), num(1), num(0),
                      num(0), num(0), num(activityMarks)});
            continue;
        }
        const quizbank::Bank& b = banks.at(r.quizId);
        info.row({num(r.quizId), txt(QString::fromLatin1(r.description)), num(0), num(b.attempts),
                  num(double(b.questions.size())), num(b.asked), num(0), num(0), num(1), num(b.marks)});
        for (int slot = 0; slot < slotsPerQuiz; ++slot)
            seq.row({num(r.quizId), num(slot), num(slot), num(0), num(0)});
    }
    info.save();
    seq.save();
}

void quizResource(const QString& dataDir, const Banks& banks)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("QuizResource"));
    writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- Answer keys of the quiz question banks, one row per bank question: written by\n"
        "-- tools/gendata (quiz) from data/quiz. QuestionNumber (position 1, which the quiz window\n"
        "-- does not read) is the question's 1-based place in its bank, so the window reads the\n"
        "-- keys ORDER BY QuestionNumber, not in whatever order they are stored.\n"
        "CREATE TABLE AnswerKey (\n"
        "  QuizID INTEGER NOT NULL,\n"
        "  QuestionNumber INTEGER NOT NULL,\n"
        "  CorrectOption INTEGER,\n"
        "  UNIQUE (QuizID, QuestionNumber)\n"
        ");\n"));
    CsvWriter keys(dir + QStringLiteral("/AnswerKey.csv"), {"QuizID", "QuestionNumber", "CorrectOption"});
    for (const quiz::CatalogueEntry& r : quiz::Catalogue) {
        if (isActivity(r.quizId))
            continue;
        const quizbank::Bank& b = banks.at(r.quizId);
        for (size_t q = 0; q < b.questions.size(); ++q)
            keys.row({num(r.quizId), num(double(q + 1)), num(b.questions[q].key)});
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
    const Banks banks = readBanks(dataDir);
    quizTemplate(dataDir, banks);
    quizResource(dataDir, banks);
}

const Register quizRegistration{"quiz", generate};
const Register usersRegistration{"users", users};

} // namespace
} // namespace gendata::other
