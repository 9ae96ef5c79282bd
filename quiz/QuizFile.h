#pragma once
// The student's quiz score file and the quiz resource database: connection strings, the
// check that a file is a quiz file, creating a new file, and reading and saving attempts.
// Columns are used by position; the slots and keys are read in their explicit order
// (QuestionSeq by Slot, AnswerKey by QuestionNumber), never in whatever order they are stored.
#include "app/QuizRow.h"

#include <QString>
#include <vector>

namespace quiz {

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

// The quiz file's connection string: the path (braced) with the quiz password.
QString QuizConnectionString(const QString& path);

// The SQL of one quiz's rows, with the quiz number from the program's own integer.
QString QuizInfoSql(int quizId);
QString QuestionSeqSql(int quizId);   // ORDER BY Slot
QString AnswerKeySql(int quizId);     // ORDER BY QuestionNumber

// True when the connection string opens and the file has the quiz tables: one UserInfo row,
// QuizInfo rows (one per quiz number) and a QuestionSeq table. Never throws.
bool IsQuizFile(const QString& connection);

// True when an attempt can be saved to the quiz file: a write is tried and rolled back, so a
// read-only file or folder and a full disk are found before a quiz is taken. False with the
// reason otherwise. Never throws.
bool CanSaveToQuizFile(const QString& connection, QString* why = nullptr);

// "Quiz_" & Trim(last & first) & ".lxq", with characters that would make a path or an
// awkward file name ('/', '\', ':', '*', '?', '"', '<', '>', '|', control characters) left out.
QString DefaultQuizFileName(const QString& lastName, const QString& firstName);

// Writes target as a copy of the master file with the user's row filled in, readable by
// its owner alone (0600: it holds the password). The copy is filled in inside the instance
// folder (basGlobal::TempPath, which the next start removes after a kill) and then written
// beside target and renamed over it, so a failure leaves target as it was (an existing file
// included) and no copy behind. False with the reason on failure.
bool CreateQuizFile(const QString& masterPath, const QString& target, const QString& lastName,
                    const QString& firstName, const QString& password, QString* error);

// One quiz's progress row: Read, Missing (the file has no row for the quiz) or Refused (a
// number lies outside what a quiz can hold; why says which). Throws lx::DatabaseError.
enum class RowRead { Read, Missing, Refused };
RowRead ReadQuizRow(lx::Connection& score, int quizId, QuizRow& row, QString* why = nullptr);

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
// A save refused because the quiz's attempts were all used meanwhile (another window or
// another instance of the program saved one on the same file).
class AttemptLimitReached : public lx::DatabaseError {
public:
    explicit AttemptLimitReached(int maxAttempts)
        : lx::DatabaseError(QStringLiteral("All %1 attempts of this quiz have been used.").arg(maxAttempts)), maxAttempts(maxAttempts)
    {
    }
    int maxAttempts;
};
// Writes the slots to QuestionSeq and the counts to QuizInfo (one more attempt) in one
// transaction, which first checks the attempt limit on the row as it is now: on any failure
// nothing is written and lx::DatabaseError (AttemptLimitReached at the limit) is thrown.
AttemptScore SaveAttempt(lx::Connection& score, int quizId, const Attempt& attempt);

} // namespace quiz
