#pragma once
// The quiz file choice the frame's QuizOption runs: Open, Create or Disable, asked until a
// quiz file is open for a logged-in user or the student declines.
namespace quiz {

// True: a quiz score file is open for a logged-in or newly registered user and
// basGlobal::QuizFileConnection names it. False: the student chose Disable and
// QuizFileConnection is empty.
bool QuizOption();

} // namespace quiz
