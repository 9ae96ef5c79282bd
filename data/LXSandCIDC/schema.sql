-- Isotropically consolidated drained (CIDC) triaxial compression tests of sands and gravels. Synthetic tests computed by tools/gendata from the
-- soil models described in data/README.md; every Reference row says so.
CREATE TABLE TestInfo (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Average Diameter (mm)" REAL,
  "Coefficient of Uniformity" REAL,
  "Coefficient of Concavity" REAL,
  Hardness REAL,
  "Shape Factor" REAL,
  e REAL,
  "Sigma3 (kPa)" REAL
);
CREATE TABLE Reference (
  "Reference Number" REAL,
  Reference TEXT,
  Date TEXT,
  "Soil Description" TEXT
);
-- Strains are fractions (0.01 = 1 %). A drained test has no excess pore pressure (0);
-- an undrained test keeps its volume (volumetric strain 0).
CREATE TABLE TestResults (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Point Number" INTEGER,
  "Axial Strain" REAL,
  "Deviator Stress (kPa)" REAL,
  "Volumetric Strain" REAL,
  "Pore Pressure (kPa)" REAL
);
