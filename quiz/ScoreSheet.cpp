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
    rows.Open(QStringLiteral("SELECT * FROM QuizInfo order by QuizID"), c, lx::adOpenDynamic, lx::adLockOptimistic);
    for (; !rows.eof(); rows.MoveNext()) {
        ScoreLine line;
        line.quizId = int(rows.Fields(info::QuizID).toDouble());
        line.asked = rows.Fields(info::QuestionsAsked).toText();
        line.attempted = rows.Fields(info::LastAttempted).toText();
        line.correct = rows.Fields(info::LastCorrect).toText();
        const double marks = rows.Fields(info::MarksPerQuestion).toDouble();
        const double rowMax = rows.Fields(info::QuestionsAsked).toDouble() * marks;
        const double rowScore = rows.Fields(info::LastCorrect).toDouble() * marks;
        line.score = lx::Str(rowScore) + QStringLiteral(" /") + lx::Str(rowMax);
        sheet.total += rowScore;
        sheet.maxTotal += int32_t(rowMax);
        sheet.lines.push_back(line);
    }
    lx::Recordset users;
    users.Open(QStringLiteral("SELECT * FROM UserInfo"), c, lx::adOpenDynamic, lx::adLockOptimistic);
    if (!users.eof()) {
        const QString first = users.Fields(user::FirstName).toText();
        const QString last = users.Fields(user::LastName).toText();
        if (!(first + u' ' + last).trimmed().isEmpty())
            sheet.userName = QStringLiteral("User's Name: ") + first + u' ' + last;
        users.Fields(user::TotalScore).Value = sheet.total;
        users.Fields(user::TotalMaxScore).Value = qlonglong(sheet.maxTotal);
        users.Update();
    }
    sheet.finalScore = QStringLiteral("Final Score = ") + lx::Str(sheet.total) + QStringLiteral(" /") + lx::Str(sheet.maxTotal);
    return sheet;
}

} // namespace quiz
