#pragma once
// What the direct shear report writes of its curves, without windows: where each curve's
// rows lie in the one point array, and the legend column of each curve (normal stress,
// initial void ratio, the peak shear stress and the displacements where it is first
// reached).
#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace lx {
template <typename T>
class BasicStoredCurve;
using StoredCurve = BasicStoredCurve<float>;
} // namespace lx

namespace directshear {

struct CurveRows {
    int first = 0;
    int count = 0;
};
// The rows of each curve from CurveCounts (element 0 the number of curves, then the points
// of each): at most three curves, each held to the points there are.
std::vector<CurveRows> CurveRowsOf(std::span<const int16_t> curveCounts, int totalPoints);

struct LegendColumn {
    QColor color;
    QString normalStress;   // ParamTexts 5 + 2k, unchanged
    QString voidRatio;      // ParamTexts 6 + 2k, unchanged
    QString peak;           // the largest shear stress
    QString horizontal;     // the displacements of the first row at the peak
    QString vertical;
};
LegendColumn LegendOf(const lx::StoredCurve& points, const CurveRows& rows, const QStringList& texts, int k);

} // namespace directshear
