#include "directshear/DirectShearCharts.h"

#include "lab/ChartFrame.h"
#include "lab/ReplayScreen.h"
#include "lab/StoredPoints.h"
#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include <QLabel>

namespace directshear {

ShearAxes AxesOf(const lx::StoredCurve& points)
{
    return {lx::niceAxis(points.column(0)), lx::niceAxis(points.column(1)), lx::niceAxis(points.column(2), lx::Ladder::Fine)};
}

lx::GridStyle ShearGrid()
{
    lx::GridStyle grid;
    grid.verticalColor = lx::QBColor(7);
    grid.horizontalColor = lx::QBColor(0);
    return grid;
}

QColor CurveColor(int k) { return lx::QBColor(12 - 3 * k); }

lx::CurveStyle CurveStyleOf(const QColor& color)
{
    const lx::MarkerStyle star{.text = QStringLiteral("*"), .firstOffset = {-60, -120}, .offset = {-60, -120}, .color = QColor()};
    return {.color = color, .width = 2, .marker = star};
}

void LabelFrames(lx::ChartFrame& shearFrame, lx::ChartFrame& verticalFrame, FramesOf where)
{
    shearFrame.lblTitle->setText(QStringLiteral("Shear Stress- H Disp."));
    shearFrame.setUnit(QStringLiteral("τh (kPa)"));
    shearFrame.lblXAxisName->setText(QStringLiteral("Horiz Disp. (mm)"));
    verticalFrame.lblTitle->setText(QStringLiteral("V Disp. - H Disp."));
    verticalFrame.setUnit(QStringLiteral("Vert. Disp. (mm)"));
    verticalFrame.lblXAxisName->setText(where == FramesOf::Report ? QStringLiteral("Horiz Disp. (mm)")
                                                                  : QStringLiteral("Horiz. Disp. (mm)"));
}

lx::ReplayChartsLook ChartsLook() { return {.xDecimals = 3, .y1Decimals = 0, .y2Decimals = 3, .grid = ShearGrid()}; }

} // namespace directshear
