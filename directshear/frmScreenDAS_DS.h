#pragma once
// The direct shear data-acquisition screen: replays the stored points of one test, one
// every 500 ms, into the list, both charts, the export text and the shear-box picture
// (the upper box and its load move right). A new one per run; closing it after a replay
// started credits the direct shear activity when a quiz file is open.
#include "app/ExportText.h"
#include "lab/Chart.h"
#include "lab/Replay.h"
#include "lab/StoredPoints.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class frmDirectShearReport;

namespace lx {
class AssemblyView;
class ChartFrame;
class ListView;
} // namespace lx

class frmScreenDAS_DS : public QWidget {
    Q_OBJECT
public:
    frmScreenDAS_DS();
    ~frmScreenDAS_DS() override;

    // Reads the test's points (at most 301) and starts the replay. False, after a message,
    // when the database cannot be read or holds no point of the test: nothing replays.
    bool StartTest(const QString& TestID, const QString& SoilType, const QStringList& valParam);

    void Form_Load();
    void Timer1_Timer();
    void cmdExportData_Click();
    // Makes a new report of the replayed test; it shows itself.
    frmDirectShearReport* cmdReport_Click();
    void cmdHelp_Click();
    void cmdClose_Click();

    QLabel* lblTitle;
    lx::AssemblyView* PicILSetup;
    QGroupBox* fraNormalStress;
    QLabel* lblNormalStress;
    QLabel* lblNormalStressVal;
    lx::ListView* lvwData;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    QPushButton* cmdReport;
    QPushButton* cmdExportData;
    QPushButton* cmdHelp;
    QPushButton* cmdClose;
    QTimer* Timer1;

    QString TestID;
    QString SoilType;
    QStringList ParamTexts;
    lx::StoredCurve ReplayCurve;
    lx::Replay replay;
    ExportText exportText;

private:
    void SetupCharts();
    void ShowPoint(int k);
    std::optional<lx::ChartTrace> trace1, trace2;
    bool started = false;   // a test that never replayed earns no credit
};
