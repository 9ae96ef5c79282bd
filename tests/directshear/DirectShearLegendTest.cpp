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


TEST(DSCurves, AreTheCountsFirstEntryHeldToTheTestsAndThreeColumns)
{
    lx::StoredCurve one(directshear::PointColumns());
    one.addPoint({0.1, 1, 0});
    const std::vector<int16_t> screen = {1, 1, 0}, many = {5, 1, 1, 1, 1, 1}, none = {};
    EXPECT_EQ(directshear::CurvesOf(screen, one), 1);
    EXPECT_EQ(directshear::CurvesOf(many, one), 1);
    EXPECT_EQ(directshear::CurvesOf(none, one), 0);
}

TEST(DSLegend, ThePeakOfAnInstalledTestStandsOnItsFirstRow)
{
    lx::Connection c;
    c.Open(dsfixture::installed());
    lx::Recordset rs;
    rs.Open(directshear::TestResultsSql(), c, lx::adOpenDynamic, lx::adLockUnspecified, {QStringLiteral("DS-BBS-100")});
    lx::StoredCurve points(directshear::PointColumns(), lx::ScreenCap);
    ASSERT_EQ(points.append(rs), 91);
    QStringList texts(21);
    texts[5] = QStringLiteral("100");
    texts[6] = QStringLiteral("0.66");
    const directshear::LegendColumn l = directshear::LegendOf(points, 0, texts);
    // 88.5 kPa stands at 1.8, 1.9 and 2 mm: the first of them is reported.
    EXPECT_EQ(l.peak, "88.5");
    EXPECT_EQ(l.horizontal, "1.8");
    EXPECT_EQ(l.vertical, "0.151");
    EXPECT_EQ(l.normalStress, "100");
    EXPECT_EQ(l.voidRatio, "0.66");
    EXPECT_EQ(l.color, lx::QBColor(12));
}

TEST(DSLegend, EachCurveHasItsOwnColourAndColumnAndTheEarlierOfTwoPeaks)
{
    // 5 points rise to 20 kPa on rows 2 and 3 (0.2 and 0.3 mm); then 4 and 3 points.
    dsfixture::Packed db({{"103.51", "A", "0.25,2.2,1.4,0.82,85,0.9,50,0.5", 5},
                          {"103.51", "B", "0.25,2.2,1.4,0.82,85,,100,0.5", 4},
                          {"103.51", "C", "0.25,2.2,1.4,0.82,85,0.8,200,0.5", 3}});
    lx::Connection c;
    c.Open(db.connection);
    directshear::ParamStudy study;
    study.chooseSand(c, directshear::StudySands()[0]);
    ASSERT_EQ(study.points().tests(), 3);
    const directshear::LegendColumn a = directshear::LegendOf(study.points(), 0, study.texts());
    const directshear::LegendColumn b = directshear::LegendOf(study.points(), 1, study.texts());
    const directshear::LegendColumn cc = directshear::LegendOf(study.points(), 2, study.texts());
    EXPECT_EQ(QStringList({a.normalStress, a.voidRatio, a.peak, a.horizontal, a.vertical}),
              QStringList({"50", "0.9", "20", "0.2", "-0.002"}));
    EXPECT_EQ(QStringList({b.normalStress, b.voidRatio, b.peak, b.horizontal}), QStringList({"100", "", "20", "0.2"}));
    EXPECT_EQ(QStringList({cc.normalStress, cc.voidRatio, cc.peak, cc.horizontal}), QStringList({"200", "0.8", "10", "0.1"}));
    EXPECT_EQ(QList<QColor>({a.color, b.color, cc.color}), QList<QColor>({lx::QBColor(12), lx::QBColor(9), lx::QBColor(6)}));
    // A column without a curve stays empty.
    const directshear::LegendColumn none = directshear::LegendOf(study.points(), 3, study.texts());
    EXPECT_EQ(none.peak + none.horizontal + none.normalStress, "");
}

} // namespace
