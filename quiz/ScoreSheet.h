#pragma once
// The score sheet of a quiz score file: one line per QuizInfo row in ascending QuizID, the
// user's name and the final score; reading it writes the totals to the UserInfo row.
#include <QString>
#include <cstdint>
#include <vector>

namespace quiz {

struct ScoreLine {
    int quizId = 0;
    QString asked;       // as plain text
    QString attempted;
    QString correct;
    QString score;       // Str(row score) & " /" & Str(row maximum)
};

struct ScoreSheet {
    std::vector<ScoreLine> lines;
    QString userName;    // "User's Name: " & first & " " & last, empty when the file has no user
    double total = 0;
    int32_t maxTotal = 0;
    QString finalScore;  // "Final Score = " & Str(total) & " /" & Str(maximum)
};

// Reads the file of the connection string and writes TotalScore and TotalMaxScore.
// Throws lx::DatabaseError.
ScoreSheet ReadScoreSheet(const QString& connection);

} // namespace quiz
