#pragma once
// The soils the triaxial windows offer, the reference database that holds each, and the SQL
// texts run on the three triaxial databases.
#include "lab/ParamBoxes.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace triaxial {

enum class TriaxialFile { Clay, SandCIDC, SandCIUC };

struct Soil {
    QString name;        // as the list shows it, compared exactly
    QString kind;        // "Clay", "Gravel" or "Sand"
    QStringList offeredFor;  // the specimen dialog's test codes ("CIDC", "CIUC", "UUC "), or "Study" for a
                             // name only the parametric study lists
    TriaxialFile file;
    double referenceNumber;
};
// Every soil a triaxial window offers, the specimen dialog's and the parametric study's, in
// the order of the specimen dialog's lists.
std::span<const Soil> SoilTable();
// The connection string global of a file.
QString FileConnection(TriaxialFile file);

// The specimen dialog's soil list for a kind and test type, in list order (empty when no
// database holds such tests).
QStringList SpecimenSoils(QStringView specimen, QStringView simType);
// The reference number of a listed soil for the test type (the row offered for the type,
// else the first of the name); nothing for a text not listed.
std::optional<double> ReferenceNumber(QStringView soil, QStringView simType);
// The file that holds a kind's tests of a type, as the soil table places them: the clays of
// every type in the clay file, the sands in the drained or the undrained file by type, the
// gravels in the drained file only; nothing for a kind and type no file holds. A run's
// summary and the parametric study read their tests from it.
std::optional<TriaxialFile> TestsFile(QStringView specimen, QStringView simType);
// The connection string global of that file; empty when no file holds such tests.
QString TestsConnection(QStringView specimen, QStringView simType);
// The connection string of the file that holds the soils the specimen dialog lists for a kind
// and type: TestsConnection, but the gravels, which the dialog lists whatever the type, come
// from the drained file that holds them.
QString SpecimenConnection(QStringView specimen, QStringView simType);
// TestInfo position of the effective confining stress: 6 for clay, 8 for gravel and sand.
int StressPosition(QStringView specimen);

// ---- SQL texts (a TestID is bound to the '?' in its place)

// "SELECT * FROM TestInfo WHERE ReferenceNumber =7.1"
QString TestInfoSql(double referenceNumber);
// The study's window query; column is "e", "[WaterContent(%)]" or "[Sigma3 (kPa)]".
QString TestInfoRangeSql(double referenceNumber, const QString& column, double low, double high);
// The points of one test, in order.
QString TestResultsSql();
QString TestResultsByReferenceSql(double referenceNumber, bool ordered);
QString ReferenceSql(double referenceNumber);

// ---- Specimen dialog

// The stress list: each distinct stress rounded to a whole number (halves to even) in its
// shortest text, in the order of first appearance.
QStringList StressList(std::span<const double> stresses);
// The text of one stress as the list shows it.
QString StressText(double stress);
// The first record whose rounded stress shows as text; -1 when none does.
int MatchingRecord(std::span<const double> stresses, QStringView text);
// Which TestInfo position fills which parameter box (txtSpecimenParameters 0 to 6), and
// how: stored values as stored, clay zeros missing.
std::span<const lx::ParamSlot> SpecimenSlots(QStringView specimen);
lx::ParamFormat SpecimenFormat(QStringView specimen);
// Captions of lblSpecimen(0..6).
QStringList SpecimenLabels(QStringView specimen);
// The seven initial-data values the boxes stand for (InitData layout; clay values in 0 to
// 3, the rest 0).
std::array<double, 7> InitFromBoxes(QStringView specimen, const QStringList& boxes);
// The back pressure a chosen specimen starts with: 700 kPa for gravel, else 70.
double StartingBackPressure(QStringView specimen);

} // namespace triaxial
