-- Direct shear tests of sands: synthetic, written by tools/gendata (directshear).
CREATE TABLE TestInfo (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Average Particle Size (mm)" REAL,
  "Coefficient of Uniformity" REAL,
  "Maximum Void Ratio" REAL,
  "Minimum Void Ratio" REAL,
  "Relative Density (%)" REAL,
  "Initial Void Ratio" REAL,
  "Normal Stress (kPa)" REAL,
  "Deformation Rate (mm/min)" REAL
);
CREATE TABLE Reference (
  "Reference Number" REAL,
  Reference TEXT,
  Date TEXT,
  "Soil Description" TEXT,
  "Specimen Height (mm)" REAL,
  "Specimen Diameter (mm)" REAL
);
CREATE TABLE TestResults (
  ReferenceNumber REAL,
  TestID TEXT COLLATE NOCASE,
  "Point Number" INTEGER,
  "Horizontal Displacement (mm)" REAL,
  "Shear Stress (kPa)" REAL,
  "Vertical Displacement (mm)" REAL
);
