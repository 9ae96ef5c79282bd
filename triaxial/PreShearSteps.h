#pragma once
// The rules of the graded steps before shearing, without windows: the calliper and pi-tape
// readings, the attempt rule with its prompts and grade, the saturation B-value, the
// consolidation target and the isotropic consolidation record computed from its formulas.
#include <QString>

#include <array>

namespace preshear {

// ---- measurement ----------------------------------------------------------------------

enum class Phase { Height, Diameter };

// The main scale is drawn at 88.5 twips per millimetre; the value under the vernier's zero
// is 90 - L / 88.5 mm for the scale's left edge L (twips, in the picture panel).
inline constexpr double TwipsPerMm = 88.5;
// Where the main scale stands while nothing is read (reads 44.8 mm).
inline constexpr double ParkedScaleLeft = 4000;
// Where a reading puts the main scale for a random u in [0, 1): a multiple of 25 twips,
// from -8700 to -6200 for the height and from -2600 to -100 for the diameter.
double mainScaleLeft(float u, Phase phase);
double scaleReading(double left);
// An entry within 0.2 mm of the reading (strictly) is right.
bool readingAccepted(double reading, double entry);
// cm^3 from the height and diameter in mm, rounded to whole cm^3.
double specimenVolume(double heightMm, double diameterMm);
// The range check of Next: empty when both are inside the common ranges (ends included).
QString specimenRangeMessage(double heightMm, double diameterMm);

// ---- the attempt rule -----------------------------------------------------------------

// Failed attempts in a row of one graded entry, the prompts they bring and the grade the
// prompts' "Move on" costs. The grade has no lower limit.
class AttemptRule {
public:
    enum Outcome { TryAgain, Continue, MoveOn };

    int failures() const { return nFailures; }
    void reset() { nFailures = 0; }

    // A wrong entry, for the steps that prompt on the third failure in a row: the first
    // and second show message with one "OK"; the third shows only the prompt. "Move on"
    // takes 0.1 from score.
    Outcome failOfThree(const QString& title, const QString& message, float& score);
    // A wrong entry for the steps that prompt on the fourth: message every time, then the
    // prompt after the fourth. "Move on" takes 0.2 from score.
    Outcome failOfFour(const QString& title, const QString& message, float& score);

private:
    int nFailures = 0;
};

// ---- saturation -----------------------------------------------------------------------

// Both saturation bars and the target bar run from 0 to this; the value shown is this less
// the bar's position, so the up arrow raises it.
inline constexpr int BarMaximum = 1000;
// The effective confining stress held during saturation: at least 1 kPa (the record takes
// the logarithm of the target over it), at most 40 kPa.
inline constexpr int SaturationStressMin = 1;
inline constexpr int SaturationStressMax = 40;
// What the stress box shows for a bar's value: never more than 40 kPa nor less than 1 kPa.
int saturationStressShown(int barValue);

// Skempton's B for back pressure bp (kPa) and the specimen's random constant r.
double BValue(double backPressure, double r);
// Its text as the box shows it: rounded to three decimals, shortest text ("0.95").
QString BValueText(double backPressure, double r);
// Next is refused below 0.95 of the number shown.
bool saturated(const QString& shownB);

// ---- consolidation target -------------------------------------------------------------

// The increase in cell pressure the target needs, the back pressure staying as saturated.
double requiredIncrease(double target, double saturationStress);
// An increase within 2 kPa (strictly) of the required one is right.
bool increaseAccepted(double target, double saturationStress, double increase);
// A target at or below the saturation stress cannot be reached by consolidation.
bool targetReachable(double target, double saturationStress);

// ---- isotropic consolidation record ---------------------------------------------------

// What the record window is handed: the boxes of the steps as texts, and the grade.
struct HandOver {
    QString target;           // final effective confining stress, kPa
    QString increase;         // increase in cell pressure, kPa
    QString cellPressure;     // applied cell pressure, kPa
    QString saturationStress; // effective confining stress of saturation, kPa
    QString backPressure;     // kPa
    QString height;           // mm
    QString volume;           // cm^3
    QString diameter;         // mm
    float score = 1.0f;
};

struct RecordRow {
    QString time, cellPressure, porePressure, displacement, axialStrain, expelled, volumetricStrain;
};

// Ten rows of the record from the closed formulas with one random constant r. Every cell
// holds the shortest text of its rounded value, and later columns read the cells back.
class ConsolidationRecord {
public:
    static constexpr int Rows = 10;

    ConsolidationRecord(const HandOver& values, float r);

    // False when the formulas are undefined (saturation stress not positive or target not
    // above it): no rows are made and the record must not start.
    bool valid() const { return isValid; }
    float randomConstant() const { return r; }
    double endVolumetricStrain() const { return E; }
    // The strain axis's maximum: Round((E + 2.1) / 4) * 4, in single precision.
    float strainAxisMax() const { return ymax; }
    const RecordRow& row(int i) const { return rows[std::size_t(i)]; }

    // The end-stress check: cell pressure less excess pore pressure of row 9 less the back
    // pressure; right within 2 kPa (strictly).
    double expectedEndStress() const;
    bool endStressAccepted(double entry) const;

    // The dimensions after consolidation, from row 9.
    double heightAfter() const;
    double volumeAfter() const;
    double diameterAfter() const;
    // An entry is right within 0.5 % of the expected value (inclusive).
    static bool dimensionAccepted(double entry, double expected);

private:
    HandOver in;
    float r;
    bool isValid = false;
    double E = 0;
    float ymax = 4;
    std::array<RecordRow, Rows> rows{};
};

} // namespace preshear
