#include "directshear/DirectShearLegend.h"

#include "directshear/DirectShearCharts.h"
#include "lab/StoredPoints.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace directshear {

std::vector<CurveRows> CurveRowsOf(std::span<const int16_t> curveCounts, int totalPoints)
{
    std::vector<CurveRows> rows;
    if (curveCounts.empty())
        return rows;
    const int n = std::clamp<int>(curveCounts[0], 0, std::min<int>(3, int(curveCounts.size()) - 1));
    int first = 0;
    for (int k = 0; k < n; ++k) {
        const int count = std::clamp<int>(curveCounts[size_t(k) + 1], 0, std::max(0, totalPoints - first));
        rows.push_back({first, count});
        first += count;
    }
    return rows;
}

LegendColumn LegendOf(const lx::StoredCurve& points, const CurveRows& rows, const QStringList& texts, int k)
{
    LegendColumn c;
    c.color = CurveColor(k);
    c.normalStress = texts.value(5 + 2 * k);
    c.voidRatio = texts.value(6 + 2 * k);
    if (rows.count < 1)
        return c;
    const std::span<const float> shear = points.column(1).subspan(size_t(rows.first), size_t(rows.count));
    // max_element gives the first of equal maxima: the earliest row at the peak.
    const int at = rows.first + int(std::max_element(shear.begin(), shear.end()) - shear.begin());
    c.peak = lx::SingleText(points(at, 1));
    c.horizontal = lx::SingleText(points(at, 0));
    c.vertical = lx::SingleText(points(at, 2));
    return c;
}

} // namespace directshear
