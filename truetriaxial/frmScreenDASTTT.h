#pragma once
// The data-acquisition screen of the cube and hollow-cylinder tests: replays the stored
// points of one test, one every 200 ms, into the list, both charts and the export text.
// One shared window: every Start of the set-up form runs on it. Closing it credits the
// kind's activity when a quiz file is open.
#include "truetriaxial/TrueTriaxialRun.h"

#include "app/ExportText.h"
#include "lab/Chart.h"
#include "lab/Replay.h"
#include "lab/StoredPoints.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace lx {
class ChartFrame;
class ListView;
} // namespace lx

class frmScreenDASTTT : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxPoints = 301;

    frmScreenDASTTT();
    ~frmScreenDASTTT() override;

    // Starts a run on the shared screen. A first run that cannot start leaves no window
    // (and earns no credit); an open screen keeps the run it had.
    static bool Start(const QString& TestType, const QString& strSoilType, const QString& strTestID, const QStringList& nInit);

    // Reads the test, then sets the screen up for its kind and starts the replay. False,
    // after a message, when the kind is unknown, the test cannot be read or has no point:
    // the screen keeps what it showed.
    bool StartTest(const QString& TestType, const QString& strSoilType, const QString& strTestID, const QStringList& nInit);

    void Form_Load();
    void Timer1_Timer();
    void cmdExportData_Click();
    void cmdReport_Click();
    void cmdHelp_Click();
    void cmdClose_Click();

    QLabel* lblTitle;
    QLabel* imgTTT;
    lx::ListView* lvwData;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    QPushButton* cmdExportData;
    QPushButton* cmdReport;
    QPushButton* cmdHelp;
    QPushButton* cmdClose;
    QTimer* Timer1;

    truetriaxial::Kind kind() const { return kind_; }
    const QString& testId() const { return testId_; }
    const lx::StoredCurve& curve() const { return ReplayCurve; }
    const ExportText& exportText() const { return exportText_; }

private:
    void SetupCharts();
    void ShowPoint(int k);
    void DrawPoint(int k);
    int lastColumn() const { return kind_ == truetriaxial::Kind::Cube ? 6 : 4; }

    truetriaxial::Kind kind_ = truetriaxial::Kind::Cube;
    QString soil_;
    QString testId_;
    lx::StoredCurve ReplayCurve;
    lx::Replay replay;
    ExportText exportText_;
    std::optional<lx::ChartTrace> main1_, main2_, second1_, second2_;
    bool started_ = false;   // a screen that never ran a test earns no credit
};
