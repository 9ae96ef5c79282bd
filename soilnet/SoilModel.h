#pragma once
// soilnet's response model: an empirical description of triaxial compression of sands and
// gravels, independent of the models that produced the stored tests. Plain C++ (no Qt): the
// shared library that wraps it is loaded into the program by name.
//
// Drained shearing (CIDC), per specimen:
//   void ratio limits   emax = (0.92 + 0.4 A) Cu^-0.2 (1 + 0.05 |ln Cc|), emin = 0.58 emax,
//                       A = (shape factor - 10) / 15 in [0, 1] (0 rounded .. 1 very angular)
//   relative density    Dr = (emax - e) / (emax - emin) in [0, 1]
//   friction            phi_cv = 29.5 + 0.45 (S - 10) + ln Cu (degrees)
//                       Bolton's index I = Dr (Q - ln p'_f) - 1, Q = 10 - 0.8 (7 - H) - 0.3 log10(D50 / 0.3 mm)
//                       (+ an interlocking rise for gravel), phi_p = phi_cv + 3 clamp(I, 0, 4) (+ interlocking),
//                       p'_f the mean stress at the peak
//   stress-strain       a hyperbola with its peak at eps_p, q/q_p = k x / (1 + (k - 2) x + x^2),
//                       x = eps_a / eps_p, k = E_i eps_p / q_p, E_i = K_E p_a (s3/p_a)^0.5;
//                       after the peak q falls to q_cv as exp(-((x - 1) / s)^2)
//   dilatancy           Rowe's stress-dilatancy in rate form, d eps_v / d eps_a = beta (1 - R / K_cv),
//                       R = s1'/s3', K_cv = tan^2(45 + phi_cv / 2); beta makes the initial contraction
//                       rate c0 (looseness, contractive state, particle breakage) and 0.1 per degree of
//                       phi_p - phi_cv at the peak (Bolton's 0.3 I)
// Undrained shearing (CIUC) uses the same mobilised stress ratio and dilatancy; the volume
// the skeleton would change instead moves the mean effective stress, dp' = -K_u (d eps_v), and
// the excess pore pressure is u = s3 + q/3 - p'. The details and constants are in
// data/README.md (section "soilnet").
#include <string>
#include <vector>

namespace soilnet {

// The three drained routines share the equations and differ in their constants.
enum class Calibration { Gravel, SandHigh, SandLow };

// The caller's record of a granular specimen (the report controls' nInit layout).
struct GranularSpecimen {
    double averageDiameterMm = 0;
    double uniformity = 0;      // Cu
    double concavity = 0;       // Cc
    double hardness = 0;        // Mohs
    double shapeFactor = 0;     // 10 well rounded .. 25 very angular
    double voidRatio = 0;
    double confiningKPa = 0;    // effective confining stress
    double endStrainPercent = 0;   // the last axial strain; <= 0 or missing: 30 %
};

// The undrained routine's record: relative density (%), Cu, over-consolidation ratio, s3'.
struct UndrainedSpecimen {
    double relativeDensityPercent = 0;
    double uniformity = 0;
    double overConsolidation = 1;
    double confiningKPa = 0;
};

struct Row {
    double axialStrainPercent;
    double deviatorStressKPa;
    double third;               // volumetric strain (%, contraction positive) or excess pore pressure (kPa)
};

struct Curve {
    std::vector<Row> rows;
    double relativeDensity = 0;     // 0..1
    double phiCvDeg = 0;
    double phiPeakDeg = 0;          // the model's peak angle at the start of shearing
};

// Empty string when the values can be simulated, else why not.
std::string check(const GranularSpecimen& s);
std::string check(const UndrainedSpecimen& s);

// Relative density (0..1) of a granular specimen by the model's void-ratio limits; also what
// turns a stored specimen into the undrained routine's record.
double relativeDensity(const GranularSpecimen& s);

// 301 rows from 0 to the end strain. The specimen must pass check().
Curve drained(const GranularSpecimen& s, Calibration c);
// 1251 rows from 0 to 25 % axial strain in steps of 0.02 %. The specimen must pass check().
Curve undrained(const UndrainedSpecimen& s);

// Text of the result file: header lines (12 drained, 8 undrained), then one row a line,
// three numbers separated by commas.
std::string drainedFile(const GranularSpecimen& s, const Curve& curve, const char* procedure);
std::string undrainedFile(const UndrainedSpecimen& s, const Curve& curve);

} // namespace soilnet
