#pragma once
// The student's quiz score file and the quiz resource database: connection strings, the
// check that a file is a quiz file, creating a new file, and reading and saving attempts.
// Columns are used by position; the slots and keys are read in their explicit order
// (QuestionSeq by Slot, AnswerKey by QuestionNumber), never in whatever order they are stored.
#include <QString>
#include <vector>

namespace lx {
class Connection;
}

namespace quiz {

// QuizInfo positions.
namespace info {
inline constexpr int QuizID = 0, AttemptsUsed = 2, MaxAttempts = 3, BankSize = 4, QuestionsAsked = 5,
                     LastAttempted = 6, LastCorrect = 7, LastStart = 8, MarksPerQuestion = 9;
}
// UserInfo positions.
namespace user {
inline constexpr int LastName = 0, FirstName = 1, Password = 2, TotalScore = 3, TotalMaxScore = 4;
}
// QuestionSeq positions.
namespace seq {
inline constexpr int DisplayOrder = 2, CorrectOption = 3, ChosenOption = 4;
}
// AnswerKey position of the correct option.
inline constexpr int AnswerKeyCorrectOption = 2;

// The ten slots of the quiz window.
inline constexpr int MaxSlots = 10;

// "DBQ=" & path & ";" & "Driver={Microsoft Access Driver (*.mdb)};" & the quiz password entry.
QString QuizConnectionString(const QString& path);

// The SQL of one quiz's rows, with the quiz number from the program's own integer.
QString QuizInfoSql(int quizId);
QString QuestionSeqSql(int quizId);   // ORDER BY Slot
QString AnswerKeySql(int quizId);     // ORDER BY QuestionNumber

// True when the connection string opens and the file has the quiz tables: one UserInfo row,
// QuizInfo rows and a QuestionSeq table. Never throws.
bool IsQuizFile(const QString& connection);

// "Quiz_" & Trim(last & first) & ".lxq", with characters that would make a path or an
// awkward file name ('/', '\', ':', '*', '?', '"', '<', '>', '|', control characters) left out.
QString DefaultQuizFileName(const QString& lastName, const QString& firstName);

// Writes target as a copy of the master file with the user's row filled in. The copy is
// made and written aside and renamed into place only when complete, so a failure leaves
// target as it was (an existing file included). False with the reason on failure.
bool CreateQuizFile(const QString& masterPath, const QString& target, const QString& lastName,
                    const QString& firstName, const QString& password, QString* error);

// One quiz's progress row.
struct QuizRow {
    int quizId = 0;
    int attemptsUsed = 0;
    int maxAttempts = 0;
    int bankSize = 0;
    int questionsAsked = 0;
    int lastAttempted = 0;
    double lastCorrect = 0;
    int lastStart = 0;
    double marksPerQuestion = 0;
};
// The row, or false when the file has none for the quiz. Throws lx::DatabaseError.
bool ReadQuizRow(lx::Connection& score, int quizId, QuizRow& row);

// One saved slot.
struct SavedSlot {
    int displayOrder = 0;
    int chosen = 0;
};
std::vector<SavedSlot> ReadQuestionSeq(lx::Connection& score, int quizId);
// The keys of bank questions 1, 2, ... in bank order.
std::vector<int> ReadAnswerKeys(lx::Connection& resource, int quizId);

// An attempt as the window holds it, per slot i (0 to N - 1): order[i] is the slot of
// block question i, keys[i] and chosen[i] belong to slot i.
struct Attempt {
    int start = 1;
    std::vector<int> order;
    std::vector<int> keys;
    std::vector<int> chosen;
};
struct AttemptScore {
    int attempted = 0;
    int correct = 0;
};
// Counts what was attempted and answered correctly.
AttemptScore Score(const Attempt& attempt);
// Writes the slots to QuestionSeq and the counts to QuizInfo (one more attempt) in one
// transaction: on any failure nothing is written and lx::DatabaseError is thrown.
AttemptScore SaveAttempt(lx::Connection& score, int quizId, const Attempt& attempt);

} // namespace quiz
