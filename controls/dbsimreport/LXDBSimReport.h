#pragma once
// The database-simulation report control: one page that sets a published drained triaxial
// test of a reference database beside the response library's simulation of the same
// specimen, with the published source as title, the specimen values, both curves in each
// of the two report charts, a legend and a failure table with one row per curve. The
// caller sets strConnectionString (and mTestType), then calls CreateReport once; every
// failure comes back as an error and leaves the page as far as it was filled.
#include "lab/ReportPage.h"
#include "lab/StoredPoints.h"
#include "controls/reportdata/TriaxialReportPage.h"

#include <QString>

#include <array>
#include <span>

class QLabel;

namespace lx {

class ChartFrame;
class ListView;
class PictureBox;

inline constexpr const char* kLXDBSimReportClassName = "LoamixDBSimReport.LXDBSimReport";

class LXDBSimReport : public ReportPage, public TriaxialReportPage {
    Q_OBJECT
public:
    static constexpr double PageWidth = 7920, PageHeight = 8475;
    // The specimen values CreateReport reads (0 to 6) and writes (7, the end strain).
    static constexpr size_t InitValues = 8;

    explicit LXDBSimReport(QWidget* parent = nullptr);
    ~LXDBSimReport() override;

    QString strConnectionString;
    // The test-type caption the page ends with; empty until the caller sets it.
    QString mTestType;

    // strTestName: the mode key in characters 1 to 8; only "DB CIDC " reads a test, any other
    // key fills the title and the date alone. strResults: the result file's name; the path
    // the library wrote it to comes back here. strReferenceNum: the published test's
    // reference number (a number). strTitle: its TestID. nInit: the specimen values 0 to 6
    // (granular layout); element 7 is set to the published test's last axial strain (%).
    void CreateReport(const QString& strTestName, QString& strResults, const QString& strReferenceNum,
                      const QString& strTitle, std::span<double> nInit);

    static float MaxData(std::span<const float> data, int num);
    static float MinData(std::span<const float> data, int num);

    // The two curves as the last report read them (axial strain %, deviator stress kPa,
    // volumetric strain %), each with its own point count.
    const DoubleStoredCurve& published() const { return curves[0]; }
    const DoubleStoredCurve& simulation() const { return curves[1]; }

    PictureBox* picLegend;
    QLabel* lblData;
    ListView* lvwFailure;

private:
    void DrawStressChart();
    void DrawSecondChart();
    void DrawLegend();
    void FillFailureTable();
    // Both curves of one column (1 chart 1, 2 chart 2) against axial strain.
    void drawChart(ChartFrame& frame, int column);

    // 0: the published test, 1: the simulation.
    std::array<DoubleStoredCurve, 2> curves;
};

} // namespace lx
