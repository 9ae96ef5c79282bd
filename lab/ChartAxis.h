#pragma once
// Chart axes without widgets: the range of an axis from its data and a ladder, its tick
// step and scale, the three-decade log window, the report ladders, the axis of a
// settlement-time curve and the points a thinned polyline keeps. All values are single
// precision, as the charts hold them.
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <span>
#include <vector>

namespace lx {

struct Axis {
    float min = 0;
    float max = 4;

    float range() const { return max - min; }
    // The tick step: the range over the number of divisions (four on every chart).
    float step(int divisions = 4) const { return (max - min) / float(divisions); }
    // Surface units per data unit over an extent of the surface.
    float scale(double extent) const { return float(extent / double(max - min)); }
    // The tick values min + k * step for k = 0 .. divisions.
    std::vector<float> ticks(int divisions = 4) const;
};

// Every axis a chart gets passes through here: a range that is empty, reversed or not a
// number (no points, data of one value on a ladder that does not widen it) becomes
// min .. min + 4, as the frame's ladders do, so that no scale divides by zero.
Axis checkedAxis(float min, float max);

// The smallest and largest value over several columns (a chart over all its curves, or
// two columns gathered on one axis), as MinValue and MaxValue take them: 0 and 0 when
// every column is empty.
float dataMin(std::initializer_list<std::span<const float>> columns);
float dataMax(std::initializer_list<std::span<const float>> columns);

// The three ladders of the frame (basDataAnalysis).
enum class Ladder { Standard, Small, Fine };
Axis niceAxis(float min, float max, Ladder ladder = Ladder::Standard);
Axis niceAxis(std::initializer_list<std::span<const float>> columns, Ladder ladder = Ladder::Standard);
inline Axis niceAxis(std::span<const float> column, Ladder ladder = Ladder::Standard)
{
    return niceAxis({column}, ladder);
}

// The log axis of the consolidation charts (values are base-10 logarithms): a window of
// three decades chosen by the largest value, 0 to 3 up to 2.999, 1 to 4 up to 3.999,
// 2 to 5 up to 5, and above 5 three decades from the data's own minimum.
inline constexpr int LogDecades = 3;
Axis logAxis(float min, float max);

// The report charts: axes from 0 to the first rung at or above the data maximum.
// x (axial strain): 10, 20, 30, 40, 80, 100, ... 10000, then steps of 4000 to lastRung.
// Above the last rung the data maximum itself is the axis maximum.
Axis reportXAxis(float max, int lastRung = 30000);
// y of chart 1 (deviator stress): 10, 20, 40, 80, 100, ... 10000, then steps of 4000 to 410000.
Axis reportStressAxis(float max);
// y of chart 2: maximum 5, 10, 20, 40, 80, 100, 200, then as chart 1; minimum 0 for
// exactly 0, -5 for anything above -5, else the first rung at or below it of -10, -20,
// ... -10000, then steps of 4000 to lastRung, below which the data minimum itself.
Axis reportSecondAxis(float min, float max, int lastRung = -30000);

// The void-ratio axis of a settlement-time curve from e1 to e2: from the smaller floored
// to 0.05, and 0.12, 0.2, 0.3, 0.4 or 0.8 high by the size of the change.
Axis settlementAxis(float e1, float e2);

// Tick captions min + k * step for k = 0 .. divisions, as the shortest text of a single,
// or rounded to 'decimals' first (halves to even) when decimals >= 0.
QStringList tickCaptions(const Axis& axis, int decimals = -1, int divisions = 4);
// Captions of a log axis: 10 ^ (min + k) for k = 0 .. count - 1.
QStringList logTickCaptions(const Axis& axis, int count = 5);

// The points a thinned polyline of n points keeps, in order: point 0, then the
// triangular numbers 1, 3, 6, ... up to the step s, then 2s, 3s, ... up to n - 1, where s
// is 1 up to 30 points and n / 30 rounded (halves to even) above.
std::vector<int> thinnedPoints(int n);

} // namespace lx
