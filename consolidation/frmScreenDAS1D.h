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
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

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

    void Timer2_Timer();
    void cmdPrev_Click();
    void cmdNext_Click();
    void cmdeSv_Click();
    void cmdeLogsv_Click();
    void cmdExport_et_Click();
    void cmdReport_Click() override;
    void cmdHelp_Click() override;

    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    lx::ChartFrame* PicFrame3;
    QPushButton* cmdPrev;
    QPushButton* cmdNext;
    QLabel* lblPoints;
    QLabel* lbleRange;
    lx::AssemblyView* PicILSetup;
    lx::AssemblyView* PicCRSSetup;
    std::array<QLabel*, 4> lblCRS;   // "LVDT", "Load Cell", "Transducer", "Back Pressure"
    QPushButton* cmdeSv;
    QPushButton* cmdeLogsv;
    QPushButton* cmdExport_et;
    QTimer* Timer2;

    // The run.
    consolidation::Kind kind = consolidation::Kind::None;
    QString strTestID;
    QString strSoilType;
    QStringList ParamTexts;
    consolidation::ChartAxes axes;
    consolidation::IncrementSteps increments;
    consolidation::LoadWeights weights;
    // The increment whose curve was drawn last, and the curve's progress (rows 0 to 12).
    float curveE1 = 0, curveE2 = 0;
    int curveRow = 0;
    bool curveDrawn = false;

    // The top of the upper and the lower chart place.
    static constexpr double UpperSlotTop = 60, LowerSlotTop = 3585;

private:
    void ShowPoint(int i);
    void DrawIncrementCurve(float e1, float e2);
    void ShowIncrement();
    void ReplayFinished();
    std::optional<lx::ChartTrace> trace1, trace2, trace3;
};
