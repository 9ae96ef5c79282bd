-- A small reference-style database for the data-access tests.
CREATE TABLE TestInfo (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "WaterContent(%)" REAL,
  "Sigma3 (kPa)" REAL
);
CREATE TABLE Reference (
  "Reference Number" REAL,
  Reference TEXT,
  Date TEXT,
  "Soil Description" TEXT
);
CREATE TABLE TestResults (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Point Number" INTEGER,
  AxialStrain REAL,
  DeviatorStress REAL
);
