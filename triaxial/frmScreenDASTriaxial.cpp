#include "triaxial/frmScreenDASTriaxial.h"

#include "app/ChildWindows.h"
#include "platform/Controls.h"

#include "lab/ActivityCredit.h"
#include "lab/AssemblyTables.h"
#include "lab/AssemblyView.h"
#include "lab/ChartAxis.h"
#include "lab/ChartFrame.h"
#include "lab/PointColumns.h"
#include "lab/StoredTest.h"

#include "controls/testreport/frmTestReport.h"

#include "app/FrameAssets.h"
#include "app/basExport.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Colors.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "triaxial/TriaxialSoils.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

bool IsDrained(const QString& simName) { return simName.left(4) == u"CIDC"; }

// Strains are stored as fractions and shown in per cent, rounded before the factor.
lx::ColumnMap ScreenColumns(bool drained)
{
    using lx::ColumnRule;
    return {ColumnRule::field(3).rounded(3).times(100), ColumnRule::field(4).rounded(1),
            drained ? ColumnRule::field(5).rounded(3).times(100) : ColumnRule::field(6).rounded(1)};
}

} // namespace

frmScreenDASTriaxial::frmScreenDASTriaxial()
    : lx::ReplayScreen({.caption = QString(), .title = {120, 60, 7200, 330}, .list = {3480, 4140, 7440, 2820},
                        .commands = {.exportData = {1605, 5100, 1245, 420}, .report = {240, 5100, 1245, 420},
                                     .help = {1605, 5640, 1245, 420}, .close = {240, 5640, 1245, 420}},
                        .helpTopic = QStringLiteral("html/Simulations/SimTriaxialShear.htm#StartTest")})
{
    PicTesting = new lx::AssemblyView(this);
    PicTesting->setGeometry(lx::twRect(240, 480, 2610, 4410));
    PicTesting->setAnimation(lx::assembly::triaxialApparatus());

    const lx::ChartFrameLayout layout = lx::ChartFrameLayout::replayScreen();
    picFrame1 = new lx::ChartFrame(layout, this);
    picFrame1->move(lx::tw(3480), lx::tw(420));
    picFrame2 = new lx::ChartFrame(layout, this);
    picFrame2->move(lx::tw(7320), lx::tw(420));
    for (lx::ChartFrame* f : {picFrame1, picFrame2}) {
        f->picDraw->setFontName(QStringLiteral("MS Sans Serif"));
        f->picDraw->setFontSize(9.75);
        f->picDraw->setFontBold(true);
        f->lblXAxisName->setText(QStringLiteral("Axial Strain (%)"));
    }
    picFrame1->lblTitle->setText(QStringLiteral("Deviator Stress"));
    picFrame1->setUnit(QStringLiteral("(kPa)"));
    picFrame2->lblTitle->setText(QStringLiteral("Volumetric Strain"));
    picFrame2->setUnit(QStringLiteral("(%)"));

    setPointOutputs({.listLine = [this](int k) { ShowPoint(k); },
                       .exportLine = [this](int k) { exportText.addPoint(ReplayCurve.row(k)); },
                       .chartPoint = [this](int k) {
                           trace1->lineTo(ReplayCurve(k, 0), ReplayCurve(k, 1));
                           trace2->lineTo(ReplayCurve(k, 0), ReplayCurve(k, 2));
                       },
                       .animationStep = [this](int) {
                           PicTesting->apply(lx::assembly::triaxialApparatusPoint(PicTesting->animation(), ReplayCurve.points()));
                       }});

    lx::MakeChild(this, 11200, 7530, false);
}

bool frmScreenDASTriaxial::StartTest(const QString& simName, const QString& soilType, const QString& strConnDataView,
                                     const QString& testID, std::span<const double> init)
{
    const bool drained = IsDrained(simName);
    using lx::ListView;
    const lx::PointColumn columns[] = {
        {QStringLiteral("No."), 600, ListView::lvwColumnLeft, QStringLiteral("No.")},
        {QStringLiteral("Eps(a) %"), 1200, ListView::lvwColumnCenter, QStringLiteral("Axial Strain (%)")},
        {QStringLiteral("Sigma(d) kPa"), 1200, ListView::lvwColumnCenter, QStringLiteral("Deviator Stress (kPa)")},
        drained ? lx::PointColumn{QStringLiteral("Eps(v) %"), 1200, ListView::lvwColumnCenter, QStringLiteral("Volumetric Strain (%)")}
                : lx::PointColumn{QStringLiteral("U kPa"), 1000, ListView::lvwColumnCenter, QStringLiteral("Pore pressure (kPa)")},
    };
    // The caption stays empty; the title, the run's heading, tells this window from the others.
    if (!loadRun({.title = simName.left(4) + QStringLiteral(" test: ") + soilType, .list = columns,
                  .columns = ScreenColumns(drained),
                  .test = {strConnDataView, triaxial::TestResultsSql(), {testID}, testID},
                  .credit = lx::activities::TriaxialShear}))
        return false;

    strSimName = simName;
    strSoilType = soilType;
    strTestID = testID;
    strConnectionString = strConnDataView;
    nInit.fill(0);
    std::copy_n(init.begin(), std::min(init.size(), nInit.size()), nInit.begin());
    PicTesting->reset();
    picFrame2->lblTitle->setText(drained ? QStringLiteral("Volumetric Strain") : QStringLiteral("Excess pore pressure"));
    picFrame2->setUnit(drained ? QStringLiteral("(%)") : QStringLiteral("(kPa)"));
    SetupCharts();
    beginRun();
    return true;
}

void frmScreenDASTriaxial::SetupCharts()
{
    const lx::ReplayCharts charts =
        lx::setupReplayCharts(*picFrame1, *picFrame2, lx::niceAxis(ReplayCurve.column(0)), lx::niceAxis(ReplayCurve.column(1)),
                              lx::niceAxis(ReplayCurve.column(2)));
    trace1.emplace(charts.chart1, lx::replayCurveStyle(lx::QBColor(12), 2));
    trace2.emplace(charts.chart2, lx::replayCurveStyle(lx::QBColor(9), 2));
    trace1->start(ReplayCurve(0, 0), ReplayCurve(0, 1));
    trace2->start(ReplayCurve(0, 0), ReplayCurve(0, 2));
}

void frmScreenDASTriaxial::ShowPoint(int k)
{
    listPoint(k, QString::number(k + 1), QStringLiteral("Point Number: ") + QString::number(k));
}

void frmScreenDASTriaxial::cmdReport_Click()
{
    lx::ShowTestReport(QStringLiteral("Report of ") + lblTitle->text(), QStringLiteral("Get ") + strSimName, strSoilType,
                       strTestID, nInit, strConnectionString);
}

