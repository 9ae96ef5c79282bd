#include "ScoreSheet.h"

#include "QuizFile.h"
#include "platform/Database.h"
#include "platform/Numbers.h"

namespace quiz {

ScoreSheet ReadScoreSheet(const QString& connection)
{
    ScoreSheet sheet;
    lx::Connection c;
    c.Open(connection);
    lx::Recordset rows;
    rows.Open(QStringLiteral("SELECT * FROM QuizInfo order by QuizID"), c, lx::adOpenForwardOnly, lx::adLockReadOnly);
    for (; !rows.eof(); rows.MoveNext()) {
        ScoreLine line;
        QuizRow row;
        if (!QuizRowFrom(rows, row, &line.refused)) {
            // The row's own number, where it is one a quiz can have.
            const double id = rows.Fields(info::QuizID).toDouble();
            line.quizId = id >= 0 && id <= limits::QuizId ? int(id) : -1;
            sheet.lines.push_back(line);
            continue;
        }
        line.quizId = row.quizId;
        line.asked = QString::number(row.questionsAsked);
        line.attempted = QString::number(row.lastAttempted);
        line.correct = lx::DoubleText(row.lastCorrect);
        line.score = lx::Str(row.score()) + QStringLiteral(" /") + lx::Str(row.maximum());
        sheet.total += row.score();
        sheet.maxTotal += row.maximum();
        sheet.lines.push_back(line);
    }
    lx::Recordset users;
    users.Open(QStringLiteral("SELECT * FROM UserInfo"), c, lx::adOpenForwardOnly, lx::adLockReadOnly);
    if (!users.eof() && users.fieldCount() > user::FirstName) {
        const QString first = users.Fields(user::FirstName).toText();
        const QString last = users.Fields(user::LastName).toText();
        if (!(first + u' ' + last).trimmed().isEmpty())
            sheet.userName = QStringLiteral("User's Name: ") + first + u' ' + last;
    }
    sheet.finalScore = QStringLiteral("Final Score = ") + lx::Str(sheet.total) + QStringLiteral(" /") + lx::Str(double(sheet.maxTotal));
    return sheet;
}

bool WriteScoreTotals(const QString& connection, const ScoreSheet& sheet, QString* why) noexcept
{
    try {
        lx::Connection c;
        c.Open(connection);
        // A failure before COMMIT leaves the transaction open; closing the connection rolls it back.
        c.ExecuteNonQuery(QStringLiteral("BEGIN IMMEDIATE"));
        lx::Recordset users;
        users.Open(QStringLiteral("SELECT * FROM UserInfo"), c, lx::adOpenDynamic, lx::adLockOptimistic);
        if (!users.eof()) {
            users.Fields(user::TotalScore).Value = sheet.total;
            users.Fields(user::TotalMaxScore).Value = qlonglong(sheet.maxTotal);
            users.Update();
        }
        users.Close();
        c.ExecuteNonQuery(QStringLiteral("COMMIT"));
        return true;
    } catch (const lx::DatabaseError& e) {
        if (why)
            *why = QuizFileErrorText(e, connection);
    } catch (...) {
        if (why)
            *why = QStringLiteral("unknown error");
    }
    return false;
}

} // namespace quiz
