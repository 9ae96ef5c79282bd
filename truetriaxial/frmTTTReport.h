#pragma once
// The report of one cube or hollow-cylinder test (from the screen) or of up to seven tests
// of one soil (from the study): the first test's conditions, octahedral shear stress and
// excess pore pressure against octahedral shear strain for every test, and a column of
// failure values per test. A new window per report; it shows itself.
#include "truetriaxial/TrueTriaxialReport.h"

#include "lab/ReportPage.h"
#include "lab/ReportWindow.h"

#include <array>

class QLabel;

namespace lx {
class ChartFrame;
} // namespace lx

class frmTTTReport : public lx::ReportWindow {
    Q_OBJECT
public:
    frmTTTReport();

    // A new report window, filled and shown; null after a message when there is no report.
    static frmTTTReport* Open(int nTests, const QStringList& strTitle);

    // Fills the window from titles[0] (the title) and titles[1 .. nTests] (the TestIDs).
    // Throws std::runtime_error with the reason when there is no report.
    void CreateReport(int nTests, const QStringList& strTitle);

    const truetriaxial::ReportData& data() const { return data_; }

    lx::ReportPage* page;
    QLabel* lblTitle;
    std::array<QLabel*, 10> lblParameter;
    std::array<QLabel*, 10> lblParamValue;
    QLabel* lblCurves;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    QLabel* lblData;
    // The failure table: a column per test (LineLegend, lbl_b_Value, lbl_BetaValue,
    // lblStressValue, lblStrainValue, lblPorePressureValue in its rows).
    lx::LegendTable failures;
    QLabel* lblUserName;
    QLabel* lblDateValue;

private:
    void fill();
    void drawCharts();
    truetriaxial::ReportData data_;
};
