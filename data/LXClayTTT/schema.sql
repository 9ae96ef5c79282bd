-- Undrained true triaxial tests on clay cubes: synthetic, written by tools/gendata (truetriaxial).
CREATE TABLE TestInfo (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Liquid Limit (%)" REAL,
  "Plasticity Index (%)" REAL,
  "Strain Rate (%/min)" REAL,
  "Initial Water Content (%)" REAL,
  "b-value" REAL,
  "Beta angle" REAL,
  "Sigma_c (kPa)" REAL
);
CREATE TABLE Reference (
  "Reference Number" REAL,
  Reference TEXT,
  Date TEXT,
  "Soil Description" TEXT,
  "Specimen Length (mm)" REAL,
  "Specimen Width (mm)" REAL,
  "Specimen Height (mm)" REAL,
  "Specimen Type" TEXT
);
CREATE TABLE TestResults (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Point Number" INTEGER,
  "Major Principal Strain (%)" REAL,
  "Intermediate Principal Strain (%)" REAL,
  "Minor Principal Strain (%)" REAL,
  "Major Principal Stress (kPa)" REAL,
  "Intermediate Principal Stress (kPa)" REAL,
  "Minor Principal Stress (kPa)" REAL,
  "Excess Pore Pressure (kPa)" REAL
);
