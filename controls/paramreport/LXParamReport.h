#pragma once
// The parametric-study report: up to five stored tests of one soil side by side on one
// page, with the specimen values they share, the fixed value, two charts of one coloured
// curve per test, a legend of the varied values and a failure table with one line per
// test. The host window (frmStudyReport) sets strConnectionString and calls CreateReport
// once.
#include "lab/ReportPage.h"
#include "lab/StoredPoints.h"
#include "platform/Database.h"

#include <QString>

#include <array>
#include <span>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace lx {
class ChartFrame;
class ListView;
class PictureBox;
} // namespace lx

namespace lx {

// The class name the program knows the control by.
inline constexpr const char* kLXParamReportClassName = "LoamixParamReport.LXParamReport";

class LXParamReport : public lx::ReportPage {
    Q_OBJECT
public:
    explicit LXParamReport(QWidget* parent = nullptr);

    QString strConnectionString;

    // strTestName: characters 5 to 8 the test code ("CIDC", "CIUC", "UUC "), character 10 the
    // soil letter. strTitle: 0 the title, 1 to 5 the tests' TestIDs from 1 on without gaps.
    // nInit: 0 the kind (0 pressure varies, 1 void ratio varies), 1 to 5 the specimen values,
    // 6 the fixed value, 7 to 11 the varied values. Throws lx::DatabaseError when the
    // database cannot be read; what was filled before stays.
    void CreateReport(const QString& strTestName, const std::array<QString, 6>& strTitle, const std::array<double, 12>& nInit);

    // The report charts' extremes over the first num values: 0 for num < 1.
    static float MaxData(std::span<const float> data, int num);
    static float MinData(std::span<const float> data, int num);

    // The points of all tests, one test after the other (axial strain %, deviator stress
    // kPa, volumetric strain % or pore pressure kPa); as many as the tests hold.
    const lx::DoubleStoredCurve& data() const { return table; }
    int testCount() const { return table.tests(); }

    QLineEdit* txtTitle;
    QLabel* lblTestType;
    std::array<QLabel*, 6> lblInit{};
    std::array<QLabel*, 6> lblInitValues{};
    QLabel* lblChart;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    QGroupBox* fraLegend;
    lx::PictureBox* picLegend;   // the legend's lines and captions
    std::array<QString, 5> lblLegend{};
    QLabel* lblData;
    lx::ListView* lvwFailure;
    QLabel* lblDateValue;

private:
    lx::Connection connection;
    lx::DoubleStoredCurve table;

    // Both charts over all tests: one curve per test in colour 9 + its index.
    void drawCharts();
};

} // namespace lx
