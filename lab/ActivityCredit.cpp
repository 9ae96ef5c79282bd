#include "ActivityCredit.h"

#include "app/basGlobal.h"
#include "platform/Database.h"
#include "platform/Numbers.h"
#include "platform/Services.h"
#include "app/QuizRow.h"

#include <cmath>
#include <exception>

namespace lx {

namespace {

// Inside a catch: what the exception being handled says.
QString currentReason()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("unknown error");
    }
}

void report(const QString& text, const QString& why) noexcept
{
    try {
        messages().msgBox(text + QStringLiteral("\r\r(") + why + u')', vbOKOnly | vbExclamation, basGlobal::AppTitle);
    } catch (...) {
        // Nothing more can be said; the window closes all the same.
    }
}

// True when the row was there and is now credited; throws on any failure.
bool writeCredit(const QString& connection, const Activity& activity, double lastCorrect)
{
    Connection quiz;
    quiz.Open(connection);
    // Read and write under one write lock, so that an attempt saved meanwhile by a quiz
    // window on its own connection is not overwritten. A failure before COMMIT leaves the
    // transaction open, and closing the connection rolls it back.
    quiz.ExecuteNonQuery(QStringLiteral("BEGIN IMMEDIATE"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM QuizInfo WHERE QuizID = ") + QString::number(activity.id), quiz, adOpenDynamic, adLockOptimistic);
    const bool found = !rs.eof();
    if (found) {
        // A row holding numbers no quiz can have is left as it is, and the reason told.
        quiz::QuizRow row;
        QString why;
        if (!quiz::QuizRowFrom(rs, row, &why))
            throw DatabaseError(why);
        rs.Fields(quiz::info::AttemptsUsed).Value = qlonglong(row.attemptsUsed) + 1;
        rs.Fields(quiz::info::LastAttempted).Value = qlonglong(1);
        rs.Fields(quiz::info::LastCorrect).Value = Round(lastCorrect, 1);
        rs.Update();
    }
    rs.Close();
    quiz.ExecuteNonQuery(QStringLiteral("COMMIT"));
    quiz.Close();
    return found;
}

} // namespace

CreditResult ActivityCredit(const Activity& activity, double lastCorrect) noexcept
{
    const QString& connection = basGlobal::QuizFileConnection;
    if (connection.isEmpty())
        return CreditResult::NoQuizFile;
    bool found = false;
    auto failed = [&](const QString& why) {
        report(QStringLiteral("Your quiz file could not record this activity:\r") + ConnectionString::parse(connection).path
                   + QStringLiteral("\r\rThe file may be read-only, moved, or not a quiz file. The scores already in it are unchanged."),
               why);
        return CreditResult::Failed;
    };
    try {
        found = writeCredit(connection, activity, lastCorrect);
    } catch (const DatabaseError& e) {
        return failed(quiz::QuizFileErrorText(e, connection));
    } catch (...) {
        return failed(currentReason());
    }
    // The credit is written; a quiz that then fails to open must not stop the window
    // that is closing.
    try {
        basGlobal::PressQuizButton(activity.quizButton);
    } catch (...) {
        report(QStringLiteral("The activity was recorded in your quiz file, but its quiz could not be opened."), currentReason());
    }
    return found ? CreditResult::Credited : CreditResult::RowMissing;
}

} // namespace lx
