#include "lab/ReplayScreen.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basExport.h"
#include "lab/ChartAxis.h"
#include "lab/ChartFrame.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/ListView.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace lx {

ReplayScreen::ReplayScreen(const ReplayScreenDesign& d) : ReplayCurve(d.columns, ScreenCap), credit(d.credit)
{
    setWindowTitle(d.caption);
    setFont(formFont(QStringLiteral("MS Sans Serif"), 8.25));
    setLoamixIcon(this);

    lblTitle = twControl<QLabel>(this, "lblTitle", d.title.left(), d.title.top(), d.title.width(), d.title.height(), d.titleText);
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
    Timer1->setInterval(at.interval);

    connect(Timer1, &QTimer::timeout, this, &ReplayScreen::Timer1_Timer);
    connect(cmdExportData, &QPushButton::clicked, this, [this] { cmdExportData_Click(); });
    connect(cmdReport, &QPushButton::clicked, this, [this] { cmdReport_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

ReplayScreen::~ReplayScreen()
{
    Timer1->stop();
    if (started)
        ActivityCredit(credit);
}

void ReplayScreen::beginRun()
{
    cmdExportData->setEnabled(false);
    cmdReport->setEnabled(false);
    started = true;
    replay.start(ReplayCurve.points());
    MoveChild(this, 0, 0);
    Timer1->start();
}

void ReplayScreen::runEnded()
{
    Timer1->stop();
    cmdReport->setEnabled(true);
    cmdExportData->setEnabled(true);
}

void ReplayScreen::listPoint(int k, const QString& number, const QString& tip)
{
    const int line = lvwData->addLine(number, ReplayCurve.rowTexts(k, lvwData->columnCount() - 1), tip);
    lvwData->ensureLineVisible(line);
}

ReplayCharts setupReplayCharts(ChartFrame& frame1, ChartFrame& frame2, const Axis& x, const Axis& y1, const Axis& y2)
{
    PictureBox& draw1 = *frame1.picDraw;
    PictureBox& draw2 = *frame2.picDraw;
    draw2.setScaleWidth(draw1.ScaleWidth());
    draw2.setScaleHeight(draw1.ScaleHeight());
    frame1.setCaptions(tickCaptions(x), tickCaptions(y1));
    frame2.setCaptions(tickCaptions(x), tickCaptions(y2));
    ReplayCharts charts{Chart(draw1, x, y1), Chart(draw2, x, y2)};
    for (const Chart* c : {&charts.chart1, &charts.chart2}) {
        c->clear();
        c->drawGrid();
    }
    return charts;
}

MarkerStyle replayMarker() { return {.firstOffset = {-40, -70}, .offset = {-50, -100}, .color = QColor()}; }

CurveStyle replayCurveStyle(const QColor& color, int width) { return {.color = color, .width = width, .marker = replayMarker()}; }

void ReplayScreen::Timer1_Timer() { replay.step(); }

void ReplayScreen::cmdExportData_Click() { ExportData(exportText.text()); }

void ReplayScreen::cmdClose_Click() { UnloadLater(this); }

} // namespace lx
