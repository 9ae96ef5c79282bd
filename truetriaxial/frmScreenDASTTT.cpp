#include "truetriaxial/frmScreenDASTTT.h"

#include "truetriaxial/frmTTTReport.h"
#include "truetriaxial/WorkingCopies.h"

#include "lab/ActivityCredit.h"
#include "lab/ChartAxis.h"
#include "lab/ChartFrame.h"
#include "lab/LegendMark.h"
#include "lab/PictureLayout.h"
#include "lab/PointColumns.h"
#include "lab/StoredTest.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basExport.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Database.h"
#include "platform/Fonts.h"
#include "platform/ListView.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using truetriaxial::Kind;

namespace {

// Every stored column from position 3, rounded to one decimal.
lx::ColumnMap screenColumns(Kind kind)
{
    lx::ColumnMap map;
    for (int p = 3; p <= (kind == Kind::Cube ? 9 : 7); ++p)
        map.push_back(lx::ColumnRule::field(p).rounded(1));
    return map;
}

std::vector<lx::PointColumn> listColumns(Kind kind)
{
    const int c = lx::ListView::lvwColumnCenter, l = lx::ListView::lvwColumnLeft;
    if (kind == Kind::Cube)
        return {{"No.", 500, l, "No."},
                {"e(1) %", 800, c, "Major Principal Strain (%)"},
                {"e(2) %", 800, c, "Intermediate Principal Strain (%)"},
                {"e(3) %", 800, c, "Minor Principal Strain (%)"},
                {"S(1) kPa", 800, c, "Major Principal Stress (kPa)"},
                {"S(2) kPa", 800, c, "Intermediate Principal Stress (kPa)"},
                {"S(3) kPa", 800, c, "Minor Principal Stress (kPa)"},
                {"U (kPa)", 800, c, "Excess Pore Pressure (kPa)"}};
    return {{"No.", 600, l, "No."},
            {"ea %", 1100, c, "Axial Strain (%)"},
            {"es %", 1100, c, "Shear Strain (%)"},
            {"Delta Sa (kPa)", 1100, c, "Change in Vertical Stress (kPa)"},
            {"Tau kPa", 1100, c, "Rotational Shear Stress (kPa)"},
            {"U (kPa)", 1100, c, "Excess Pore Pressure (kPa)"}};
}

// The main curve's legend mark beside the title and the second curve's below it.
const QColor MainMark(192, 0, 0), SecondMark(0, 0, 192);   // &H000000C0&, &H00C00000&

lx::ChartFrameLayout chartLayout(int chart)
{
    lx::ChartFrameLayout l = lx::ChartFrameLayout::replayScreen();
    l.frame = {0, 0, 3660, 3660};
    if (chart == 1) {
        l.secondTitle = {1160, 300, 2445, 195};
        l.marks = {{{700, 150}, {1100, 165}, 2}, {{700, 405}, {1100, 405}, 1}};
    } else {
        l.surface.moveLeft(630);
        l.xTickLefts = {360, 1020, 1680, 2400, 3060};
        l.title = {1100, 50, 2445, 195};
        l.secondTitle = {1100, 300, 2445, 195};
        l.xName = {420, 3350, 3150, 195};
        l.marks = {{{700, 150}, {1050, 150}, 2}, {{700, 400}, {1050, 400}, 1}};
    }
    return l;
}

} // namespace

frmScreenDASTTT::frmScreenDASTTT()
    : lx::ReplayScreen({.caption = QStringLiteral("Cubical True Triaxial Test"), .title = {105, 105, 9990, 330},
                        .list = {3900, 3570, 6360, 4410},
                        .commands = {.exportData = {7605, 585, 2430, 550}, .report = {7605, 1260, 2430, 550},
                                     .help = {7605, 2100, 2430, 550}, .close = {7605, 2805, 2430, 550}},
                        .helpTopic = QStringLiteral("html/Simulations/SimTTT.htm")})
{
    const auto pic = lx::pictures::trueTriaxial::screenImgTTT;
    imgTTT = lx::twControl<QLabel>(this, "imgTTT", pic.left, pic.top, pic.width, pic.height);
    imgTTT->setScaledContents(true);

    picFrame1 = new lx::ChartFrame(chartLayout(1), this);
    picFrame1->move(lx::tw(100), lx::tw(495));
    picFrame2 = new lx::ChartFrame(chartLayout(2), this);
    picFrame2->move(lx::tw(100), lx::tw(4290));
    picFrame2->picDraw->setBackColor(palette().color(QPalette::Base));
    for (lx::ChartFrame* f : {picFrame1, picFrame2}) {
        f->setUnit(QStringLiteral("(kPa)"));
        for (QLabel* l : f->lblX)
            l->setText(QStringLiteral("123456"));
        for (QLabel* l : f->lblY)
            l->setText(QStringLiteral("123456"));
    }

    setPointOutputs({.listLine = [this](int k) { ShowPoint(k); },
                     .exportLine = [this](int k) { exportText.addPoint(ReplayCurve.row(k)); },
                     .chartPoint = [this](int k) { DrawPoint(k); },
                     .animationStep = {}});

    lx::MakeChild(this, 10500, 8500, false);
}

bool frmScreenDASTTT::Start(const QString& TestType, const QString& strSoilType, const QString& strTestID)
{
    const bool fresh = !lx::SingleInstance<frmScreenDASTTT>::exists();
    frmScreenDASTTT& screen = lx::SingleInstance<frmScreenDASTTT>::get();
    if (screen.StartTest(TestType, strSoilType, strTestID))
        return true;
    if (fresh)
        lx::UnloadNow(&screen);
    return false;
}

bool frmScreenDASTTT::StartTest(const QString& TestType, const QString& strSoilType, const QString& strTestID)
{
    const std::optional<Kind> kind = truetriaxial::kindFromText(TestType);
    if (!kind)
        return false;
    const bool cube = *kind == Kind::Cube;
    const std::vector<lx::PointColumn> columns = listColumns(*kind);
    if (!loadRun({.title = (cube ? QStringLiteral("True Triaxial Test: ") : QStringLiteral("Axial-Torsional Test: ")) + strSoilType,
                  .list = columns, .columns = screenColumns(*kind),
                  .test = {truetriaxial::connectionOf(*kind), truetriaxial::testResultsSql(), {strTestID}, strTestID},
                  .credit = cube ? lx::activities::TrueTriaxialCube : lx::activities::HollowCylinder}))
        return false;

    kind_ = *kind;
    soil_ = strSoilType;
    testId_ = strTestID;
    imgTTT->setPixmap(lx::InstallPicture(cube ? QStringLiteral("\\pictures\\TTT\\TTT_10.jpg") : QStringLiteral("\\pictures\\HCT\\Sketch_2.jpg")));
    SetupCharts();
    beginRun();
    lx::ShowInFront(this);
    return true;
}

void frmScreenDASTTT::SetupCharts()
{
    const bool cube = kind_ == Kind::Cube;
    const int last = lastColumn(), c1 = last / 2;
    picFrame1->lblTitle->setText(cube ? QStringLiteral("Major Principal Stress") : QStringLiteral("Axial Stress - Axial Strain"));
    picFrame2->lblTitle->setText(cube ? QStringLiteral("Excess Pore Pressure") : QStringLiteral("Pore Pressure - Axial Strain"));
    picFrame1->lblTitle2->setText(QStringLiteral("Shear Stress - Shear Strain"));
    picFrame2->lblTitle2->setText(QStringLiteral("Pore Pressure - Shear Strain"));
    for (lx::ChartFrame* f : {picFrame1, picFrame2}) {
        f->lblXAxisName->setText(cube ? QStringLiteral("Major Principal Strain (%)") : QStringLiteral("Strain (%)"));
        // The hollow cylinder's second curve has its own title and mark.
        f->lblTitle2->setVisible(!cube);
        f->marks[0]->showAs(MainMark);
        if (cube)
            f->marks[1]->hide();
        else
            f->marks[1]->showAs(SecondMark);
    }

    const auto col = [this](int c) { return ReplayCurve.column(c); };
    // A hollow cylinder's two curves share their chart's axes.
    const lx::Axis x = cube ? lx::niceAxis(col(0)) : lx::niceAxis({col(0), col(1)});
    const lx::Axis y1 = cube ? lx::niceAxis(col(3)) : lx::niceAxis({col(2), col(3)});
    const lx::Axis y2 = lx::niceAxis(col(last));
    const lx::ReplayCharts charts = lx::setupReplayCharts(*picFrame1, *picFrame2, x, y1, y2);
    const lx::CurveStyle mainStyle = lx::replayCurveStyle(lx::QBColor(12), 2);
    const lx::CurveStyle secondStyle = lx::replayCurveStyle(lx::QBColor(9), 1);
    main1_.emplace(charts.chart1, mainStyle);
    main2_.emplace(charts.chart2, mainStyle);
    main1_->start(ReplayCurve(0, 0), ReplayCurve(0, c1));
    main2_->start(ReplayCurve(0, 0), ReplayCurve(0, last));
    second1_.reset();
    second2_.reset();
    if (!cube) {
        second1_.emplace(charts.chart1, secondStyle);
        second2_.emplace(charts.chart2, secondStyle);
        second1_->start(ReplayCurve(0, 1), ReplayCurve(0, 3));
        second2_->start(ReplayCurve(0, 1), ReplayCurve(0, 4));
    }
}

void frmScreenDASTTT::DrawPoint(int k)
{
    const int last = lastColumn();
    main1_->lineTo(ReplayCurve(k, 0), ReplayCurve(k, last / 2));
    main2_->lineTo(ReplayCurve(k, 0), ReplayCurve(k, last));
    if (second1_) {
        second1_->lineTo(ReplayCurve(k, 1), ReplayCurve(k, 3));
        second2_->lineTo(ReplayCurve(k, 1), ReplayCurve(k, 4));
    }
}

void frmScreenDASTTT::ShowPoint(int k)
{
    const QString number = QString::number(k + 1);
    listPoint(k, number, QStringLiteral("Point Number: ") + number);
}

void frmScreenDASTTT::cmdReport_Click() { frmTTTReport::Open(1, {lblTitle->text(), testId_}); }

