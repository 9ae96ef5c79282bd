#pragma once
// The shear data-acquisition screen: replays the stored points of one test, one every
// 200 ms, into the data list, both charts, the export text and the apparatus picture.
// A new one per run; closing it credits the shear activity when a quiz file is open.
#include "app/ExportText.h"
#include "lab/Chart.h"
#include "lab/Replay.h"
#include "lab/StoredPoints.h"

#include <QWidget>
#include <array>
#include <optional>
#include <span>

class QLabel;
class QPushButton;
class QTimer;

namespace lx {
class AssemblyView;
class ChartFrame;
class ListView;
} // namespace lx

class frmScreenDASTriaxial : public QWidget {
    Q_OBJECT
public:
    frmScreenDASTriaxial();
    ~frmScreenDASTriaxial() override;

    // Reads the test's points and starts the replay. False, after a message, when the
    // database cannot be read or holds no usable point for the test: nothing replays.
    bool StartTest(const QString& strSimName, const QString& strSoilType, const QString& strConnDataView,
                   const QString& strTestID, std::span<const double> nInit);

    void Form_Load();
    void Timer1_Timer();
    void cmdExportData_Click();
    void cmdReport_Click();
    void cmdHelp_Click();
    void cmdClose_Click();

    QLabel* lblTitle;
    lx::ListView* lvwData;
    QTimer* Timer1;
    QPushButton* cmdReport;
    QPushButton* cmdExportData;
    QPushButton* cmdClose;
    QPushButton* cmdHelp;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    lx::AssemblyView* PicTesting;

    // The run: what StartTest was given and the points it read.
    QString strSimName;
    QString strSoilType;
    QString strTestID;
    QString strConnectionString;
    std::array<double, 8> nInit{};
    lx::StoredCurve ReplayCurve;
    lx::Replay replay;
    ExportText exportText;

private:
    void SetupCharts();
    void ShowPoint(int k);
    std::optional<lx::ChartTrace> trace1, trace2;
    bool started = false;   // a run that never started earns no credit
};
