-- The empty master copy of a student's quiz score file: written by tools/gendata (quiz).
-- Columns are used by position; only QuizID is named in the program's SQL.
CREATE TABLE UserInfo (
  UserLastName TEXT,
  UserFirstName TEXT,
  UserPassword TEXT,
  TotalScore REAL,
  TotalMaxScore INTEGER
);
CREATE TABLE QuizInfo (
  QuizID INTEGER,
  Description TEXT,
  AttemptsUsed INTEGER,
  MaxAttempts INTEGER,
  BankSize INTEGER,
  QuestionsAsked INTEGER,
  LastAttempted INTEGER,
  LastCorrect REAL,
  LastStart INTEGER,
  MarksPerQuestion INTEGER
);
-- Slot (position 1, which the quiz window does not read) numbers the slots of a quiz
-- from 0, so the window reads them ORDER BY Slot, not in whatever order they are stored.
CREATE TABLE QuestionSeq (
  QuizID INTEGER NOT NULL,
  Slot INTEGER NOT NULL,
  DisplayOrder INTEGER,
  CorrectOption INTEGER,
  ChosenOption INTEGER,
  UNIQUE (QuizID, Slot)
);
