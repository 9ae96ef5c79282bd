#pragma once
// The report of one to seven cube or hollow-cylinder tests without its window: the
// conditions of the first test in the clay or sand layout, every test's octahedral points,
// and the failure values at each test's peak.
#include "truetriaxial/TrueTriaxialRun.h"

#include "lab/StoredTest.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace lx {
class Connection;
class Recordset;
} // namespace lx

namespace truetriaxial {

// The most tests one report sets side by side (seven columns of the failure table).
inline constexpr int MaxReportTests = 7;

// The parameter rows of the report: captions and values (values "N/A" where missing).
struct ReportConditions {
    std::array<QString, 10> captions;
    std::array<QString, 10> values;
    bool sand = false;   // a reference number of 2000 or more
};
// From the first test's TestInfo row and its soil's Reference row (either may be at its end).
ReportConditions reportConditions(Kind kind, lx::Recordset& testInfo, lx::Recordset& reference);

// One test of the report.
struct ReportTest {
    QString testId;
    QString bValue, betaAngle;          // TestInfo positions 6 and 7 as stored
};

// The report's points: octahedral strain (%), octahedral stress (kPa) and excess pore
// pressure (kPa), every test one after another in the order of its TestID.
enum ReportColumn { OctStrain = 0, OctStress = 1, PorePressure = 2 };
// How a TestResults row becomes a report point: the octahedral values computed in double,
// rounded (strain 3, stress 1 decimal) and held in single precision; a cube's pore
// pressure rounded to one decimal, a hollow cylinder's as stored.
lx::ColumnMap reportColumns(Kind kind);

struct ReportData {
    Kind kind = Kind::Cube;
    ReportConditions conditions;
    std::vector<ReportTest> tests;
    lx::StoredCurve points;
    QString error;                      // why there is no report; empty when there is one
    lx::LeftOutRows leftOut;            // stored rows its tests left out, to be told

    // The failure values of test t at its first peak of octahedral stress: stress, strain
    // and pore pressure as texts (empty for a test without points).
    QStringList failureTexts(int t) const;
};

// Reads the report of the tests named in titles[1 .. nTests] (titles[0] the report's title,
// whose first letter names the kind). An error names a test missing from TestInfo or
// without points, too many tests, or a database that cannot be read. A count of 0 reads
// nothing and is no error: the report shows its title alone. connectionOf gives the
// connection string of a kind's stored tests.
ReportData readReport(int nTests, const QStringList& titles, const std::function<QString(Kind)>& connectionOf);
ReportData readReport(Kind kind, int nTests, const QStringList& titles, lx::Connection& connection);

// The colour number of test k (1 to 7): QBColor(k), test 7 in dark grey (8) so that it
// stands out from the light grey of the vertical grid.
int testColor(int k);

} // namespace truetriaxial
