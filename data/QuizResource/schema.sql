-- Answer keys of the quiz question banks, one row per bank question in bank order:
-- written by tools/gendata (quiz). Placeholder keys until the question banks are written.
CREATE TABLE AnswerKey (
  QuizID INTEGER,
  QuestionNumber INTEGER,
  CorrectOption INTEGER
);
