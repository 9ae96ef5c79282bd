#include "directshear/DirectShearLegend.h"

#include "directshear/DirectShearCharts.h"
#include "lab/StoredPoints.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace directshear {

int CurvesOf(std::span<const int16_t> curveCounts, const lx::StoredCurve& points)
{
    if (curveCounts.empty())
        return 0;
    return std::clamp<int>(curveCounts[0], 0, std::min(3, points.tests()));
}

LegendColumn LegendOf(const lx::StoredCurve& points, int k, const QStringList& texts)
{
    LegendColumn c;
    c.color = CurveColor(k);
    c.normalStress = texts.value(5 + 2 * k);
    c.voidRatio = texts.value(6 + 2 * k);
    const int at = k < points.tests() ? points.peakRow(1, k) : -1;
    if (at < 0)
        return c;
    c.peak = lx::SingleText(points(at, 1));
    c.horizontal = lx::SingleText(points(at, 0));
    c.vertical = lx::SingleText(points(at, 2));
    return c;
}

} // namespace directshear
