#include "triaxial/frmScreenDASTriaxial.h"

#include "app/ChildWindows.h"
#include "platform/Controls.h"

#include "lab/ActivityCredit.h"
#include "lab/AssemblyTables.h"
#include "lab/AssemblyView.h"
#include "lab/ChartAxis.h"
#include "lab/ChartFrame.h"
#include "lab/ScreenCommands.h"
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

constexpr int MaxPoints = 301;

bool IsDrained(const QString& simName) { return simName.left(4) == u"CIDC"; }

// Strains are stored as fractions and shown in per cent, rounded before the factor.
lx::ColumnMap ScreenColumns(bool drained)
{
    using lx::ColumnRule;
    return {ColumnRule::field(3).rounded(3).times(100), ColumnRule::field(4).rounded(1),
            drained ? ColumnRule::field(5).rounded(3).times(100) : ColumnRule::field(6).rounded(1)};
}

} // namespace

frmScreenDASTriaxial::frmScreenDASTriaxial() : ReplayCurve(ScreenColumns(true), MaxPoints)
{
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    lblTitle = new QLabel(QStringLiteral("Triaxial data"), this);
    lblTitle->setGeometry(lx::twRect(120, 60, 7200, 330));
    lblTitle->setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));

    PicTesting = new lx::AssemblyView(this);
    PicTesting->setGeometry(lx::twRect(240, 480, 2610, 4410));

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
    picFrame1->lblUnit->setText(QStringLiteral("(kPa)"));
    picFrame2->lblTitle->setText(QStringLiteral("Volumetric Strain"));
    picFrame2->lblUnit->setText(QStringLiteral("(%)"));

    lvwData = new lx::ListView(this);
    lvwData->setGeometry(lx::twRect(3480, 4140, 7440, 2820));

    const lx::ScreenCommands commands = lx::makeScreenCommands(
        this, {.exportData = {1605, 5100, 1245, 420}, .report = {240, 5100, 1245, 420}, .help = {1605, 5640, 1245, 420},
               .close = {240, 5640, 1245, 420}});

    replay.setOutputs({.listLine = [this](int k) { ShowPoint(k); },
                       .exportLine = [this](int k) { exportText.addPoint(ReplayCurve.row(k)); },
                       .chartPoint = [this](int k) {
                           trace1->lineTo(ReplayCurve(k, 0), ReplayCurve(k, 1));
                           trace2->lineTo(ReplayCurve(k, 0), ReplayCurve(k, 2));
                       },
                       .animationStep = [this](int) {
                           PicTesting->apply(lx::assembly::triaxialApparatusPoint(PicTesting->animation(), ReplayCurve.points()));
                       },
                       .finished = [commands] { commands.runEnded(); }});

    lx::MakeChild(this, 11200, 7530, false);
    Form_Load();
}

frmScreenDASTriaxial::~frmScreenDASTriaxial()
{
    Timer1->stop();
    if (started)
        lx::ActivityCredit(lx::activities::TriaxialShear);
}

void frmScreenDASTriaxial::Form_Load()
{
    lx::setLoamixIcon(this);
    setWindowTitle(QString());
    PicTesting->setAnimation(lx::assembly::triaxialApparatus());
}

bool frmScreenDASTriaxial::StartTest(const QString& simName, const QString& soilType, const QString& strConnDataView,
                                     const QString& testID, std::span<const double> init)
{
    strSimName = simName;
    strSoilType = soilType;
    strTestID = testID;
    strConnectionString = strConnDataView;
    nInit.fill(0);
    std::copy_n(init.begin(), std::min(init.size(), nInit.size()), nInit.begin());
    PicTesting->reset();

    const bool drained = IsDrained(strSimName);
    lblTitle->setText(strSimName.left(4) + QStringLiteral(" test: ") + strSoilType);
    // The caption stays empty; the heading tells this window from the others.
    lx::SetHeading(this, lblTitle->text());
    using lx::ListView;
    const lx::PointColumn columns[] = {
        {QStringLiteral("No."), 600, ListView::lvwColumnLeft, QStringLiteral("No.")},
        {QStringLiteral("Eps(a) %"), 1200, ListView::lvwColumnCenter, QStringLiteral("Axial Strain (%)")},
        {QStringLiteral("Sigma(d) kPa"), 1200, ListView::lvwColumnCenter, QStringLiteral("Deviator Stress (kPa)")},
        drained ? lx::PointColumn{QStringLiteral("Eps(v) %"), 1200, ListView::lvwColumnCenter, QStringLiteral("Volumetric Strain (%)")}
                : lx::PointColumn{QStringLiteral("U kPa"), 1000, ListView::lvwColumnCenter, QStringLiteral("Pore pressure (kPa)")},
    };
    lx::setPointColumns(*lvwData, exportText, lblTitle->text(), columns);
    picFrame2->lblTitle->setText(drained ? QStringLiteral("Volumetric Strain") : QStringLiteral("Excess pore pressure"));
    picFrame2->lblUnit->setText(drained ? QStringLiteral("(%)") : QStringLiteral("(kPa)"));

    ReplayCurve = lx::StoredCurve(ScreenColumns(drained), MaxPoints);
    if (!lx::reportLoadFailure(lx::loadStoredTest(ReplayCurve, {strConnDataView, triaxial::TestResultsSql(), {strTestID}, strTestID})))
        return false;
    SetupCharts();
    started = true;
    replay.start(ReplayCurve.points());
    lx::MoveChild(this, 0, 0);
    Timer1->start();
    return true;
}

void frmScreenDASTriaxial::SetupCharts()
{
    lx::PictureBox& draw1 = *picFrame1->picDraw;
    lx::PictureBox& draw2 = *picFrame2->picDraw;
    draw2.setScaleWidth(draw1.ScaleWidth());
    draw2.setScaleHeight(draw1.ScaleHeight());
    const lx::Axis x = lx::niceAxis(ReplayCurve.column(0));
    const lx::Axis y1 = lx::niceAxis(ReplayCurve.column(1));
    const lx::Axis y2 = lx::niceAxis(ReplayCurve.column(2));
    picFrame1->setCaptions(lx::tickCaptions(x), lx::tickCaptions(y1));
    picFrame2->setCaptions(lx::tickCaptions(x), lx::tickCaptions(y2));
    const lx::Chart chart1(draw1, x, y1), chart2(draw2, x, y2);
    for (const lx::Chart* c : {&chart1, &chart2}) {
        c->clear();
        c->drawGrid();
    }
    const lx::MarkerStyle marker{.firstOffset = {-40, -70}, .offset = {-50, -100}, .color = QColor()};
    trace1.emplace(chart1, lx::CurveStyle{.color = lx::QBColor(12), .width = 2, .marker = marker});
    trace2.emplace(chart2, lx::CurveStyle{.color = lx::QBColor(9), .width = 2, .marker = marker});
    trace1->start(ReplayCurve(0, 0), ReplayCurve(0, 1));
    trace2->start(ReplayCurve(0, 0), ReplayCurve(0, 2));
}

void frmScreenDASTriaxial::ShowPoint(int k)
{
    const int line = lvwData->addLine(QString::number(k + 1), ReplayCurve.rowTexts(k),
                                      QStringLiteral("Point Number: ") + QString::number(k));
    lvwData->ensureLineVisible(line);
}

void frmScreenDASTriaxial::Timer1_Timer() { replay.step(); }

void frmScreenDASTriaxial::cmdExportData_Click() { ExportData(exportText.text()); }

void frmScreenDASTriaxial::cmdReport_Click()
{
    lx::ShowTestReport(QStringLiteral("Report of ") + lblTitle->text(), QStringLiteral("Get ") + strSimName, strSoilType,
                       strTestID, nInit, strConnectionString);
}

void frmScreenDASTriaxial::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimTriaxialShear.htm#StartTest")); }

void frmScreenDASTriaxial::cmdClose_Click() { lx::UnloadLater(this); }
