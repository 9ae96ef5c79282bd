// The consolidation test's rules without windows: the soil table, which rows a replay
// lists, the weights on the hanger, the stepping through increments and the increment's
// export text.
#include "consolidation/ConsolidationCharts.h"
#include "consolidation/ConsolidationRun.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using namespace consolidation;

TEST(ConsolidationSoils, KindsTablesAndBoxes)
{
    EXPECT_EQ(KindOfReference(1001.0f), Kind::IL);
    EXPECT_EQ(KindOfReference(1999.9f), Kind::IL);
    EXPECT_EQ(KindOfReference(2000.0f), Kind::CRS);
    EXPECT_EQ(KindOfReference(0.0f), Kind::None);
    EXPECT_EQ(KindOfReference(999.0f), Kind::None);
    ASSERT_EQ(Soils(Kind::IL).size(), 6u);
    ASSERT_EQ(Soils(Kind::CRS).size(), 4u);
    EXPECT_TRUE(Soils(Kind::None).empty());
    EXPECT_EQ(Soils(Kind::IL)[4].name, u"Ooty Silt");
    EXPECT_EQ(Soils(Kind::IL)[4].referenceNumber, 1002.2f);
    EXPECT_EQ(Soils(Kind::CRS)[3].name, u"Kaolin Clay");
    EXPECT_EQ(lx::TestInfoQuery(ParameterTable(), Soils(Kind::IL)[4].referenceNumber),
              u"SELECT * FROM TestInfo WHERE ReferenceNumber =1002.2");
    EXPECT_EQ(lx::ReferenceQuery(ParameterTable(), Soils(Kind::IL)[0].referenceNumber),
              u"SELECT * FROM Reference WHERE ReferenceNumber =1001");
    EXPECT_EQ(ParameterCaptions().size(), 7);
    EXPECT_EQ(ParameterCaptions()[StrainRateBox], u"Strain Rate (%/min):");
    EXPECT_EQ(KindText(Kind::IL), u"IL");
    EXPECT_EQ(KindText(Kind::CRS), u"CRS");
    EXPECT_TRUE(KindText(Kind::None).isEmpty());
}

TEST(ConsolidationReplay, ListedRowsFollowTheDisplayRule)
{
    struct Case {
        const char* name;
        Kind kind;
        std::vector<float> stress;
        std::vector<int> listed;
    };
    const Case cases[] = {
        {"even rows and the last", Kind::IL, {10, 14, 20, 28, 40, 20, 10}, {0, 2, 4, 6}},
        {"the maximum on an odd row", Kind::IL, {10, 40, 20, 14, 10, 8}, {0, 1, 2, 4, 5}},
        {"two maxima", Kind::IL, {10, 40, 20, 40, 10, 8, 5}, {0, 1, 2, 3, 4, 6}},
        {"an odd last row", Kind::IL, {10, 20, 40, 20}, {0, 2, 3}},
        {"one point", Kind::IL, {10}, {0}},
        {"two points", Kind::IL, {10, 20}, {0, 1}},
        {"CRS lists every row", Kind::CRS, {10, 11, 12, 13, 12}, {0, 1, 2, 3, 4}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListedRows(c.kind, c.stress), c.listed) << c.name;
    // Equality is in single precision with the unwidened maximum.
    EXPECT_TRUE(IsListed(Kind::IL, 3, 9, 3200.001f, 3200.001f));
    EXPECT_FALSE(IsListed(Kind::IL, 3, 9, 3200.0f, 3200.001f));
}

namespace {

// A stored incremental-loading test as the generator writes it: the load doubles from
// first for loadings steps, then falls to a quarter unloadings times; the listed rows are
// the steps, the odd rows between them the geometric means.
std::vector<float> LoadingTest(float first, int loadings, int unloadings)
{
    std::vector<float> steps;
    float load = first;
    for (int j = 0; j < loadings; ++j, load *= 2)
        steps.push_back(load);
    load = steps.back();
    for (int j = 0; j < unloadings; ++j) {
        load /= 4;
        steps.push_back(load);
    }
    std::vector<float> rows;
    for (size_t j = 0; j < steps.size(); ++j) {
        if (j > 0)
            rows.push_back(std::sqrt(steps[j - 1] * steps[j]));
        rows.push_back(steps[j]);
    }
    return rows;
}

// Replays the weights of a test; the weights on the hanger at the end.
std::set<int> WeightsAtTheEnd(const std::vector<float>& stress)
{
    LoadWeights weights;
    std::set<int> shown;
    int k = 0;
    for (int i : ListedRows(Kind::IL, stress)) {
        ++k;
        if (k < 2)
            continue;
        const LoadWeights::Change c = weights.next(k, stress[size_t(i)] > stress[size_t(i - 1)]);
        for (int w : c.show) {
            EXPECT_TRUE(w >= 0 && w < LoadWeights::Count);
            shown.insert(w);
        }
        for (int w : c.hide) {
            EXPECT_TRUE(w >= 0 && w < LoadWeights::Count);
            shown.erase(w);
        }
    }
    return shown;
}

} // namespace

TEST(ConsolidationReplay, WeightsGoOnWhileLoadingAndComeOffInPairs)
{
    const std::vector<float> t21 = LoadingTest(6.25f, 8, 3);
    const std::vector<float> t25 = LoadingTest(12.5f, 9, 4);
    ASSERT_EQ(t21.size(), 21u);
    ASSERT_EQ(t25.size(), 25u);
    EXPECT_EQ(WeightsAtTheEnd(t21), std::set<int>({0}));
    EXPECT_EQ(WeightsAtTheEnd(t25), std::set<int>());
    // Sixteen loadings show the fourteen weights there are and no more.
    const std::vector<float> t16 = LoadingTest(1.0f, 16, 0);
    std::set<int> all;
    for (int w = 0; w < LoadWeights::Count; ++w)
        all.insert(w);
    EXPECT_EQ(WeightsAtTheEnd(t16), all);
}

TEST(ConsolidationReplay, AnUnloadingWithNothingToTakeOffChangesNothing)
{
    LoadWeights w;
    // m = k - 2 - offset <= 0: no weight goes and the offset stays.
    for (int k : {2, 3}) {
        const LoadWeights::Change c = w.next(k, false);
        EXPECT_TRUE(c.show.empty() && c.hide.empty()) << k;
        EXPECT_EQ(w.offset(), 1);
    }
    const LoadWeights::Change c = w.next(4, false);   // m = 1: weights 1 and 0
    EXPECT_EQ(c.hide, std::vector<int>({1, 0}));
    EXPECT_EQ(w.offset(), 4);
    EXPECT_TRUE(w.next(1, true).show.empty());         // the first listed point changes nothing
    EXPECT_EQ(w.next(16, true).show, std::vector<int>()); // weight 14 does not exist
    EXPECT_EQ(w.next(15, true).show, std::vector<int>({13}));
}

TEST(ConsolidationReplay, SteppingGoesBackToTheFirstIncrementAndForwardToTheLast)
{
    IncrementSteps s;
    EXPECT_FALSE(s.hasIncrement());
    s.listed(0);
    // One listed point: no increment, no stepping.
    EXPECT_FALSE(s.hasIncrement());
    EXPECT_FALSE(s.canPrevious());
    EXPECT_FALSE(s.canNext());
    EXPECT_FALSE(s.previous());
    s.listed(2);
    // Two: one increment, nothing to step to.
    EXPECT_TRUE(s.hasIncrement());
    EXPECT_EQ(s.startRow(), 0);
    EXPECT_EQ(s.endRow(), 2);
    EXPECT_FALSE(s.canPrevious());
    EXPECT_FALSE(s.canNext());
    s.listed(3);
    s.listed(4);
    EXPECT_EQ(s.k(), 4);
    EXPECT_TRUE(s.canPrevious());
    EXPECT_FALSE(s.canNext());
    EXPECT_TRUE(s.previous());
    EXPECT_TRUE(s.previous());
    EXPECT_EQ(s.k(), 2);
    EXPECT_EQ(s.startRow(), 0);
    EXPECT_FALSE(s.canPrevious());
    EXPECT_TRUE(s.canNext());
    EXPECT_TRUE(s.next());
    EXPECT_TRUE(s.next());
    EXPECT_EQ(s.endRow(), 4);
    EXPECT_FALSE(s.next());
}

TEST(ConsolidationCurve, TheIncrementExportHasThirteenRowsEndingAtE2)
{
    const QString text = IncrementExportText(QStringLiteral("IL consolidation test: Ooty Silt"), 1.234f, 1.2f);
    const QStringList lines = text.split(u'\n');
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], u"IL consolidation test: Ooty Silt");
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_EQ(lines[2], u"No.\tTime (min)\tVoid ratio - e\t");
    EXPECT_EQ(lines[3], u"1\t0\t1.234");
    EXPECT_EQ(lines[4].section(u'\t', 0, 1), u"2\t0.6");
    EXPECT_EQ(lines[15].section(u'\t', 0, 1), u"13\t1440");
    for (int j = 3; j < 16; ++j)
        EXPECT_FALSE(lines[j].endsWith(u'\t')) << j;
    // e1 + U x (e2 - e1) in single precision; the last is e1 + (e2 - e1).
    const float last = 1.234f + (1.2f - 1.234f);
    EXPECT_EQ(CurveVoidRatio(1.234f, 1.2f, 12), last);
    EXPECT_EQ(CurveVoidRatio(1.234f, 1.2f, 0), 1.234f);
    EXPECT_EQ(CurveVoidRatio(1.0f, 1.5f, 5), 1.0f + 0.608f * 0.5f);
    const float times[] = {0, 0.6f, 1.5f, 3, 6, 12, 24, 45, 90, 180, 360, 720, 1440};
    for (int j = 0; j < TimeRows; ++j)
        EXPECT_EQ(TimeTable()[size_t(j)].t, times[j]);
}

// The help pages tell students what the constructions give on the increment curve, which is
// the same for every soil: Taylor's t90 about 10 min, Casagrande's t50 about 8.3 min (so the
// two methods' cv differ about 3.6 times) and a secondary slope of about 0.008 Cc for a load
// doubling. Drawn on the time table as a student draws them.
TEST(ConsolidationCurve, TaylorAndCasagrandeReadWhatThePagesSayOffTheIncrementCurve)
{
    struct Point {
        double x, u;
    };
    std::vector<Point> root, logT;
    for (const TimeRow& r : TimeTable()) {
        root.push_back({std::sqrt(double(r.t)), double(r.U)});
        if (r.t > 0)
            logT.push_back({std::log10(double(r.t)), double(r.U)});
    }
    // Where the curve first falls below the line u = a + m x.
    const auto crossing = [](const std::vector<Point>& curve, double a, double m) {
        for (size_t i = 1; i + 1 < curve.size(); ++i) {
            const double d0 = curve[i].u - (a + m * curve[i].x), d1 = curve[i + 1].u - (a + m * curve[i + 1].x);
            if (d0 > 0 && d1 <= 0)
                return curve[i].x + (curve[i + 1].x - curve[i].x) * d0 / (d0 - d1);
        }
        return std::nan("");
    };
    // Taylor: the straight early part (0.6 to 3 min) by least squares, then abscissae 1.15 times larger.
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 1; i <= 3; ++i) {
        sx += root[i].x, sy += root[i].u, sxx += root[i].x * root[i].x, sxy += root[i].x * root[i].u;
    }
    const double slope = (3 * sxy - sx * sy) / (3 * sxx - sx * sx), u0 = (sy - slope * sx) / 3;
    const double t90 = std::pow(crossing(root, u0, slope / 1.15), 2);
    EXPECT_NEAR(t90, 10, 0.5);

    // Casagrande: the tangent at the inflection (the steepest stretch) meets the secondary tail
    // (the last two points) at U100; U0 lies as far above the reading at 0.6 min as that
    // reading lies above the one at 2.4 min; t50 halfway.
    const auto uAt = [&](double t) {
        const double x = std::log10(t);
        for (size_t i = 0; i + 1 < logT.size(); ++i)
            if (x <= logT[i + 1].x)
                return logT[i].u + (logT[i + 1].u - logT[i].u) * (x - logT[i].x) / (logT[i + 1].x - logT[i].x);
        return logT.back().u;
    };
    size_t steepest = 0;
    const auto slopeAt = [&](size_t i) { return (logT[i + 1].u - logT[i].u) / (logT[i + 1].x - logT[i].x); };
    for (size_t i = 1; i + 1 < logT.size(); ++i)
        if (slopeAt(i) > slopeAt(steepest))
            steepest = i;
    const double tail = slopeAt(logT.size() - 2);
    const double xEnd = (logT.back().u - tail * logT.back().x - logT[steepest].u + slopeAt(steepest) * logT[steepest].x)
                        / (slopeAt(steepest) - tail);
    const double u100 = logT.back().u + tail * (xEnd - logT.back().x);
    const double uStart = 2 * uAt(0.6) - uAt(2.4);
    const double u50 = (uStart + u100) / 2;
    double lo = 0.6, hi = 1440;
    for (int i = 0; i < 60; ++i)
        (uAt(std::sqrt(lo * hi)) < u50 ? lo : hi) = std::sqrt(lo * hi);
    const double t50 = lo;
    EXPECT_NEAR(t50, 8.3, 0.2);
    EXPECT_NEAR(std::pow(10.0, xEnd), 96, 5) << "end of primary consolidation";
    EXPECT_NEAR((0.848 / t90) / (0.197 / t50), 3.6, 0.2) << "the two methods' cv";
    // Secondary compression per log cycle of time for an increment that doubles the load on the
    // virgin line (a change of e of Cc log 2).
    EXPECT_NEAR(tail * std::log10(2.0), 0.008, 0.0005);
}

TEST(ConsolidationCharts, AxesAndCaptionsOfTheTwoCharts)
{
    struct Case {
        std::vector<double> stress;
        QStringList logCaptions;
        QStringList voidRatioCaptions;
        float maxStress;
    };
    const Case cases[] = {
        // Largest log stress 2.5: 0 to 3; captions of the void ratio rounded to 3 decimals.
        {{10, 100, 316.2}, {"1", "10", "100", "1000"}, {"0.4", "0.6", "0.8", "1", "1.2"}, 316.2f},
        // 3.5: 1 to 4.
        {{12.5, 3162.3}, {"10", "100", "1000", "10000"}, {"0.4", "0.6", "0.8", "1", "1.2"}, 3162.3f},
        // 4.5: 2 to 5.
        {{200, 31623}, {"100", "1000", "10000", "100000"}, {"0.4", "0.6", "0.8", "1", "1.2"}, 31623.0f},
    };
    for (const Case& c : cases) {
        lx::StoredCurve points(ScreenColumns(), lx::ScreenCap);
        for (size_t i = 0; i < c.stress.size(); ++i) {
            const double s = lx::Round(c.stress[i], 3);
            points.addPoint({s, 1.1 - 0.1 * double(i), lx::Round(std::log10(double(float(s))), 4)});
        }
        const ChartAxes axes = AxesOf(points);
        EXPECT_EQ(LogCaptions(axes), c.logCaptions);
        EXPECT_EQ(VoidRatioCaptions(axes), c.voidRatioCaptions);
        EXPECT_EQ(axes.maxStress, c.maxStress);
        EXPECT_EQ(axes.stress.min, 0.0f);
        EXPECT_GE(axes.stress.max, c.maxStress);   // widened; the display rule keeps the unwidened maximum
    }
}
