#include "lab/ReportChart.h"

#include "lab/ChartFrame.h"
#include "platform/Colors.h"

#include <algorithm>
#include <vector>

namespace lx {

namespace {

std::span<const float> firstOf(std::span<const float> data, int num)
{
    return data.first(size_t(std::clamp<int>(num, 0, int(data.size()))));
}

} // namespace

float MaxData(std::span<const float> data, int num)
{
    if (num < 1)
        return 0;
    float m = -1e10f;
    for (float v : firstOf(data, num))
        if (v > m)
            m = v;
    return m;
}

float MinData(std::span<const float> data, int num)
{
    if (num < 1)
        return 0;
    float m = 1e10f;
    for (float v : firstOf(data, num))
        if (v < m)
            m = v;
    return m;
}

namespace {

// An axis extreme over several curves: each curve's by the report's function over its
// points, then the same function over those (an empty curve counts as 0, as MaxData of no
// values is).
float curvesExtreme(std::span<const Curve> curves, bool ofX, bool largest)
{
    std::vector<float> extremes;
    for (const Curve& c : curves) {
        const std::span<const float> v = ofX ? c.x : c.y;
        extremes.push_back(largest ? MaxData(v, int(v.size())) : MinData(v, int(v.size())));
    }
    const int n = int(extremes.size());
    return largest ? MaxData(extremes, n) : MinData(extremes, n);
}

} // namespace

ReportChartAxes stressChartAxes(std::span<const Curve> curves, ReportLadders ladders)
{
    return {reportXAxis(curvesExtreme(curves, true, true), ladders.lastXRung),
            reportStressAxis(curvesExtreme(curves, false, true))};
}

ReportChartAxes secondChartAxes(std::span<const Curve> curves, ReportLadders ladders)
{
    return {reportXAxis(curvesExtreme(curves, true, true), ladders.lastXRung),
            reportSecondAxis(curvesExtreme(curves, false, false), curvesExtreme(curves, false, true), ladders.lastMinRung)};
}

ReportChartAxes stressChartAxes(std::span<const float> strain, std::span<const float> stress, ReportLadders ladders)
{
    const Curve one[] = {{strain, stress}};
    return stressChartAxes(one, ladders);
}

ReportChartAxes secondChartAxes(std::span<const float> strain, std::span<const float> third, ReportLadders ladders)
{
    const Curve one[] = {{strain, third}};
    return secondChartAxes(one, ladders);
}

CurveStyle reportCurveStyle(int qbColor, bool markers)
{
    CurveStyle style;
    style.color = QBColor(qbColor);
    style.width = 2;
    if (!markers)
        style.marker.text.clear();
    return style;
}

void drawReportChart(ChartFrame& frame, const ReportChartAxes& axes, std::span<const Curve> curves,
                     const ReportChartOptions& options)
{
    const Chart chart(*frame.picDraw, axes.x, axes.y);
    chart.clear();
    chart.drawGrid(options.grid);
    for (const Curve& curve : curves)
        chart.plot(curve);
    frame.setCaptions(tickCaptions(chart.xAxis(), options.xDecimals), tickCaptions(chart.yAxis(), options.yDecimals));
}

} // namespace lx
