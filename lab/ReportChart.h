#pragma once
// The two charts every triaxial report page draws: chart 1 deviator stress against axial
// strain, chart 2 the third column (volumetric strain or pore pressure) against axial
// strain, each on the report ladders with a grid of 8 by 4 cells and five captions per
// axis. A chart holds any number of curves (a study's tests, a published test beside its
// simulation); its axes span them all. Curves are polylines of width 2, with or without a
// star at their points.
#include "lab/Chart.h"
#include "lab/ChartAxis.h"

#include <span>

namespace lx {

class ChartFrame;

// The report controls' extremum functions: 0 for num < 1, else the largest (smallest) of
// the first num values, starting from -1E10 (+1E10). num is held to the data's size.
float MaxData(std::span<const float> data, int num);
float MinData(std::span<const float> data, int num);

// The last rungs of the x ladder and of chart 2's minimum ladder; past them the data's
// own extreme is the axis end.
struct ReportLadders {
    int lastXRung = 30000;
    int lastMinRung = -30000;
    // The database-simulation report's longer ladders.
    static constexpr ReportLadders longer() { return {50000, -50000}; }
};

struct ReportChartAxes {
    Axis x, y;
};
// Chart 1: x and y from 0 to the first rungs at or above the maxima over every curve.
ReportChartAxes stressChartAxes(std::span<const Curve> curves, ReportLadders ladders = {});
// Chart 2: y from its ladder of minima to its ladder of maxima, over every curve.
ReportChartAxes secondChartAxes(std::span<const Curve> curves, ReportLadders ladders = {});
// The same for one curve.
ReportChartAxes stressChartAxes(std::span<const float> strain, std::span<const float> stress, ReportLadders ladders = {});
ReportChartAxes secondChartAxes(std::span<const float> strain, std::span<const float> third, ReportLadders ladders = {});

// A report curve in a palette colour: width 2, a star at every point (offset 40 left and
// 70 up) or no marker at all.
CurveStyle reportCurveStyle(int qbColor, bool markers = true);

struct ReportChartOptions {
    GridStyle grid = {};   // black, fractional steps
    int xDecimals = -1;    // tick captions rounded first (halves to even); -1: the shortest text
    int yDecimals = -1;
};

// Clears the frame's surface, draws the grid and the curves, and writes the tick captions.
void drawReportChart(ChartFrame& frame, const ReportChartAxes& axes, std::span<const Curve> curves,
                     const ReportChartOptions& options = {});

} // namespace lx
