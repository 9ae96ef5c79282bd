#include "lab/ReportChart.h"

#include "lab/ChartFrame.h"
#include "platform/Colors.h"

#include <algorithm>

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

ReportChartAxes stressChartAxes(std::span<const float> strain, std::span<const float> stress)
{
    return {reportXAxis(MaxData(strain, int(strain.size()))), reportStressAxis(MaxData(stress, int(stress.size())))};
}

ReportChartAxes secondChartAxes(std::span<const float> strain, std::span<const float> third)
{
    const int n = int(third.size());
    return {reportXAxis(MaxData(strain, int(strain.size()))), reportSecondAxis(MinData(third, n), MaxData(third, n))};
}

CurveStyle reportCurveStyle(int qbColor)
{
    CurveStyle style;
    style.color = QBColor(qbColor);
    style.width = 2;
    return style;
}

void drawReportChart(ChartFrame& frame, const ReportChartAxes& axes, std::span<const Curve> curves)
{
    const Chart chart(*frame.picDraw, axes.x, axes.y);
    chart.clear();
    chart.drawGrid();
    for (const Curve& curve : curves)
        chart.plot(curve);
    frame.setCaptions(tickCaptions(chart.xAxis()), tickCaptions(chart.yAxis()));
}

} // namespace lx
