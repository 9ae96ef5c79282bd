#pragma once
// The data-acquisition screen of the cube and hollow-cylinder tests: replays the stored
// points of one test, one every 200 ms, into the list, both charts and the export text.
// One shared window: every Start of the set-up form runs on it. Closing it credits the
// kind's activity when a quiz file is open.
#include "truetriaxial/TrueTriaxialRun.h"

#include "lab/Chart.h"
#include "lab/ReplayScreen.h"

#include <QStringList>

#include <optional>

class QLabel;

namespace lx {
class ChartFrame;
} // namespace lx

class frmScreenDASTTT : public lx::ReplayScreen {
    Q_OBJECT
public:
    frmScreenDASTTT();

    // Starts a run on the shared screen. A first run that cannot start leaves no window
    // (and earns no credit); an open screen keeps the run it had.
    static bool Start(const QString& TestType, const QString& strSoilType, const QString& strTestID);

    // Reads the test, then sets the screen up for its kind and starts the replay. False,
    // after a message, when the kind is unknown, the test cannot be read or has no point:
    // the screen keeps what it showed.
    bool StartTest(const QString& TestType, const QString& strSoilType, const QString& strTestID);

    void cmdReport_Click() override;

    QLabel* imgTTT;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;

    truetriaxial::Kind kind() const { return kind_; }
    const QString& testId() const { return testId_; }
    const lx::StoredCurve& curve() const { return ReplayCurve; }

private:
    void SetupCharts();
    void ShowPoint(int k);
    void DrawPoint(int k);
    int lastColumn() const { return kind_ == truetriaxial::Kind::Cube ? 6 : 4; }

    truetriaxial::Kind kind_ = truetriaxial::Kind::Cube;
    QString soil_;
    QString testId_;
    std::optional<lx::ChartTrace> main1_, main2_, second1_, second2_;
};
