#include "basDataAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace basDataAnalysis;

namespace {

struct Case { float yMin, yMax, axisMin, axisMax; };
using Ladder = void (*)(float&, float&);

void expectLadder(Ladder ladder, const char* name, const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        float lo = c.yMin, hi = c.yMax;
        ladder(lo, hi);
        EXPECT_EQ(lo, c.axisMin) << name << " min of (" << c.yMin << ", " << c.yMax << ")";
        EXPECT_EQ(hi, c.axisMax) << name << " max of (" << c.yMin << ", " << c.yMax << ")";
    }
}

const float justAbove5 = std::nextafter(5.0f, 10.0f);
const float justAbove36 = std::nextafter(3.6f, 10.0f);

TEST(NiceAxisRangeTest, StressAndStrainLadder)
{
    expectLadder(NiceAxisRange, "NiceAxisRange", {
        {0, 5, 0, 5}, {0, justAbove5, 0, 10}, {0, 25, 0, 28}, {0, 29, 0, 40}, {0, 330, 0, 400},
        {0, 10000, 0, 10000}, {0, 10001, 0, 14000}, {0, 410000, 0, 410000}, {0, 500000, 0, 500000},
        {3, 50, 0, 60}, {-4.9f, 50, -5, 60}, {-5, 50, -10, 60}, {-10, 50, -10, 60}, {-90, 50, -100, 60},
        {-25000, 50, -26000, 60}, {-30000, 50, -30000, 60},
        // Below the last step the data minimum stands.
        {-40000, 50, -40000, 60},
        // Equal ends never happen here: the two ladders never meet.
        {0, 0, 0, 5}, {-5, -5, -10, 5},
    });
}

TEST(NiceAxisRangeTest, VoidRatioLadderInSinglePrecision)
{
    expectLadder(NiceAxisRangeSmall, "NiceAxisRangeSmall", {
        {0.5f, 1.1f, 0.4f, 1.2000000477f}, {0.5f, 1.2f, 0.4f, 1.2f}, {0.5f, 3.6f, 0.4f, 3.6f},
        {0.5f, justAbove36, 0.4f, 4.0f}, {0.5f, 4.5f, 0.4f, 5}, {0.5f, 9, 0.4f, 10}, {0.5f, 12, 0.4f, 12},
        {0.5f, -1, 0.4f, 0.4f + 4.0f}, {0.9f, 2, 0.4f, 2}, {0.3f, 2, 0, 2}, {0.4f, 2, 0, 2}, {0, 2, -5, 2},
        {-7, 2, -10, 2}, {-12, 2, -12, 2}, {0.5f, 0.3f, 0.4f, 0.4f + 4.0f},
    });
}

TEST(NiceAxisRangeTest, DisplacementLadderInSinglePrecision)
{
    expectLadder(NiceAxisRangeFine, "NiceAxisRangeFine", {
        {0, 0.05f, 0, 0.06f}, {0, 0.1f, 0, 0.1f}, {0, 0.7f, 0, 0.8f}, {0, 0.2f, 0, 0.2f}, {0, 1, 0, 1},
        {0, 1.5f, 0, 2}, {0, 3, 0, 5}, {0, 12, 0, 10}, {0, -1, 0, 4},
        {0.05f, 1, 0, 1}, {0.5f, 1, 0.1f, 1}, {-0.3f, 1, -0.4f, 1}, {-0.2f, 1, -0.4f, 1}, {-0.99f, 1, -1, 1},
        {-1, 1, -2, 1}, {-3, 1, -5, 1}, {-20, 1, -10, 1}, {0, 0, 0, 4},
    });
}

TEST(MaxMinValueTest, ReadExactlyNElements)
{
    // The guard values past n must never be read.
    const float values[] = {3, -2, 7.5f, 7.5f, 1, 99, -99};
    EXPECT_EQ(MaxValue(values, 5), 7.5f);
    EXPECT_EQ(MinValue(values, 5), -2);
    EXPECT_EQ(MaxValue(values, 1), 3);
    EXPECT_EQ(MinValue(values, 1), 3);
    EXPECT_EQ(MaxValue(values, 0), 0);
    EXPECT_EQ(MinValue(values, -3), 0);
    const float same[] = {4.25f, 4.25f, 4.25f};
    EXPECT_EQ(MaxValue(same, 3), 4.25f);
    EXPECT_EQ(MinValue(same, 3), 4.25f);
    std::vector<float> onlyNValid(301, 1.0f);
    EXPECT_EQ(MaxValue(onlyNValid.data(), 301), 1.0f);
}

} // namespace
