-- Undrained axial-torsional tests on clay hollow cylinders: synthetic, written by tools/gendata (truetriaxial).
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
  "Outer Diameter (mm)" REAL,
  "Inner Diameter (mm)" REAL,
  "Specimen Height (mm)" REAL,
  "Specimen Type" TEXT
);
CREATE TABLE TestResults (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Point Number" INTEGER,
  "Axial Strain (%)" REAL,
  "Shear Strain (%)" REAL,
  "Change in Vertical Stress (kPa)" REAL,
  "Rotational Shear Stress (kPa)" REAL,
  "Excess Pore Pressure (kPa)" REAL
);
