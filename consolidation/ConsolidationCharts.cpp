#include "consolidation/ConsolidationCharts.h"

#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include <QLabel>

namespace consolidation {

ChartAxes AxesOf(const lx::StoredCurve& points)
{
    ChartAxes a;
    a.maxStress = lx::dataMax({points.column(0)});
    a.stress = lx::niceAxis(lx::dataMin({points.column(0)}), a.maxStress, lx::Ladder::Standard);
    a.voidRatio = lx::niceAxis(points.column(1), lx::Ladder::Small);
    a.log = lx::logAxis(lx::dataMin({points.column(2)}), lx::dataMax({points.column(2)}));
    return a;
}

// Unrounded, a step of 0.2 gives captions such as "0.8000001".
QStringList VoidRatioCaptions(const ChartAxes& axes) { return lx::tickCaptions(axes.voidRatio, 3); }

QStringList LogCaptions(const ChartAxes& axes) { return lx::logTickCaptions(axes.log, 4); }

namespace {

lx::CurveStyle Style(int qbColor)
{
    const lx::MarkerStyle star{.text = QStringLiteral("*"), .firstOffset = {-50, -100}, .offset = {-50, -100}, .color = QColor()};
    return {.color = lx::QBColor(qbColor), .width = 2, .marker = star};
}

} // namespace

lx::CurveStyle StressCurveStyle() { return Style(12); }
lx::CurveStyle LogCurveStyle() { return Style(9); }

void LabelFrames(lx::ChartFrame& frame1, lx::ChartFrame& frame2)
{
    frame1.lblTitle->setText(QStringLiteral("e - σ'v"));
    frame2.lblTitle->setText(QStringLiteral("e - log σ'v"));
    for (lx::ChartFrame* f : {&frame1, &frame2}) {
        f->lblXAxisName->setText(QStringLiteral("Vertical Stress, σ'v (kPa)"));
        f->setUnit(VoidRatioTitle);
    }
}

Charts SetupCharts(lx::ChartFrame& frame1, lx::ChartFrame& frame2, const ChartAxes& axes,
                   std::span<const lx::Curve> stressCurves, std::span<const lx::Curve> logCurves)
{
    lx::PictureBox& draw1 = *frame1.picDraw;
    lx::PictureBox& draw2 = *frame2.picDraw;
    draw2.setScaleWidth(draw1.ScaleWidth());
    draw2.setScaleHeight(draw1.ScaleHeight());
    lx::drawReportChart(frame1, {axes.stress, axes.voidRatio}, stressCurves, {.yDecimals = 3});
    lx::drawReportChart(frame2, {axes.log, axes.voidRatio}, logCurves, {.grid = lx::logGrid(), .yDecimals = 3});
    frame2.setCaptions(LogCaptions(axes), VoidRatioCaptions(axes));
    // The captions stand under the decade lines, not at the quarters of an ordinary axis.
    frame2.centreXCaptions(lx::LogDecades);
    return {lx::Chart(draw1, axes.stress, axes.voidRatio), lx::Chart(draw2, axes.log, axes.voidRatio)};
}

} // namespace consolidation
