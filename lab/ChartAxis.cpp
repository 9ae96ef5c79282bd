#include "lab/ChartAxis.h"

#include "app/basDataAnalysis.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lx {

namespace {

// The first rung not below v, or v itself past the last rung.
float firstAtLeast(const std::vector<float>& rungs, float v)
{
    for (float r : rungs)
        if (v <= r)
            return r;
    return v;
}

// The first rung not above v (rungs in falling order), or v itself past the last rung.
float firstAtMost(const std::vector<float>& rungs, float v)
{
    for (float r : rungs)
        if (v >= r)
            return r;
    return v;
}

// base followed by from + 4000 k for k = 1, 2, ... while within last (whole numbers, so
// the rungs are exact in single precision).
std::vector<float> ladder(std::initializer_list<float> base, long from, long last)
{
    std::vector<float> rungs(base);
    const long dir = last >= from ? 1 : -1;
    for (long r = from + dir * 4000; dir * r <= dir * last; r += dir * 4000)
        rungs.push_back(float(r));
    return rungs;
}

int16_t count16(std::span<const float> column)
{
    return int16_t(std::min<size_t>(column.size(), size_t(std::numeric_limits<int16_t>::max())));
}

} // namespace

std::vector<float> Axis::ticks(int divisions) const
{
    std::vector<float> out;
    const float s = step(divisions);
    for (int k = 0; k <= divisions; ++k)
        out.push_back(min + float(k) * s);
    return out;
}

Axis checkedAxis(float min, float max)
{
    if (!std::isfinite(min))
        min = 0;
    if (!(max > min) || !std::isfinite(max))
        max = min + 4.0f;
    return {min, max};
}

namespace {

// One extreme over several columns: each column's by the frame's routine, then theirs.
template <class Pick>
float extreme(std::initializer_list<std::span<const float>> columns, float (*of)(const float*, int16_t), Pick pick)
{
    bool any = false;
    float held = 0;
    for (std::span<const float> c : columns) {
        if (c.empty())
            continue;
        const float m = of(c.data(), count16(c));
        held = any ? pick(held, m) : m;
        any = true;
    }
    return held;
}

} // namespace

float dataMin(std::initializer_list<std::span<const float>> columns)
{
    return extreme(columns, basDataAnalysis::MinValue, [](float a, float b) { return std::min(a, b); });
}

float dataMax(std::initializer_list<std::span<const float>> columns)
{
    return extreme(columns, basDataAnalysis::MaxValue, [](float a, float b) { return std::max(a, b); });
}

Axis niceAxis(float min, float max, Ladder ladder)
{
    switch (ladder) {
    case Ladder::Standard: basDataAnalysis::NiceAxisRange(min, max); break;
    case Ladder::Small: basDataAnalysis::NiceAxisRangeSmall(min, max); break;
    case Ladder::Fine: basDataAnalysis::NiceAxisRangeFine(min, max); break;
    }
    return checkedAxis(min, max);
}

Axis niceAxis(std::initializer_list<std::span<const float>> columns, Ladder ladder)
{
    return niceAxis(dataMin(columns), dataMax(columns), ladder);
}

Axis logAxis(float min, float max)
{
    float low = min;
    if (max <= 2.999f)
        low = 0;
    else if (max <= 3.999f)
        low = 1;
    else if (max <= 5.0f)
        low = 2;
    return checkedAxis(low, low + float(LogDecades));
}

Axis reportXAxis(float max, int lastRung)
{
    static const std::vector<float> standard =
        ladder({10, 20, 30, 40, 80, 100, 200, 400, 800, 1200, 1600, 2000, 4000, 6000, 8000, 10000}, 10000, 30000);
    const std::vector<float> rungs = lastRung == 30000
        ? standard
        : ladder({10, 20, 30, 40, 80, 100, 200, 400, 800, 1200, 1600, 2000, 4000, 6000, 8000, 10000}, 10000, lastRung);
    return checkedAxis(0, firstAtLeast(rungs, max));
}

Axis reportStressAxis(float max)
{
    static const std::vector<float> rungs =
        ladder({10, 20, 40, 80, 100, 200, 400, 800, 1200, 1600, 2000, 4000, 6000, 8000, 10000}, 10000, 410000);
    return checkedAxis(0, firstAtLeast(rungs, max));
}

Axis reportSecondAxis(float min, float max, int lastRung)
{
    static const std::vector<float> maxima =
        ladder({5, 10, 20, 40, 80, 100, 200, 400, 800, 1200, 1600, 2000, 4000, 6000, 8000, 10000}, 10000, 410000);
    const std::vector<float> minima = ladder(
        {-10, -20, -40, -80, -100, -200, -400, -800, -1200, -1600, -2000, -4000, -6000, -8000, -10000}, -10000,
        lastRung);
    float low;
    if (min == 0)
        low = 0;
    else if (min > -5)
        low = -5;
    else
        low = firstAtMost(minima, min);
    return checkedAxis(low, firstAtLeast(maxima, max));
}

Axis settlementAxis(float e1, float e2)
{
    const float low = std::floor(std::min(e1, e2) * 20.0f) / 20.0f;
    const float d = std::fabs(e1 - e2);
    float height;
    if (d < 0.07f)
        height = 0.12f;
    else if (d < 0.15f)
        height = 0.2f;
    else if (d < 0.25f)
        height = 0.3f;
    else if (d < 0.35f)
        height = 0.4f;
    else
        height = 0.8f;
    return checkedAxis(low, low + height);
}

QStringList tickCaptions(const Axis& axis, int decimals, int divisions)
{
    QStringList out;
    for (float v : axis.ticks(divisions))
        out << (decimals < 0 ? SingleText(v) : SingleText(float(Round(v, decimals))));
    return out;
}

QStringList logTickCaptions(const Axis& axis, int count)
{
    QStringList out;
    for (int k = 0; k < count; ++k)
        out << SingleText(float(std::pow(10.0, double(axis.min + float(k)))));
    return out;
}

std::vector<int> thinnedPoints(int n)
{
    std::vector<int> out;
    if (n < 1)
        return out;
    const int s = n <= 30 ? 1 : int(CLng(n / 30.0));
    out.push_back(0);
    for (int k = 1;; ++k) {
        const int t = k * (k + 1) / 2;
        if (t > s || t > n - 1)
            break;
        out.push_back(t);
    }
    for (int m = 2 * s; m <= n - 1; m += s)
        if (m > out.back())
            out.push_back(m);
    return out;
}

} // namespace lx
