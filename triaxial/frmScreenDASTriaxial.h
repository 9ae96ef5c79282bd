#pragma once
// The shear data-acquisition screen: replays the stored points of one test, one every
// 200 ms, into the data list, both charts, the export text and the apparatus picture.
// A new one per run; closing it credits the shear activity when a quiz file is open.
#include "lab/Chart.h"
#include "lab/ReplayScreen.h"

#include <array>
#include <optional>
#include <span>

namespace lx {
class AssemblyView;
class ChartFrame;
} // namespace lx

class frmScreenDASTriaxial : public lx::ReplayScreen {
    Q_OBJECT
public:
    frmScreenDASTriaxial();

    // Reads the test's points and starts the replay. False, after a message, when the
    // database cannot be read or holds no usable point for the test: nothing replays.
    bool StartTest(const QString& strSimName, const QString& strSoilType, const QString& strConnDataView,
                   const QString& strTestID, std::span<const double> nInit);

    void cmdReport_Click() override;

    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    lx::AssemblyView* PicTesting;

    // The run: what StartTest was given and the points it read.
    QString strSimName;
    QString strSoilType;
    QString strTestID;
    QString strConnectionString;
    std::array<double, 8> nInit{};

private:
    void SetupCharts();
    void ShowPoint(int k);
    std::optional<lx::ChartTrace> trace1, trace2;
};
