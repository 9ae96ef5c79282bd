#include "lab/ReplayScreen.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basExport.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "lab/ChartAxis.h"
#include "lab/ChartFrame.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/ListView.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace lx {

namespace {

// The rows of a loaded test that are not replayed, one note a line: those left out and
// those past the cap.
QStringList replayNotes(const LoadedTest& loaded, const QString& testName, const QString& missingValue)
{
    QStringList notes = loaded.leftOut();
    if (loaded.skipped > 0)
        notes << QString::number(loaded.skipped) + QStringLiteral(" stored point(s) without ") + missingValue +
                     QStringLiteral(" are left out.");
    if (loaded.cut)
        notes << QStringLiteral("The test %1 holds more than %2 points: the first %2 are replayed.").arg(testName).arg(ScreenCap);
    return notes;
}

} // namespace

ReplayScreen::ReplayScreen(const ReplayScreenDesign& d)
    : ReplayCurve({}, ScreenCap), helpTopic(d.helpTopic), missingValue(d.missingValue)
{
    setWindowTitle(d.caption);
    setFont(formFont(QStringLiteral("MS Sans Serif"), 8.25));
    setLoamixIcon(this);

    lblTitle = twControl<QLabel>(this, "lblTitle", d.title.left(), d.title.top(), d.title.width(), d.title.height());
    lblTitle->setFont(formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    lvwData = twControl<ListView>(this, "lvwData", d.list.left(), d.list.top(), d.list.width(), d.list.height());
    lvwData->setAccessibleName(QStringLiteral("Replayed points"));

    const ScreenCommandPlaces& at = d.commands;
    const auto button = [this](const QString& caption, const QString& tip, const QRectF& r) {
        return twButton(this, caption, tip, r.left(), r.top(), r.width(), r.height());
    };
    cmdExportData = button(QStringLiteral("Export Data"), QStringLiteral("Export data to worksheets"), at.exportData);
    cmdReport = button(QStringLiteral("Create Report"), QStringLiteral("Create Summary Report"), at.report);
    cmdHelp = button(QStringLiteral("Help"), at.helpTip, at.help);
    cmdClose = button(QStringLiteral("Close"), QStringLiteral("Close Window"), at.close);
    cmdExportData->setEnabled(false);
    cmdReport->setEnabled(false);
    Timer1 = new QTimer(this);
    Timer1->setInterval(d.interval);
    replay.setOutputs({{}, [this] { runEnded(); }});

    connect(Timer1, &QTimer::timeout, this, &ReplayScreen::Timer1_Timer);
    connect(cmdExportData, &QPushButton::clicked, this, [this] { cmdExportData_Click(); });
    connect(cmdReport, &QPushButton::clicked, this, [this] { cmdReport_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

// A window that goes without a close (the program ends) still credits its run.
ReplayScreen::~ReplayScreen()
{
    Timer1->stop();
    giveCredit();
}

void ReplayScreen::setPointOutputs(PointOutputs outputs)
{
    replay.setOutputs({std::move(outputs), [this] { runEnded(); }});
}

bool ReplayScreen::loadRun(const ReplayRun& run)
{
    StoredCurve curve(run.columns, ScreenCap);
    const LoadedTest loaded = loadStoredTest(curve, run.test);
    if (!reportLoadFailure(loaded))
        return false;
    Timer1->stop();
    replay.stop();
    ReplayCurve = std::move(curve);
    credit = run.credit;
    lblTitle->setText(run.title);
    if (windowTitle().isEmpty())
        SetHeading(this, run.title);
    setPointColumns(*lvwData, exportText, run.title, run.list);
    if (const QStringList notes = replayNotes(loaded, run.test.testName, missingValue); !notes.isEmpty())
        messages().msgBox(notes.join(u'\r'), vbOKOnly | vbInformation, basGlobal::AppTitle);
    return true;
}

void ReplayScreen::beginRun()
{
    lvwData->clearLines();
    cmdExportData->setEnabled(false);
    cmdReport->setEnabled(false);
    creditDue = true;
    replay.start(ReplayCurve.points());
    MoveChild(this, 0, 0);
    Timer1->start();
}

void ReplayScreen::runEnded()
{
    Timer1->stop();
    cmdReport->setEnabled(true);
    cmdExportData->setEnabled(true);
    showRunEnd();
}

void ReplayScreen::listPoint(int k, const QString& number, const QString& tip)
{
    const int line = lvwData->addLine(number, ReplayCurve.rowTexts(k, lvwData->columnCount() - 1), tip);
    lvwData->ensureLineVisible(line);
}

void ReplayScreen::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    replay.stop();
    giveCredit();
    event->accept();
}

void ReplayScreen::giveCredit()
{
    if (!creditDue)
        return;
    // Cleared first: the credit may show a box whose event loop reaches this window again.
    creditDue = false;
    ActivityCredit(credit);
}

ReplayCharts setupReplayCharts(ChartFrame& frame1, ChartFrame& frame2, const Axis& x, const Axis& y1, const Axis& y2,
                               const ReplayChartsLook& look)
{
    PictureBox& draw1 = *frame1.picDraw;
    PictureBox& draw2 = *frame2.picDraw;
    draw2.setScaleWidth(draw1.ScaleWidth());
    draw2.setScaleHeight(draw1.ScaleHeight());
    const QStringList xCaptions = tickCaptions(x, look.xDecimals);
    frame1.setCaptions(xCaptions, tickCaptions(y1, look.y1Decimals));
    frame2.setCaptions(xCaptions, tickCaptions(y2, look.y2Decimals));
    ReplayCharts charts{Chart(draw1, x, y1), Chart(draw2, x, y2)};
    for (const Chart* c : {&charts.chart1, &charts.chart2}) {
        c->clear();
        c->drawGrid(look.grid);
    }
    return charts;
}

MarkerStyle replayMarker() { return {.firstOffset = {-40, -70}, .offset = {-50, -100}, .color = QColor()}; }

CurveStyle replayCurveStyle(const QColor& color, int width) { return {.color = color, .width = width, .marker = replayMarker()}; }

void ReplayScreen::Timer1_Timer() { replay.step(); }

void ReplayScreen::cmdExportData_Click() { ExportData(exportText.text()); }

void ReplayScreen::cmdHelp_Click() { ShowHelpTopic(1, helpTopic); }

// The same road as the frame's close box and Ctrl+F4: through the close event.
void ReplayScreen::cmdClose_Click()
{
    QWidget* window = ChildFrame(this) ? static_cast<QWidget*>(ChildFrame(this)) : this;
    const bool deletedOnClose = window->testAttribute(Qt::WA_DeleteOnClose);
    if (window->close() && !deletedOnClose)
        UnloadLater(this);
}

} // namespace lx
