#pragma once
// The two charts every report page draws of a test: chart 1 deviator stress against axial
// strain, chart 2 the third column (volumetric strain or pore pressure) against axial
// strain, each on the report ladders with a black grid of 8 by 4 cells, its curves as
// polylines of width 2 with a star at every point, and five captions per axis.
#include "lab/Chart.h"
#include "lab/ChartAxis.h"

#include <span>

namespace lx {

class ChartFrame;

// The report controls' extremum functions: 0 for num < 1, else the largest (smallest) of
// the first num values, starting from -1E10 (+1E10). num is held to the data's size.
float MaxData(std::span<const float> data, int num);
float MinData(std::span<const float> data, int num);

struct ReportChartAxes {
    Axis x, y;
};
// Chart 1: x and y from 0 to the first rungs at or above the maxima.
ReportChartAxes stressChartAxes(std::span<const float> strain, std::span<const float> stress);
// Chart 2: y from its ladder of minima to its ladder of maxima.
ReportChartAxes secondChartAxes(std::span<const float> strain, std::span<const float> third);

// The curve style of the report charts: chart 1 light red, chart 2 light blue.
CurveStyle reportCurveStyle(int qbColor);

// Clears the frame's surface, draws the grid and the curves, and writes the tick captions.
void drawReportChart(ChartFrame& frame, const ReportChartAxes& axes, std::span<const Curve> curves);

} // namespace lx
