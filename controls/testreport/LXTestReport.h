#pragma once
// The test report control: a one-page report of one triaxial test (title, test type,
// specimen and test conditions, the two report charts and the failure conditions at the
// peak deviator stress), from a reference database or from a result file of the response
// library. The caller sets strConnectionString and calls CreateReport once; every failure
// comes back as a ReportError (or DatabaseError) and leaves the labels filled so far.
#include "controls/reportdata/ReportData.h"
#include "lab/ReportPage.h"
#include "lab/StoredPoints.h"
#include "controls/reportdata/TriaxialReportPage.h"

#include <QString>

#include <array>
#include <memory>
#include <span>

class QLabel;
class QLineEdit;

namespace lx {

class ChartFrame;
class Connection;
class PictureBox;
class Recordset;

inline constexpr const char* kLXTestReportClassName = "LoamixTestReport.LXTestReport";

// The undrained routine's record for a stored sand specimen (InitData of a sand or gravel):
// relative density (%) by the response model's void-ratio limits, Cu, an over-consolidation
// ratio of 1, and the confining stress.
std::array<double, 4> annCiucRecord(std::span<const double> initData);

class LXTestReport : public ReportPage, public TriaxialReportPage {
    Q_OBJECT
public:
    // The data table's rows; longer tests and result files are cut there.
    static constexpr int TableRows = 301;
    static constexpr double PageWidth = 8010, PageHeight = 8490;

    explicit LXTestReport(QWidget* parent = nullptr);
    ~LXTestReport() override;

    QString strConnectionString;

    // strTestName: the mode key in characters 1 to 8 ("Get CIDC", "Get CIUC", "Get UUC ",
    // "DB CIDC ", "ANN CIDC", "ANN CIUC") and the soil letter (C, G, S) in character 10.
    // strResultFile: the soil name (Get), the reference number (DB) or the result file's
    // name (ANN: written to and read from the private temp folder when the library is
    // called, read where it is named otherwise). strTitle: the TestID, or the report's
    // title in the ANN modes. nInit: the specimen values by value row.
    void CreateReport(const QString& strTestName, const QString& strResultFile, const QString& strTitle,
                      std::span<const double> nInit);

    static float MaxData(std::span<const float> data, int num);
    static float MinData(std::span<const float> data, int num);

    // The data table as the last report filled it (columns: axial strain %, deviator stress
    // kPa, volumetric strain % or pore pressure kPa).
    const DoubleStoredCurve& table() const { return data; }
    int rowCount() const { return data.points(); }

    QLabel* lblData;
    QLabel* lblStress;
    QLabel* lblStressValue;
    QLabel* lblStrain;
    QLabel* lblStrainValue;
    QLabel* lblStrainUnit;
    QLabel* lblAxisStrain;
    QLabel* lblAxisStrainValue;
    QLabel* lblPressure;
    QLabel* lblPressureValue;
    // Chart 2's unit label (lblY2(5)).
    QLabel* lblY2Unit;

private:
    void openDatabase();
    void readPoints(const QString& sql, const QVariantList& parameters, const ColumnMap& map);
    void layOutClay();
    void layOutUndrainedCharts();
    void drawCharts();
    void showFailureConditions();

    DoubleStoredCurve data;
    std::unique_ptr<Connection> cn;
    std::unique_ptr<Recordset> rs;
};

} // namespace lx
