#pragma once
// One progress row (QuizInfo) of a quiz score file, read by position and checked against what
// a quiz can hold, so that no number is wrapped when it is shown and no score or total can
// overflow; and what a failure of the file means for the student. Header-only, in the frame
// beside the quiz file's connection: the quiz windows, the score sheet and the laboratory
// kit's activity credit read rows alike.
#include "platform/Database.h"
#include "platform/Numbers.h"

#include <QDir>
#include <QString>
#include <array>
#include <cmath>

namespace quiz {

// QuizInfo positions.
namespace info {
inline constexpr int QuizID = 0, AttemptsUsed = 2, MaxAttempts = 3, BankSize = 4, QuestionsAsked = 5,
                     LastAttempted = 6, LastCorrect = 7, LastStart = 8, MarksPerQuestion = 9;
}

// The ten slots of the quiz window: no quiz asks more questions.
inline constexpr int MaxSlots = 10;

// What a row may hold: far more than any quiz or student needs, and little enough that a
// row's maximum (questions x marks) and the sum of any number of rows stay exact.
namespace limits {
inline constexpr double QuizId = 1e9;
inline constexpr double Attempts = 1e9;
inline constexpr double BankSize = 100000;
inline constexpr double Marks = 1000;
}

struct QuizRow {
    int quizId = 0;
    int attemptsUsed = 0;
    int maxAttempts = 0;
    int bankSize = 0;
    int questionsAsked = 0;
    int lastAttempted = 0;
    double lastCorrect = 0;   // a graded activity holds a fraction
    int lastStart = 0;
    int marksPerQuestion = 0;

    double score() const { return lastCorrect * marksPerQuestion; }
    int maximum() const { return questionsAsked * marksPerQuestion; }
};

// Fills row from the current row of a "SELECT * FROM QuizInfo" recordset. False, with the
// reason, when a number lies outside what a quiz can hold (the number as stored, unwrapped)
// or the numbers contradict each other: more attempted or correct than asked, more correct
// than attempted, and for a quiz (not an activity) more asked than its bank holds, a last
// start beyond the bank (no question order can be drawn from it) or more attempts used
// than allowed; row is then left as it was.
inline bool QuizRowFrom(lx::Recordset& rs, QuizRow& row, QString* why = nullptr)
{
    struct Column {
        int position;
        const char* name;
        double highest;
        bool whole;
    };
    static constexpr std::array<Column, 9> columns{{
        {info::QuizID, "The quiz number", limits::QuizId, true},
        {info::AttemptsUsed, "The number of attempts used", limits::Attempts, true},
        {info::MaxAttempts, "The number of attempts allowed", limits::Attempts, true},
        {info::BankSize, "The number of questions in its bank", limits::BankSize, true},
        {info::QuestionsAsked, "The number of questions asked", MaxSlots, true},
        {info::LastAttempted, "The number of questions attempted", MaxSlots, true},
        {info::LastCorrect, "The number of correct answers", MaxSlots, false},
        {info::LastStart, "The first question of the last attempt", limits::BankSize, true},
        {info::MarksPerQuestion, "The number of marks per question", limits::Marks, true},
    }};
    if (rs.fieldCount() <= info::MarksPerQuestion) {
        if (why)
            *why = QStringLiteral("The row has %1 columns; a quiz row has %2.").arg(rs.fieldCount()).arg(info::MarksPerQuestion + 1);
        return false;
    }
    std::array<double, 9> v{};
    for (size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        v[i] = rs.Fields(c.position).toDouble();
        // Written so that NaN fails too.
        if (!(v[i] >= 0 && v[i] <= c.highest) || (c.whole && v[i] != std::floor(v[i]))) {
            if (why)
                *why = QStringLiteral("%1 is %2; a quiz allows %3 from 0 to %4.")
                           .arg(QString::fromLatin1(c.name), lx::DoubleText(v[i]),
                                c.whole ? QStringLiteral("whole numbers") : QStringLiteral("numbers"), lx::DoubleText(c.highest));
            return false;
        }
    }
    // A quiz cannot have more questions attempted or answered correctly than it asked; such
    // a score would pass the row's maximum and the sheet's total.
    for (const size_t i : {size_t(5), size_t(6)}) {
        if (v[i] > v[4]) {
            if (why)
                *why = QStringLiteral("%1 is %2, more than the %3 questions asked.")
                           .arg(QString::fromLatin1(columns[i].name), lx::DoubleText(v[i]), lx::DoubleText(v[4]));
            return false;
        }
    }
    auto contradicts = [&](size_t i, size_t other, const char* what) {
        if (why)
            *why = QStringLiteral("%1 is %2, more than the %3 %4.")
                       .arg(QString::fromLatin1(columns[i].name), lx::DoubleText(v[i]), lx::DoubleText(v[other]), QString::fromLatin1(what));
        return false;
    };
    if (v[6] > v[5])
        return contradicts(6, 5, "questions attempted");
    // An activity's row has no bank (0) and no attempt limit (0) and is credited on every close.
    const bool activity = v[3] == 0 && v[2] == 0;
    if (!activity) {
        if (v[4] > v[3])
            return contradicts(4, 3, "questions in its bank");
        if (v[7] > v[3])
            return contradicts(7, 3, "questions in its bank");
        if (v[1] > v[2])
            return contradicts(1, 2, "attempts allowed");
    }
    row.quizId = int(v[0]);
    row.attemptsUsed = int(v[1]);
    row.maxAttempts = int(v[2]);
    row.bankSize = int(v[3]);
    row.questionsAsked = int(v[4]);
    row.lastAttempted = int(v[5]);
    row.lastCorrect = v[6];
    row.lastStart = int(v[7]);
    row.marksPerQuestion = int(v[8]);
    return true;
}

// True when the file opens but lacks one of the three tables of a quiz file (emptied while it
// was open); false when it holds them or cannot be asked. Never throws.
inline bool LacksQuizTables(const QString& connection)
{
    try {
        lx::Connection c;
        c.Open(connection);
        const auto tables = c.Execute(QStringLiteral(
            "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('UserInfo', 'QuizInfo', 'QuestionSeq')"));
        return tables->eof() || tables->Fields(0).toDouble() < 3;
    } catch (...) {
        return false;
    }
}

// A failure of the quiz file for the student: a file that is damaged or of another kind is
// named as such, since its password is the program's, never the student's, and so is one
// that has lost its tables; so is a file moved or deleted while it was open (SQLite calls it
// a read-only database).
inline QString QuizFileErrorText(const lx::DatabaseError& e, const QString& connection)
{
    const QString path = QDir::toNativeSeparators(lx::ConnectionString::parse(connection).path);
    if (e.damaged() || (!e.moved() && LacksQuizTables(connection)))
        return QStringLiteral("'%1' is damaged or is not a quiz file.").arg(path);
    if (e.moved())
        return QStringLiteral("'%1' was moved or deleted, or its folder was, while it was open. Open the quiz file again from where it is now.")
            .arg(path);
    return e.message();
}

} // namespace quiz
