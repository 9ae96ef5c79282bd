-- Answer keys of the quiz question banks, one row per bank question: written by
-- tools/gendata (quiz) from data/quiz. QuestionNumber (position 1, which the quiz window
-- does not read) is the question's 1-based place in its bank, so the window reads the
-- keys ORDER BY QuestionNumber, not in whatever order they are stored.
CREATE TABLE AnswerKey (
  QuizID INTEGER NOT NULL,
  QuestionNumber INTEGER NOT NULL,
  CorrectOption INTEGER,
  UNIQUE (QuizID, QuestionNumber)
);
