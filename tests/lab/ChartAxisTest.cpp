// Axis ranges, ticks and thinning of the charts, without widgets.
#include "lab/ChartAxis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

namespace {

struct AxisCase {
    const char* name;
    lx::Axis got;
    float min, max;
};

void PrintTo(const AxisCase& c, std::ostream* os) { *os << c.name; }

class AxisCases : public ::testing::TestWithParam<AxisCase> {};

TEST_P(AxisCases, GivesTheAxis)
{
    const AxisCase& c = GetParam();
    EXPECT_FLOAT_EQ(c.got.min, c.min);
    EXPECT_FLOAT_EQ(c.got.max, c.max);
    EXPECT_GT(c.got.range(), 0.0f);
}

const float nan = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Ranges, AxisCases,
    ::testing::Values(
        // A zero, reversed or missing range never reaches a scale.
        AxisCase{"zero range", lx::checkedAxis(2.5f, 2.5f), 2.5f, 6.5f},
        AxisCase{"reversed range", lx::checkedAxis(3, 1), 3, 7},
        AxisCase{"no number", lx::checkedAxis(nan, nan), 0, 4},
        AxisCase{"no points", lx::niceAxis(std::span<const float>{}), 0, 5},
        AxisCase{"one value on the small ladder", lx::niceAxis(12, 12, lx::Ladder::Small), 0.4f, 12},
        AxisCase{"fine ladder", lx::niceAxis(-0.3f, 0.7f, lx::Ladder::Fine), -0.4f, 0.8f},
        // Past the last rung the data extreme is the axis end.
        AxisCase{"stress past 410000", lx::niceAxis(0, 500000), 0, 500000},
        AxisCase{"minimum below -30000", lx::niceAxis(-45000, 10), -45000, 10},
        AxisCase{"report x 30", lx::reportXAxis(30), 0, 30},
        AxisCase{"report x 31000 has no rung", lx::reportXAxis(31000), 0, 31000},
        AxisCase{"report x 45000 on the long ladder", lx::reportXAxis(45000, 50000), 0, 46000},
        AxisCase{"report x 60000 past the long ladder", lx::reportXAxis(60000, 50000), 0, 60000},
        AxisCase{"report x of no points", lx::reportXAxis(0), 0, 10},
        AxisCase{"report stress 30", lx::reportStressAxis(30), 0, 40},
        AxisCase{"report stress 12000", lx::reportStressAxis(12000), 0, 14000},
        AxisCase{"report stress 500000", lx::reportStressAxis(500000), 0, 500000},
        AxisCase{"chart 2 from 0", lx::reportSecondAxis(0, 3.2f), 0, 5},
        AxisCase{"chart 2 from 0.1", lx::reportSecondAxis(0.1f, 3.2f), -5, 5},
        AxisCase{"chart 2 minimum -12.5", lx::reportSecondAxis(-12.5f, 30), -20, 40},
        AxisCase{"chart 2 minimum -5", lx::reportSecondAxis(-5, 300), -10, 400},
        AxisCase{"chart 2 minimum -35000 has no rung", lx::reportSecondAxis(-35000, 5), -35000, 5},
        AxisCase{"chart 2 minimum -45000 on the long ladder", lx::reportSecondAxis(-45000, 5, -50000), -46000, 5},
        AxisCase{"chart 2 minimum -60000 past the long ladder", lx::reportSecondAxis(-60000, 5, -50000), -60000, 5},
        // The log window: three decades chosen by the maximum, from its minimum.
        AxisCase{"log maximum 2.5", lx::logAxis(0.3f, 2.5f), 0, 3},
        AxisCase{"log maximum 2.999", lx::logAxis(0.3f, 2.999f), 0, 3},
        AxisCase{"log maximum 3.5", lx::logAxis(1.2f, 3.5f), 1, 4},
        AxisCase{"log maximum 4.5", lx::logAxis(1.2f, 4.5f), 2, 5},
        AxisCase{"log maximum 5", lx::logAxis(1.2f, 5), 2, 5},
        AxisCase{"log maximum above 5", lx::logAxis(1.2f, 5.5f), 1.2f, 4.2f},
        // Settlement-time curves: floored to 0.05, height by the change.
        AxisCase{"settlement 1.234 to 1.2", lx::settlementAxis(1.234f, 1.2f), 1.2f, 1.32f},
        AxisCase{"settlement change of 0.07", lx::settlementAxis(0.07f, 0), 0, 0.2f},
        AxisCase{"settlement unloading", lx::settlementAxis(0.9f, 1.3f), 0.9f, 1.7f}));

TEST(Axis, ExtremesOverSeveralColumns)
{
    const float a[] = {1, 7, 3};
    const float b[] = {-2, 4};
    EXPECT_FLOAT_EQ(lx::dataMax({a, b}), 7);
    EXPECT_FLOAT_EQ(lx::dataMin({a, b}), -2);
    EXPECT_FLOAT_EQ(lx::dataMax({std::span<const float>{}, b}), 4);
    EXPECT_FLOAT_EQ(lx::dataMin({std::span<const float>{}}), 0);
    const lx::Axis both = lx::niceAxis({a, b});
    EXPECT_FLOAT_EQ(both.min, -5);
    EXPECT_FLOAT_EQ(both.max, 10);
}

TEST(Axis, StepsScalesAndCaptions)
{
    const lx::Axis x = lx::reportXAxis(30);
    EXPECT_EQ(lx::tickCaptions(x), (QStringList{"0", "7.5", "15", "22.5", "30"}));
    EXPECT_FLOAT_EQ(x.scale(2775), 92.5f);

    const lx::Axis strain = lx::niceAxis(0, 7.3f);
    EXPECT_EQ(lx::tickCaptions(strain), (QStringList{"0", "2.5", "5", "7.5", "10"}));

    EXPECT_EQ(lx::tickCaptions(lx::settlementAxis(1.234f, 1.2f), 3), (QStringList{"1.2", "1.23", "1.26", "1.29", "1.32"}));
    EXPECT_EQ(lx::tickCaptions(lx::Axis{0, 10}, 0), (QStringList{"0", "2", "5", "8", "10"}));  // 2.5 and 7.5 to even

    EXPECT_EQ(lx::logTickCaptions(lx::logAxis(0, 2.5f), 4), (QStringList{"1", "10", "100", "1000"}));
    EXPECT_EQ(lx::logTickCaptions(lx::logAxis(0, 3.5f)), (QStringList{"10", "100", "1000", "10000", "100000"}));
}

struct ThinCase {
    int n;
    std::vector<int> head;  // the first points kept
    int count;              // how many are kept
};

class Thinning : public ::testing::TestWithParam<ThinCase> {};

TEST_P(Thinning, KeepsThePoints)
{
    const ThinCase& c = GetParam();
    const std::vector<int> kept = lx::thinnedPoints(c.n);
    ASSERT_EQ(int(kept.size()), c.count);
    for (size_t i = 0; i < c.head.size(); ++i)
        EXPECT_EQ(kept[i], c.head[i]) << "point " << i;
    if (c.n > 0) {
        EXPECT_LE(kept.back(), c.n - 1);
    }
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
}

INSTANTIATE_TEST_SUITE_P(Polylines, Thinning,
                         ::testing::Values(ThinCase{0, {}, 0}, ThinCase{1, {0}, 1}, ThinCase{30, {0, 1, 2, 3}, 30},
                                           ThinCase{31, {0, 1, 2, 3}, 31}, ThinCase{45, {0, 1, 4, 6, 8}, 23},
                                           ThinCase{75, {0, 1, 4, 6}, 38}, ThinCase{100, {0, 1, 3, 6, 9, 12}, 35},
                                           ThinCase{301, {0, 1, 3, 6, 10, 20, 30}, 34}));

} // namespace
