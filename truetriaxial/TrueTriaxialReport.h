#pragma once
// The report of one to seven cube or hollow-cylinder tests without its window: the
// conditions of the first test in the clay or sand layout, every test's octahedral points,
// and the failure values at each test's peak.
#include "truetriaxial/TrueTriaxialRun.h"

#include <QString>
#include <QStringList>

#include <array>
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
    std::vector<float> strain, stress, pore;
    // The first point at the peak octahedral shear stress (a tie takes the earliest).
    int peakIndex() const;
    QString peakStressText() const;
    QString peakStrainText() const;
    QString peakPoreText() const;
};

struct ReportData {
    Kind kind = Kind::Cube;
    ReportConditions conditions;
    std::vector<ReportTest> tests;
    QString error;                      // why there is no report; empty when there is one
};

// Reads the report of the tests named in titles[1 .. nTests] (titles[0] the report's title,
// whose first letter names the kind). An error names a test missing from TestInfo or
// without points, too many tests, or a database that cannot be read. A count of 0 reads
// nothing and is no error: the report shows its title alone.
ReportData readReport(int nTests, const QStringList& titles);
ReportData readReport(Kind kind, int nTests, const QStringList& titles, lx::Connection& connection);

// The colour number of test k (1 to 7): QBColor(k), test 7 in dark grey (8) so that it
// stands out from the light grey of the vertical grid.
int testColor(int k);

} // namespace truetriaxial
