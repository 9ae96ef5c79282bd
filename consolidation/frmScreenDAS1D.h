#pragma once
// The consolidation data-acquisition screen: replays the stored points of one test, one
// every 600 ms, into the list, the export text and the two void-ratio charts; for an
// incremental-loading test each listed point closes a load increment whose
// settlement-time curve is drawn and whose weights go on or off the hanger. A new one per
// run; closing it credits the test's activity when a quiz file is open.
#include "consolidation/ConsolidationCharts.h"
#include "consolidation/ConsolidationRun.h"
#include "lab/Chart.h"
#include "lab/ReplayScreen.h"

#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace consolidation {
class SettlementChart;
}

namespace lx {
class AssemblyView;
class ChartFrame;
} // namespace lx

class frmScreenDAS1D : public lx::ReplayScreen {
    Q_OBJECT
public:
    frmScreenDAS1D();
    ~frmScreenDAS1D() override;

    // Reads the test's points and starts the replay. False, after a message, when the
    // database cannot be read or holds no usable point of the test: nothing replays and
    // closing earns no credit.
    bool StartTest(float RefN, const QString& TestID, const QString& SoilType, const QStringList& valParam);

    void cmdeSv_Click();
    void cmdeLogsv_Click();
    void cmdExport_et_Click();
    void cmdReport_Click() override;

    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    lx::ChartFrame* PicFrame3;
    // On PicFrame3; owned here, so that it goes before the curve and the replay it reads.
    std::unique_ptr<consolidation::SettlementChart> settlement;
    lx::AssemblyView* PicILSetup;
    lx::AssemblyView* PicCRSSetup;
    std::array<QLabel*, 4> lblCRS;   // "LVDT", "Load Cell", "Transducer", "Back Pressure"
    QPushButton* cmdeSv;
    QPushButton* cmdeLogsv;
    QPushButton* cmdExport_et;

    // The run.
    consolidation::Kind kind = consolidation::Kind::None;
    QString strTestID;
    QString strSoilType;
    QStringList ParamTexts;
    consolidation::ChartAxes axes;
    consolidation::LoadWeights weights;

    // The top of the upper and the lower chart place.
    static constexpr double UpperSlotTop = 60, LowerSlotTop = 3585;

private:
    void ShowPoint(int i);
    // Stepping through the increments and their export, where the run has a curve to show.
    void showRunEnd() override;
    std::optional<lx::ChartTrace> trace1, trace2;
};
