#pragma once
// The triaxial shear road without its windows: the test-type texts the chooser hands on,
// the cell picture's hot spots and hints, the pressure arithmetic, the summary's boxes and
// range checks, and the run state that outlives the windows that set it.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <span>

namespace triaxial {

// ---- Test types

enum class TestKind { CIDC, CIUC, UUC };

// The test the chooser's options name: drained with isotropic is CIDC, undrained with
// isotropic CIUC, undrained with unconsolidated UUC; anything else names none.
std::optional<TestKind> SelectedTest(bool drained, bool undrained, bool isotropic, bool unconsolidated);
// "CIDC Test", "CIUC Test", "UUC Test".
QString TestLabel(TestKind kind);
// The four-character code: "CIDC", "CIUC", "UUC " (the blank belongs to it).
QString TestCode(TestKind kind);

// What a chooser button hands to the cell picture and the Specimen menu.
struct Road {
    QString simType;   // "CIUC", "UUC  Parametric Study", ...
    QString caption;   // the cell picture's caption
    bool sand;         // mnuSpecimenSand visible
    bool gravel;       // mnuSpecimenGravel visible (clay is always offered)
};
Road ShearRoad(TestKind kind);
Road StudyRoad(TestKind kind);

// A study type ends in "Parametric Study"; its code is the first four characters.
bool IsStudy(QStringView simType);
QString CodeOf(QStringView simType);

// ---- Run state kept outside the windows (the next window reads it after one closed)

struct CellState {
    QString strSimType;
    bool dlgCellPStatus = false;
    bool dlgBackPStatus = false;
    double nSpecimen = 0;            // effective confining stress chosen; 0 = none yet
    QString mSpecimen;               // "Clay", "Gravel" or "Sand"
    std::array<double, 8> InitData{};

    // InitData(i) := init(i) for i < num (num is clamped to 0..8 and to init's size).
    void LetInitialData(std::span<const double> init, int num);
    // The specimen kind and a copy of InitData (what the summary takes at its load).
    void GetInitialData(QString& specimen, std::array<double, 8>& init) const
    {
        specimen = mSpecimen;
        init = InitData;
    }
};

struct SpecimenState {
    QString strSpecimen;
    QString strSimType;
    QString strSoilType;
    double RefNumber = 0;
    QString SimTestID;
};

struct RunState {
    CellState cell;
    SpecimenState specimen;
};
RunState& State();
// Back to a fresh program's state (tests).
void ResetState();

// ---- Cell picture

enum class CellSpot { None, CellPressure, BackPressure, Specimen };
// The spot under a point of the picture (twips, bounds exclusive), checked in the order
// cell-pressure inlet, back-pressure inlet, specimen.
CellSpot HotSpot(double x, double y);
// The tool tip at a point, by which outlines show.
QString CellHint(double x, double y, bool specimenShown, bool cellShown, bool backShown);
// What a click at a point opens: a pressure inlet only once a specimen is chosen.
CellSpot ClickTarget(double x, double y, double nSpecimen);

// ---- Pressures: cell pressure = effective confining stress + back pressure

inline double CellPressureKPa(double sigma3, double back) { return sigma3 + back; }
// The back pressure a typed cell pressure stands for.
double BackFromCellText(QStringView cellText, double sigma3);
QString BackPressureLine(double back);                // "Current Back Pressure = 70 kPa"
QString CellPressureLine(double sigma3, double back); // "Current Cell Pressure = 170 kPa"

// ---- Initialization summary

// "Initialization Summary (Drained)" or "(Undrained)".
QString SummaryCaption(QStringView simType);
// Captions of lblInit(0..8) for the specimen kind.
QStringList SummaryLabels(QStringView specimen);
// Texts of txtInit(0..7) from InitData: classic number texts, a zero shows "N/A".
QStringList SummaryBoxTexts(QStringView specimen, std::span<const double, 8> init);
// The warning for a value out of its box's range (sand and gravel boxes 0 to 6, bounds
// inclusive), or nothing when the value passes or the box has no rule.
std::optional<QString> RangeMessage(QStringView specimen, int index, double value);
// "UUC  Clay" style run title (code, blank, specimen) and the report's key texts.
QString RunTitle(QStringView simType, QStringView specimen);
QString ReportRunTitle(QStringView simType, QStringView specimen, QStringView testName);

} // namespace triaxial
