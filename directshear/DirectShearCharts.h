#pragma once
// The two charts of a direct shear test, as the replay screen and the report draw them:
// shear stress and vertical displacement against horizontal displacement. The axes span
// every point given (all curves of a report); both charts share the horizontal axis.
#include "lab/Chart.h"
#include "lab/ChartAxis.h"

#include <QColor>
#include <QStringList>

namespace lx {
class ChartFrame;
struct ReplayChartsLook;
template <typename T>
class BasicStoredCurve;
using StoredCurve = BasicStoredCurve<float>;
} // namespace lx

namespace directshear {

struct ShearAxes {
    lx::Axis horizontal;   // column 0, the standard ladder
    lx::Axis shear;        // column 1, the standard ladder
    lx::Axis vertical;     // column 2, the fine ladder
};
ShearAxes AxesOf(const lx::StoredCurve& points);

// Light grey verticals and black horizontals.
lx::GridStyle ShearGrid();
// Curve k of a report (0 on the screen): QBColor 12, 9 and 6, width 2, a star at every
// point printed 60 twips left of and 120 above it.
QColor CurveColor(int k);
lx::CurveStyle CurveStyleOf(const QColor& color);

// Frame captions and titles of the two charts.
// The report names the horizontal axis of both charts "Horiz Disp. (mm)"; the screen writes
// the vertical chart's "Horiz. Disp. (mm)".
enum class FramesOf { Screen, Report };
void LabelFrames(lx::ChartFrame& shearFrame, lx::ChartFrame& verticalFrame, FramesOf where);
// How the screen sets its two charts up (lx::setupReplayCharts): displacements captioned to
// 3 decimals, shear stress whole, on the shear grid.
lx::ReplayChartsLook ChartsLook();

} // namespace directshear
