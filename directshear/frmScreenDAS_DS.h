#pragma once
// The direct shear data-acquisition screen: replays the stored points of one test, one
// every 500 ms, into the list, both charts, the export text and the shear-box picture
// (the upper box and its load move right). A new one per run; closing it after a replay
// started credits the direct shear activity when a quiz file is open.
#include "lab/Chart.h"
#include "lab/ReplayScreen.h"

#include <QStringList>

#include <optional>

class QGroupBox;
class QLabel;

namespace lx {
class AssemblyView;
class ChartFrame;
} // namespace lx

class frmScreenDAS_DS : public lx::ReplayScreen {
    Q_OBJECT
public:
    frmScreenDAS_DS();

    // Reads the test's points (at most lx::ScreenCap) and starts the replay. False, after a message,
    // when the database cannot be read or holds no point of the test: nothing replays.
    bool StartTest(const QString& TestID, const QString& SoilType, const QStringList& valParam);

    // Shows a new report of the replayed test.
    void cmdReport_Click() override;

    lx::AssemblyView* PicILSetup;
    QGroupBox* fraNormalStress;
    QLabel* lblNormalStress;
    QLabel* lblNormalStressVal;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;

    QString TestID;
    QString SoilType;
    QStringList ParamTexts;

private:
    // The upper box and its load stay where the test ended, the beads hidden.
    void showRunEnd() override;
    void ShowPoint(int k);
    std::optional<lx::ChartTrace> trace1, trace2;
};
