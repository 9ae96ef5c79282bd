#include "consolidation/frmScreenDAS1D.h"

#include "consolidation/SettlementChart.h"
#include "consolidation/frm1DConsolReport.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basExport.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "lab/ActivityCredit.h"
#include "lab/AssemblyTables.h"
#include "lab/AssemblyView.h"
#include "lab/ChartAxis.h"
#include "consolidation/ConsolidationCharts.h"
#include "lab/ChartFrame.h"
#include "lab/ReportWindow.h"
#include "lab/PictureLayout.h"
#include "lab/PointColumns.h"
#include "lab/StoredTest.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>

using namespace consolidation;

namespace {

// The replay screens' chart frame, a little lower so that two fit one above the other.
lx::ChartFrameLayout SlotLayout()
{
    lx::ChartFrameLayout l = lx::ChartFrameLayout::replayScreen();
    l.frame.setHeight(3500);
    l.xName.moveTop(3290);
    return l;
}

constexpr double ChartsLeft = 7320;

// One column of buttons right of the apparatus.
QRectF ButtonRow(int r) { return QRectF(4740, 480 + r * 480, 2460, 420); }

} // namespace

frmScreenDAS1D::frmScreenDAS1D()
    : lx::ReplayScreen({.caption = QStringLiteral("One-Dimensional Consolidation"), .title = {120, 60, 7080, 330},
                        .list = {120, 3900, 7080, 3075},
                        .commands = {.exportData = ButtonRow(2), .report = ButtonRow(4), .help = ButtonRow(5),
                                     .close = ButtonRow(6), .helpTip = QString()},
                        .interval = 600, .helpTopic = QStringLiteral("html/Simulations/Sim1DConsol.htm"),
                        .missingValue = QStringLiteral("a stress above zero or a void ratio")})
{
    namespace S = lx::pictures::consolidationScreen;
    PicILSetup = new lx::AssemblyView(this);
    PicILSetup->setObjectName(QStringLiteral("PicILSetup"));
    PicILSetup->setGeometry(lx::twRect(120, 480, S::PicILSetup.width, S::PicILSetup.height));
    PicCRSSetup = new lx::AssemblyView(this);
    PicCRSSetup->setObjectName(QStringLiteral("PicCRSSetup"));
    PicCRSSetup->setGeometry(lx::twRect(120, 480, S::PicCRSSetup.width, S::PicCRSSetup.height));
    const std::array<std::pair<const char*, lx::pictures::TwipRect>, 4> crsLabels = {{
        {"LVDT", S::lblLVDT}, {"Load Cell", S::lblLoadCell}, {"Transducer", S::lblTransducer}, {"Back Pressure", S::lblBackPressure}}};
    for (size_t i = 0; i < crsLabels.size(); ++i) {
        const auto& [text, r] = crsLabels[i];
        lblCRS[i] = lx::twControl<QLabel>(PicCRSSetup, nullptr, r.left, r.top, r.width, r.height, QString::fromLatin1(text));
        lblCRS[i]->setStyleSheet(QStringLiteral("background: transparent;"));
    }
    PicCRSSetup->hide();

    const auto button = [&](const QString& caption, int r) {
        const QRectF at = ButtonRow(r);
        return lx::twButton(this, caption, QString(), at.left(), at.top(), at.width(), at.height());
    };
    cmdeSv = button(QStringLiteral("e - Sv Plot"), 0);
    cmdeLogsv = button(QStringLiteral("e - Log (Sv) Plot"), 1);
    cmdExport_et = button(QStringLiteral("Export consolidation curve"), 3);
    cmdExport_et->setEnabled(false);

    // Back to front: the log chart, the stress chart, the increment chart. The chart
    // buttons move the stress chart between the two places; the increment chart covers
    // the upper place when it is shown.
    const lx::ChartFrameLayout layout = SlotLayout();
    picFrame2 = new lx::ChartFrame(layout, this);
    picFrame2->setObjectName(QStringLiteral("picFrame2"));
    picFrame2->move(lx::tw(ChartsLeft), lx::tw(LowerSlotTop));
    picFrame1 = new lx::ChartFrame(layout, this);
    picFrame1->setObjectName(QStringLiteral("picFrame1"));
    picFrame1->move(lx::tw(ChartsLeft), lx::tw(UpperSlotTop));
    PicFrame3 = new lx::ChartFrame(layout, this);
    PicFrame3->setObjectName(QStringLiteral("PicFrame3"));
    PicFrame3->move(lx::tw(ChartsLeft), lx::tw(UpperSlotTop));
    for (lx::ChartFrame* f : {picFrame1, picFrame2, PicFrame3}) {
        f->setAutoFillBackground(true);
        f->picDraw->setFontName(QStringLiteral("MS Sans Serif"));
        f->picDraw->setFontSize(9.75);
        f->picDraw->setFontBold(true);
    }
    consolidation::LabelFrames(*picFrame1, *picFrame2);
    settlement = std::make_unique<SettlementChart>(PicFrame3, ReplayCurve, replay);
    PicFrame3->hide();

    connect(cmdeSv, &QPushButton::clicked, this, &frmScreenDAS1D::cmdeSv_Click);
    connect(cmdeLogsv, &QPushButton::clicked, this, &frmScreenDAS1D::cmdeLogsv_Click);
    connect(cmdExport_et, &QPushButton::clicked, this, &frmScreenDAS1D::cmdExport_et_Click);

    setPointOutputs({.listLine = [this](int i) { ShowPoint(i); },
                       .exportLine = {},
                       .chartPoint = [this](int i) {
                           const bool listed = IsListed(kind, i, ReplayCurve.points(), ReplayCurve(i, 0), axes.maxStress);
                           trace1->lineTo(ReplayCurve(i, 0), ReplayCurve(i, 1), listed);
                           trace2->lineTo(ReplayCurve(i, 2), ReplayCurve(i, 1), listed);
                       },
                       .animationStep = {}});

    PicILSetup->setAnimation(lx::assembly::consolidationLoadFrame());
    PicCRSSetup->setAnimation(lx::assembly::consolidationCRSFrame());
    lx::MakeChild(this, 11120, 7500, false);
}

// The settlement chart goes first: it reads the curve and the replay of the base.
frmScreenDAS1D::~frmScreenDAS1D() = default;


bool frmScreenDAS1D::StartTest(float RefN, const QString& TestID, const QString& SoilType, const QStringList& valParam)
{
    const Kind testKind = KindOfReference(RefN);
    if (testKind == Kind::None)
        return false;
    const lx::PointColumn columns[] = {
        {QStringLiteral("No."), 600, lx::ListView::lvwColumnLeft, QStringLiteral("No.")},
        {QStringLiteral("Eff. Sigma(v) kPa"), 1600, lx::ListView::lvwColumnCenter, QStringLiteral("Vertical effective stress (kPa)")},
        {QStringLiteral("Void ratio e"), 1200, lx::ListView::lvwColumnCenter, QStringLiteral("Void ratio - e")},
    };
    if (!loadRun({.title = KindText(testKind) + QStringLiteral(" consolidation test: ") + SoilType, .list = columns,
                  .columns = ScreenColumns(), .test = {basGlobal::Consolidation1DConnection, TestResultsSql(), {TestID}, TestID},
                  .credit = testKind == Kind::CRS ? lx::activities::ConsolidationCRS : lx::activities::ConsolidationIL}))
        return false;

    kind = testKind;
    const bool il = kind == Kind::IL;
    PicCRSSetup->setVisible(!il);
    PicILSetup->setVisible(il);
    PicFrame3->setVisible(il);
    strTestID = TestID;
    strSoilType = SoilType;
    ParamTexts = valParam;
    while (ParamTexts.size() < 7)
        ParamTexts << QStringLiteral("N/A");

    axes = AxesOf(ReplayCurve);
    const Charts charts = SetupCharts(*picFrame1, *picFrame2, axes);
    trace1.emplace(charts.stress, StressCurveStyle());
    trace2.emplace(charts.log, LogCurveStyle());
    trace1->start(ReplayCurve(0, 0), ReplayCurve(0, 1));
    trace2->start(ReplayCurve(0, 2), ReplayCurve(0, 1));

    settlement->reset();
    weights.reset();
    beginRun();
    return true;
}

void frmScreenDAS1D::ShowPoint(int i)
{
    const int n = ReplayCurve.points();
    const float stress = ReplayCurve(i, 0);
    if (!IsListed(kind, i, n, stress, axes.maxStress))
        return;
    const int k = settlement->listed(i);
    const QString number = QString::number(k);
    listPoint(i, number, QStringLiteral("Point Number: ") + number);
    exportText.addPoint(ReplayCurve.row(i, 2));
    if (kind != Kind::IL || k < 2)
        return;
    settlement->showIncrement();
    const LoadWeights::Change change = weights.next(k, stress > ReplayCurve(i - 1, 0));
    PicILSetup->apply(lx::assembly::consolidationWeights(PicILSetup->animation(), change.show, change.hide));
}

void frmScreenDAS1D::showRunEnd()
{
    const bool il = kind == Kind::IL;
    // Stepping and the curve export need a drawn increment curve, which only an
    // incremental-loading test with two listed points has.
    cmdExport_et->setEnabled(il && settlement->curveDrawn);
    settlement->replayEnded(il);
}

void frmScreenDAS1D::cmdeSv_Click() { picFrame1->move(lx::tw(ChartsLeft), lx::tw(LowerSlotTop)); }

void frmScreenDAS1D::cmdeLogsv_Click() { picFrame1->move(lx::tw(ChartsLeft), lx::tw(UpperSlotTop)); }

void frmScreenDAS1D::cmdExport_et_Click()
{
    if (!settlement->curveDrawn)
        return;
    ExportData(IncrementExportText(lblTitle->text(), settlement->curveE1, settlement->curveE2));
}

void frmScreenDAS1D::cmdReport_Click()
{
    frm1DConsolReport* report = lx::showReportWindow<frm1DConsolReport>(
        std::make_unique<frm1DConsolReport>(),
        [this](frm1DConsolReport& r) { r.CreateReport(KindText(kind), strSoilType, ParamTexts, ReplayCurve, ReplayCurve.points()); },
        QStringLiteral("Test Report"));
    if (report)
        lx::MoveChild(report, 0, 0);
}

