#pragma once
// The true triaxial (cube) and hollow-cylinder tests without their windows: the two kinds
// and their databases, the soils of the set-up form and of the study, the queries, the
// lists of stored angles and b-values, the parameter texts handed to the screen, and the
// octahedral values the report draws.
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace lx {
class Recordset;
}

namespace truetriaxial {

// "Cube": a cubical clay specimen; "HC": the axial-torsional test on a hollow cylinder.
enum class Kind { Cube, HollowCylinder };

// "Cube" or "HC", as the windows hand the kind on.
QString kindText(Kind kind);
std::optional<Kind> kindFromText(const QString& text);
// The kind a report title names by its first letter ("True ..." a cube, "Axial ..." a
// hollow cylinder); none for any other title.
std::optional<Kind> kindOfTitle(const QString& title);

// A soil as a list shows it, and its reference number in the kind's database.
struct Soil {
    QString name;
    double referenceNumber;
};
// The set-up form's soils, in list order ("Edga Plastic Kaolin", as the form spells it).
const std::vector<Soil>& setupSoils(Kind kind);

// The parametric study's soils: the window of the consolidation pressure and the varied
// column with the decimals its values show.
struct StudySoil {
    QString name;                // "Edgar Plastic Kaolin" here
    double referenceNumber;
    float centre, tolerance;     // kPa
    int column;                  // TestInfo position: 6 b-value, 7 Beta angle
    int decimals;
    QString titlePrefix;
};
const std::vector<StudySoil>& studySoils(Kind kind);
const StudySoil* studySoil(Kind kind, const QString& name);

// "SELECT * FROM TestInfo WHERE ReferenceNumber = 1000 And [Sigma_c (kPa)] BETWEEN 120 And 124".
QString studySql(const StudySoil& soil);

// The set-up form's queries; numbers as plain decimal text.
QString betaListSql(double referenceNumber);
QString bValueListSql(double referenceNumber, double beta);
// The test of a soil and angle (and b-value for a cube; a hollow cylinder ignores it).
QString testSql(Kind kind, double referenceNumber, double beta, double bValue);
QString referenceSql(double referenceNumber);
// The conditions of one test by its TestID (bound to '?').
QString testInfoByIdSql();
// The points of one test by its TestID (bound to '?').
QString testResultsSql();

// One item of the angle or b-value list: its text (the stored value rounded) and the stored
// value of the first row that gave it, which the next query asks for.
struct ListedValue {
    QString text;
    double stored;
};
// Lists each rounded value once, in the order given.
std::vector<ListedValue> listDistinct(std::span<const double> stored, int decimals);
// The values of a field over every row from the first; missing values are passed over.
std::vector<double> columnValues(lx::Recordset& rs, int position);
// The stored value of a listed text; none when the text is not listed (a prompt).
std::optional<double> storedValueOf(const std::vector<ListedValue>& list, const QString& text);

// The set-up form's ten boxes from the test's TestInfo row and its soil's Reference row
// (either may be at its end: its boxes stay "N/A").
inline constexpr int BoxCount = 10;
QStringList setupBoxes(lx::Recordset& testInfo, lx::Recordset& reference);
// ParamTexts: boxes 0 to 6, the listed Beta angle and b-value, and box 9.
QStringList paramTexts(const QStringList& boxes, const QString& beta, const QString& bValue);

// Octahedral shear stress (kPa) rounded to one decimal and octahedral shear strain (%)
// rounded to three, computed in double and stored as single precision.
// Cube: 1/3 sqrt of the sum of the squared differences of the principal values.
float cubeOctStress(double s1, double s2, double s3);
float cubeOctStrain(double e1, double e2, double e3);
// Hollow cylinder under equal inner and outer pressures: sqrt(2/9 dSa^2 + 2/3 tau^2); the
// strain of an undrained axisymmetric specimen (er = et = -ea/2) twisted by the engineering
// shear strain gamma: sqrt(ea^2/2 + gamma^2/6), the cube's definition of the same state.
float hollowOctStress(double deltaSa, double tau);
float hollowOctStrain(double ea, double gamma);

} // namespace truetriaxial
