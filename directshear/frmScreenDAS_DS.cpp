#include "directshear/frmScreenDAS_DS.h"

#include "directshear/DirectShearCharts.h"
#include "directshear/DirectShearSoils.h"
#include "directshear/DirectShearStudy.h"
#include "directshear/frmDirectShearReport.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basExport.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "lab/ActivityCredit.h"
#include "lab/AssemblyTables.h"
#include "lab/AssemblyView.h"
#include "lab/ChartFrame.h"
#include "lab/PictureLayout.h"
#include "lab/PointColumns.h"
#include "lab/StoredTest.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/Services.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// The list's columns and the export's headers.
const lx::PointColumn PointColumns[] = {
    {QStringLiteral("No."), 450, lx::ListView::lvwColumnLeft, QStringLiteral("No.")},
    {QStringLiteral("H Disp (mm)"), 1100, lx::ListView::lvwColumnCenter, QStringLiteral("Horizontal Displacement (mm)")},
    {QStringLiteral("Shear Stress (kPa)"), 1500, lx::ListView::lvwColumnCenter, QStringLiteral("Shear Stress (kPa)")},
    {QStringLiteral("V Disp (mm)"), 1200, lx::ListView::lvwColumnCenter, QStringLiteral("Vertical Displacement (mm)")},
};

QLabel* pictureCaption(QWidget* picture, const QString& text, const lx::pictures::TwipRect& r)
{
    auto* l = lx::twControl<QLabel>(picture, nullptr, r.left, r.top, r.width, r.height, text);
    l->setWordWrap(true);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

} // namespace

frmScreenDAS_DS::frmScreenDAS_DS()
    : lx::ReplayScreen({.caption = QStringLiteral("Direct Shear Test"), .title = {120, 60, 4800, 330},
                        .list = {120, 3540, 4800, 3660},
                        .commands = {.exportData = {10020, 6120, 1170, 420}, .report = {8760, 6120, 1170, 420},
                                     .help = {8760, 6660, 1170, 420}, .close = {10020, 6660, 1170, 420},
                                     .helpTip = QString()},
                        .interval = 500, .helpTopic = QStringLiteral("html/Simulations/SimDirectShear.htm")})
{
    namespace S = lx::pictures::directShearScreen;
    PicILSetup = new lx::AssemblyView(this);
    PicILSetup->setGeometry(lx::twRect(120, 420, S::PicILSetup.width, S::PicILSetup.height));
    PicILSetup->setAnimation(lx::assembly::directShearBox());
    pictureCaption(PicILSetup, QStringLiteral("Normal Load"), S::lblNormalLoad);
    pictureCaption(PicILSetup, QStringLiteral("LVDT measuring Vertical Displacement"), S::lblVerticalLVDT);
    pictureCaption(PicILSetup, QStringLiteral("LVDT measuring Horizontal Displacement"), S::lblHorizontalLVDT);

    const lx::ChartFrameLayout layout = lx::ChartFrameLayout::replayScreen();
    picFrame1 = new lx::ChartFrame(layout, this);
    picFrame1->move(lx::tw(5040), lx::tw(0));
    picFrame2 = new lx::ChartFrame(layout, this);
    picFrame2->move(lx::tw(5040), lx::tw(3600));
    directshear::LabelFrames(*picFrame1, *picFrame2, directshear::FramesOf::Screen);

    fraNormalStress = lx::twControl<QGroupBox>(this, "fraNormalStress", 8760, 420, 2430, 855, QString());
    lblNormalStress = lx::twControl<QLabel>(fraNormalStress, "lblNormalStress", 120, 120, 2190, 255, QStringLiteral("Normal Stress"));
    lblNormalStressVal = lx::twControl<QLabel>(fraNormalStress, "lblNormalStressVal", 120, 450, 2190, 285);
    lblNormalStressVal->setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));

    setPointOutputs({.listLine = [this](int k) { ShowPoint(k); },
                       .exportLine = [this](int k) { exportText.addPoint(ReplayCurve.row(k)); },
                       .chartPoint = [this](int k) {
                           trace1->lineTo(ReplayCurve(k, 0), ReplayCurve(k, 1));
                           trace2->lineTo(ReplayCurve(k, 0), ReplayCurve(k, 2));
                       },
                       .animationStep = [this](int) { PicILSetup->apply(lx::assembly::directShearBoxPoint(PicILSetup->animation())); }});

    // As wide as the main window holds a child (the design had 12000 twips).
    lx::MakeChild(this, lx::LargestChildWidthTw, 8130, false);
}

bool frmScreenDAS_DS::StartTest(const QString& testID, const QString& soilType, const QStringList& valParam)
{
    if (!loadRun({.title = QStringLiteral("Direct Shear Test: ") + soilType, .list = PointColumns,
                  .columns = directshear::PointColumns(),
                  .test = {basGlobal::DirectShearConnection, directshear::TestResultsSql(), {testID}, testID},
                  .credit = lx::activities::DirectShear}))
        return false;
    TestID = testID;
    SoilType = soilType;
    ParamTexts = valParam.mid(0, directshear::ParamCount);
    while (ParamTexts.size() < directshear::ParamCount)
        ParamTexts << QStringLiteral("N/A");
    lblNormalStressVal->setText(ParamTexts[directshear::NormalStressIndex] + QStringLiteral(" kPa"));

    PicILSetup->reset();
    const directshear::ShearAxes axes = directshear::AxesOf(ReplayCurve);
    const lx::ReplayCharts charts = lx::setupReplayCharts(*picFrame1, *picFrame2, axes.horizontal, axes.shear, axes.vertical,
                                                          directshear::ChartsLook());
    const lx::CurveStyle style1 = directshear::CurveStyleOf(directshear::CurveColor(0));
    lx::CurveStyle style2 = style1;
    style2.color = directshear::CurveColor(1);
    trace1.emplace(charts.chart1, style1);
    trace2.emplace(charts.chart2, style2);
    trace1->start(ReplayCurve(0, 0), ReplayCurve(0, 1));
    trace2->start(ReplayCurve(0, 0), ReplayCurve(0, 2));
    beginRun();
    return true;
}

void frmScreenDAS_DS::ShowPoint(int k)
{
    const QString number = QString::number(k + 1);
    listPoint(k, number, QStringLiteral("Point Number: ") + number);
}

void frmScreenDAS_DS::cmdReport_Click()
{
    const int16_t counts[] = {1, int16_t(ReplayCurve.points()), 0};
    frmDirectShearReport::Open(SoilType, ParamTexts, ReplayCurve, counts);
}

void frmScreenDAS_DS::showRunEnd() { PicILSetup->apply(lx::assembly::directShearBoxEnd(PicILSetup->animation())); }

