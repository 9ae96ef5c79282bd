#pragma once
// The score sheet of a quiz score file: one line per QuizInfo row in ascending QuizID, the
// user's name and the final score. Reading needs no write access; the totals are written
// to the UserInfo row afterwards, where the file can be written.
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
    // Why the row is left out of the sheet (a number no quiz can hold); empty when shown.
    QString refused;
};

struct ScoreSheet {
    std::vector<ScoreLine> lines;
    QString userName;    // "User's Name: " & first & " " & last, empty when the file has no user
    // Rows hold at most 10 questions of 1000 marks each, so the sums are exact in any number of rows.
    double total = 0;
    int64_t maxTotal = 0;
    QString finalScore;  // "Final Score = " & Str(total) & " /" & Str(maximum)
};

// Reads the file of the connection string without writing to it. Throws lx::DatabaseError.
ScoreSheet ReadScoreSheet(const QString& connection);
// Writes the sheet's totals to TotalScore and TotalMaxScore in one transaction. False, with
// the reason, when the file cannot be written (read-only, a read-only folder, a full disk);
// the file is then unchanged. Never throws.
bool WriteScoreTotals(const QString& connection, const ScoreSheet& sheet, QString* why = nullptr) noexcept;

} // namespace quiz
