#include "consolidation/SettlementChart.h"

#include "lab/ChartAxis.h"
#include "consolidation/ConsolidationCharts.h"
#include "lab/ChartFrame.h"
#include "lab/Replay.h"
#include "platform/Colors.h"
#include "platform/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace consolidation {

SettlementChart::SettlementChart(lx::ChartFrame* frame, const lx::StoredCurve& curve, const lx::Replay& replay)
    : PicFrame3(frame), curve(curve), replay(replay)
{
    PicFrame3->lblTitle->setText(QStringLiteral("e - Time"));
    PicFrame3->lblXAxisName->setText(QStringLiteral("Time"));
    // Previous, Points and Next hold the row under the title: the axis title goes left of it.
    PicFrame3->lblUnit->move(0, PicFrame3->lblTitle->y());
    PicFrame3->setUnit(VoidRatioTitle);
    cmdPrev = lx::twButton(PicFrame3, QStringLiteral("Previous"), QString(), 600, 250, 780, 285);
    lblPoints = lx::twControl<QLabel>(PicFrame3, "lblPoints", 1440, 295, 500, 200, QStringLiteral("Points"));
    lbleRange = lx::twControl<QLabel>(PicFrame3, "lbleRange", 1940, 295, 640, 200);
    cmdNext = lx::twButton(PicFrame3, QStringLiteral("Next"), QString(), 2595, 250, 780, 285);
    cmdPrev->setEnabled(false);
    cmdNext->setEnabled(false);

    Timer2 = new QTimer(this);
    Timer2->setInterval(60);
    connect(Timer2, &QTimer::timeout, this, &SettlementChart::Timer2_Timer);
    connect(cmdPrev, &QPushButton::clicked, this, &SettlementChart::cmdPrev_Click);
    connect(cmdNext, &QPushButton::clicked, this, &SettlementChart::cmdNext_Click);
}

SettlementChart::~SettlementChart() { Timer2->stop(); }

void SettlementChart::reset()
{
    increments.reset();
    curveDrawn = false;
}

int SettlementChart::listed(int row)
{
    increments.listed(row);
    return increments.listedCount();
}

void SettlementChart::showIncrement()
{
    drawIncrementCurve(curve(increments.startRow(), 1), curve(increments.endRow(), 1));
}

void SettlementChart::drawIncrementCurve(float e1, float e2)
{
    const lx::Axis time{0, 40};
    const lx::Axis e = lx::settlementAxis(e1, e2);
    PicFrame3->setCaptions(lx::tickCaptions(time), lx::tickCaptions(e, 3));
    const lx::Chart chart(*PicFrame3->picDraw, time, e);
    chart.clear();
    chart.drawGrid();
    const lx::MarkerStyle star{.text = QStringLiteral("*"), .firstOffset = {-60, -150}, .offset = {-60, -150}, .color = QColor()};
    trace.emplace(chart, lx::CurveStyle{.color = lx::QBColor(12), .width = 2, .marker = star});
    trace->start(0, e1);
    const int k = increments.k();
    lbleRange->setText(QString::number(k - 1) + QStringLiteral(" -- ") + QString::number(k));
    curveE1 = e1;
    curveE2 = e2;
    curveRow = 0;
    curveDrawn = true;
    Timer2->start();
}

void SettlementChart::Timer2_Timer()
{
    if (!trace || curveRow >= TimeRows - 1) {
        Timer2->stop();
        return;
    }
    ++curveRow;
    trace->lineTo(std::sqrt(TimeTable()[size_t(curveRow)].t), CurveVoidRatio(curveE1, curveE2, curveRow));
    if (curveRow == TimeRows - 1)
        Timer2->stop();
}

void SettlementChart::replayEnded(bool stepping)
{
    cmdPrev->setEnabled(stepping && increments.canPrevious());
    cmdNext->setEnabled(false);
}

void SettlementChart::step(bool forward)
{
    if (replay.running() || !(forward ? increments.next() : increments.previous()))
        return;
    showIncrement();
    cmdPrev->setEnabled(increments.canPrevious());
    cmdNext->setEnabled(increments.canNext());
}

void SettlementChart::cmdPrev_Click() { step(false); }

void SettlementChart::cmdNext_Click() { step(true); }

} // namespace consolidation
