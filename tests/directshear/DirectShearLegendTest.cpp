// What the report writes of its curves: the rows of each curve from the curve counts, the
// peak and the displacements of the first row that reaches it, the colours.
#include "directshear/DirectShearLegend.h"

#include "directshear/DirectShearCharts.h"
#include "directshear/DirectShearSoils.h"
#include "directshear/DirectShearStudy.h"

#include "DirectShearFixture.h"
#include "platform/Colors.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

namespace {

using directshear::CurveRows;

TEST(DSCurveRows, FollowTheCountsAndStayWithinThePoints)
{
    struct Case {
        std::vector<int16_t> counts;
        int total;
        std::vector<std::pair<int, int>> rows;
    } const cases[] = {
        {{1, 91, 0}, 91, {{0, 91}}},
        {{3, 10, 20, 30, 0}, 60, {{0, 10}, {10, 20}, {30, 30}}},
        {{3, 10, 20, 30}, 40, {{0, 10}, {10, 20}, {30, 10}}},   // held to the points there are
        {{5, 1, 1, 1, 1, 1}, 5, {{0, 1}, {1, 1}, {2, 1}}},        // three curves at most
        {{2, 4}, 4, {{0, 4}}},                                     // a count missing
        {{}, 0, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int, int>> got;
        for (const CurveRows& r : directshear::CurveRowsOf(c.counts, c.total))
            got.emplace_back(r.first, r.count);
        EXPECT_EQ(got, c.rows);
    }
}

TEST(DSLegend, ThePeakOfAnInstalledTestStandsOnItsFirstRow)
{
    lx::Connection c;
    c.Open(dsfixture::installed());
    lx::Recordset rs;
    rs.Open(directshear::TestResultsSql(), c, lx::adOpenDynamic, lx::adLockUnspecified, {QStringLiteral("DS-BBS-100")});
    lx::StoredCurve points(directshear::PointColumns(), directshear::MaxPoints);
    ASSERT_EQ(points.append(rs), 91);
    QStringList texts(21);
    texts[5] = QStringLiteral("100");
    texts[6] = QStringLiteral("0.66");
    const directshear::LegendColumn l = directshear::LegendOf(points, {0, 91}, texts, 0);
    // 88.5 kPa stands at 1.8, 1.9 and 2 mm: the first of them is reported.
    EXPECT_EQ(l.peak, "88.5");
    EXPECT_EQ(l.horizontal, "1.8");
    EXPECT_EQ(l.vertical, "0.151");
    EXPECT_EQ(l.normalStress, "100");
    EXPECT_EQ(l.voidRatio, "0.66");
    EXPECT_EQ(l.color, lx::QBColor(12));
}

TEST(DSLegend, EachCurveHasItsOwnColourAndColumn)
{
    lx::StoredCurve points(directshear::PointColumns());
    for (double v : {1.0, 5.0, 5.0, 2.0, 7.0, 3.0})
        points.addPoint({v / 10, v, -v / 100});
    const QStringList texts = {"", "", "", "", "", "50", "0.7", "", "", "200", "0.6"};
    const directshear::LegendColumn a = directshear::LegendOf(points, {0, 3}, texts, 0);
    const directshear::LegendColumn b = directshear::LegendOf(points, {3, 2}, texts, 1);
    const directshear::LegendColumn c = directshear::LegendOf(points, {5, 1}, texts, 2);
    EXPECT_EQ(QStringList({a.peak, a.horizontal, a.vertical}), QStringList({"5", "0.5", "-0.05"}));
    EXPECT_EQ(QStringList({b.peak, b.horizontal, b.normalStress, b.voidRatio}), QStringList({"7", "0.7", "", ""}));
    EXPECT_EQ(QStringList({c.peak, c.normalStress, c.voidRatio}), QStringList({"3", "200", "0.6"}));
    EXPECT_EQ(QList<QColor>({a.color, b.color, c.color}), QList<QColor>({lx::QBColor(12), lx::QBColor(9), lx::QBColor(6)}));
    // An empty curve has no peak.
    EXPECT_EQ(directshear::LegendOf(points, {6, 0}, texts, 1).peak, "");
}

} // namespace
