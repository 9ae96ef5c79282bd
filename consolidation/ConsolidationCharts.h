#pragma once
// The two void-ratio charts of a consolidation test, set up once for the replay screen and
// the report: e against vertical effective stress (picDraw1) and e against its logarithm
// (picDraw2), which takes picDraw1's scale. The settlement-time chart of one increment
// is the screen's alone.
#include "lab/Chart.h"
#include "lab/ChartAxis.h"
#include "lab/StoredPoints.h"

#include <QStringList>

#include <span>

namespace lx {
class ChartFrame;
}

namespace consolidation {

struct ChartAxes {
    lx::Axis stress;       // Standard ladder
    lx::Axis voidRatio;    // Small ladder
    lx::Axis log;          // the three-decade window
    float maxStress = 0;   // the largest stress before the axis is widened
};

// The axes of a test's points (columns stress, e, log10 stress).
ChartAxes AxesOf(const lx::StoredCurve& points);

// Tick captions: the void ratio rounded to 3 decimals, the log axis as four powers of ten
// (the fifth label stays empty).
QStringList VoidRatioCaptions(const ChartAxes& axes);
QStringList LogCaptions(const ChartAxes& axes);

// Light red on the stress chart, light blue on the log chart; a star at (-50, -100).
lx::CurveStyle StressCurveStyle();
lx::CurveStyle LogCurveStyle();

// The void-ratio axis's title of every consolidation chart.
inline const QString VoidRatioTitle = QStringLiteral("Void Ratio, e");

// The titles of the two stress charts, the same on the screen and the report.
void LabelFrames(lx::ChartFrame& frame1, lx::ChartFrame& frame2);

// Gives picDraw2 picDraw1's scale and draws both charts through the kit's report drawer:
// grids (eighths on the stress chart, decades and five-times lines on the log chart),
// captions, and the curves given (the report's; the screen grows its own from the charts
// returned).
struct Charts {
    lx::Chart stress;
    lx::Chart log;
};
Charts SetupCharts(lx::ChartFrame& frame1, lx::ChartFrame& frame2, const ChartAxes& axes,
                   std::span<const lx::Curve> stressCurves = {}, std::span<const lx::Curve> logCurves = {});

} // namespace consolidation
