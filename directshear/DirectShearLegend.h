#pragma once
// What the direct shear report writes of each curve in its legend, without windows: the
// normal stress and initial void ratio texts of the curve, its peak shear stress and the
// displacements of the first row at that peak. Curve k of a report is test k of its points.
#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

namespace lx {
template <typename T>
class BasicStoredCurve;
using StoredCurve = BasicStoredCurve<float>;
} // namespace lx

namespace directshear {

// The number of curves a report draws: CurveCounts(0), held to the tests the points hold
// and to the three columns of the legend.
int CurvesOf(std::span<const int16_t> curveCounts, const lx::StoredCurve& points);

struct LegendColumn {
    QColor color;
    QString normalStress;   // ParamTexts 5 + 2k, unchanged
    QString voidRatio;      // ParamTexts 6 + 2k, unchanged
    QString peak;           // the largest shear stress
    QString horizontal;     // the displacements of the first row at the peak
    QString vertical;
};
LegendColumn LegendOf(const lx::StoredCurve& points, int k, const QStringList& texts);

} // namespace directshear
