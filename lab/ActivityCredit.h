#pragma once
// The credit a test window gives the student's quiz file when an activity is finished:
// one more attempt on the activity's QuizInfo row, then the related quiz opened through
// the quiz browser's button.
#include <QString>

namespace lx {

// A simulated activity: its QuizInfo row and the quiz-browser button its credit presses.
struct Activity {
    int id;
    int quizButton;
};

namespace activities {
inline constexpr Activity TriaxialConsolidation{211, 202};  // the isotropic-consolidation record
inline constexpr Activity TriaxialShear{212, 202};          // the shear data-acquisition screen
inline constexpr Activity TriaxialStudy{213, 203};
inline constexpr Activity ConsolidationIL{311, 301};
inline constexpr Activity ConsolidationCRS{312, 302};
inline constexpr Activity DirectShear{411, 401};
inline constexpr Activity DirectShearStudy{412, 402};
inline constexpr Activity TrueTriaxialCube{511, 501};
inline constexpr Activity HollowCylinder{511, 502};         // shares the cube's row
inline constexpr Activity TrueTriaxialStudy{512, 502};
} // namespace activities

enum class CreditResult {
    NoQuizFile,  // QuizFileConnection is empty: nothing done
    Credited,    // the row was updated and the button pressed
    RowMissing,  // the file has no row for the activity: nothing written, the button pressed
    Failed,      // the file could not be opened or written: one message, nothing changed, no press
};

// With basGlobal::QuizFileConnection not empty: opens a connection of its own on it and, in
// one transaction, adds 1 to the activity's AttemptsUsed and sets LastAttempted to 1 and
// LastCorrect to lastCorrect rounded to one decimal (1 for a finished activity; the
// isotropic-consolidation record passes its grade). Then presses the activity's quiz
// button (basGlobal::PressQuizButton, which presses nothing while the program shuts down).
// A failure rolls back, is reported once through the message service and goes no further:
// the call never throws, so a closing window always closes.
CreditResult ActivityCredit(const Activity& activity, double lastCorrect = 1.0) noexcept;

} // namespace lx
