-- One-dimensional consolidation tests: synthetic, written by tools/gendata (consolidation).
-- Reference numbers 1000 to 1999 are incremental-loading tests, 2000 and above constant rate of strain.
CREATE TABLE TestInfo (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Liquid Limit (%)" REAL,
  "Plasticity Index (%)" REAL,
  "Initial Void Ratio" REAL,
  "Strain Rate (%/min)" REAL
);
CREATE TABLE Reference (
  ReferenceNumber REAL,
  Reference TEXT,
  Date TEXT,
  "Soil Description" TEXT,
  "Specimen Height (mm)" REAL,
  "Specimen Width (mm)" REAL,
  "Specimen Type" TEXT
);
CREATE TABLE TestResults (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Point Number" INTEGER,
  "Vertical Effective Stress (kPa)" REAL,
  e REAL,
  "Vertical Strain (%)" REAL
);
