// The assembly tables stepped tick by tick, as the windows' timers run them.
#include "lab/AssemblyTables.h"
#include "lab/AssemblyView.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using lx::AssemblyAnimation;

// Runs an animation to its end: the intervals in force for each tick, the stop included.
std::vector<int> runToEnd(AssemblyAnimation& a)
{
    std::vector<int> intervals;
    for (int guard = 0; guard < 1000; ++guard) {
        intervals.push_back(a.interval());
        if (a.tick() < 0)
            return intervals;
    }
    ADD_FAILURE() << "the animation never stops";
    return intervals;
}

struct Where {
    const char* sprite;
    double left, top;
    bool visible;
};

struct TableCase {
    const char* name;
    std::function<AssemblyAnimation()> make;
    int ticks;                     // the tick that stops it included
    std::vector<Where> atTheEnd;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class AssemblyTables : public ::testing::TestWithParam<TableCase> {};

TEST_P(AssemblyTables, RunsItsTicksAndEndsAssembled)
{
    const TableCase& c = GetParam();
    AssemblyAnimation a = c.make();
    EXPECT_FALSE(a.finished());
    EXPECT_EQ(int(runToEnd(a).size()), c.ticks);
    EXPECT_TRUE(a.finished());
    for (const Where& w : c.atTheEnd) {
        const lx::Sprite& s = a.sprite(QString::fromLatin1(w.sprite));
        EXPECT_DOUBLE_EQ(s.left, w.left) << w.sprite;
        EXPECT_DOUBLE_EQ(s.top, w.top) << w.sprite;
        EXPECT_EQ(s.visible, w.visible) << w.sprite;
    }
    // A later tick (a second click into the picture) only stops again.
    const std::vector<lx::Sprite> before = a.sprites();
    EXPECT_EQ(a.tick(), -1);
    EXPECT_EQ(a.sprites().size(), before.size());
    // And reset brings back the start.
    a.reset();
    EXPECT_EQ(a.ticks(), 0);
    EXPECT_FALSE(a.finished());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, AssemblyTables,
    ::testing::Values(
        TableCase{"oedometer",
                  [] { return lx::assembly::consolidation(QStringLiteral("IL")); },
                  42,
                  {{"imgILbase", 550, 3600, true},
                   {"imgCRSBase", 555, 3585, false},
                   {"imgSample", 1605, 3050, false},
                   {"imgSteelRing", 1800, 3100, false},
                   {"imgSampleIN", 1800, 3000, true},
                   {"imgPorousStone", 1730, 3580, true},
                   {"imgPlunger", 1800, 2650, true},
                   {"imgBall", 2760, 2410, true},
                   {"imgCell", 840, 2300, true},
                   {"imgAssembledOedo", 840, 2280, true},
                   {"imgAssembledCRS", 550, 2280, false}}},
        TableCase{"constant rate of strain cell",
                  [] { return lx::assembly::consolidation(QStringLiteral("CRS")); },
                  42,
                  {{"imgCRSBase", 555, 3585, true},
                   {"imgSampleIN", 1800, 3200, true},
                   {"imgPorousStone", 7730, 3580, true},
                   {"imgPlunger", 1800, 2850, true},
                   {"imgBall", 2760, 2610, true},
                   {"imgCell", 840, 2300, true},
                   {"imgAssembledCRS", 550, 2280, true},
                   {"imgCRSTop", 555, 1095, true},
                   {"imgSideRod(3)", 740, 2060, true},
                   {"imgSideRodNut(5)", 3580, 1500, true},
                   {"imgCRSTopRod", 2620, 40, true},
                   {"imgCRSTopRodHidden", 2640, 2160, true}}},
        // Neither option chosen: the steps without a kind, with the non-IL increments.
        TableCase{"no test kind",
                  [] { return lx::assembly::consolidation(QString()); },
                  31,
                  {{"imgILbase", 550, 3600, false},
                   {"imgSampleIN", 1800, 3200, true},
                   {"imgBall", 2760, 2610, true},
                   {"imgAssembledOedo", 840, 2280, false},
                   {"imgAssembledCRS", 550, 2280, false}}},
        TableCase{"shear box",
                  [] { return lx::assembly::directShear(); },
                  25,
                  {{"imgDSBottom", 830, 3600, true},
                   {"imgScrew1", 1005, 3920, false},
                   {"imgScrewPart2", 4500, 4125, false},
                   {"imgScrewTop1", 1005, 4125, true},
                   {"imgDSTop", 430, 3030, true},
                   {"imgHalfSand", 1800, 3240, true},
                   {"imgFullSand", 1680, 3150, true},
                   {"imgPlunger", 1740, 2850, true},
                   {"imgTopBall", 2740, 2760, true}}},
        TableCase{"hollow cylinder",
                  [] { return lx::assembly::hollowCylinder(); },
                  20,
                  {{"imgHCT_1", 10000, 5145, true},
                   {"imgHCT_9(2)", 10000, 1320, true},
                   {"imgHCT_10", 10000, 1530, true},
                   {"imgHCT_13", 1500, 920, true},
                   {"imgHCT_14", 1500, 680, true},
                   {"imgHCT_15", 2780, -150, true}}}));

TEST(AssemblyAnimation, OedometerTickByTick)
{
    AssemblyAnimation a = lx::assembly::consolidation(QStringLiteral("IL"));
    EXPECT_FALSE(a.sprite(QStringLiteral("imgILbase")).visible);
    a.tick();   // the base
    EXPECT_TRUE(a.sprite(QStringLiteral("imgILbase")).visible);
    for (int k = 1; k <= 8; ++k) {
        a.tick();
        EXPECT_EQ(a.sprite(QStringLiteral("imgSample")).top, 1450 + 200 * k);
    }
    EXPECT_EQ(a.sprite(QStringLiteral("imgSteelRing")).top, 700);
    a.tick();
    EXPECT_EQ(a.sprite(QStringLiteral("imgSteelRing")).top, 900);
    // On to the plunger and ball: the plunger stops above 2600 while the ball goes on.
    while (a.sprite(QStringLiteral("imgBall")).top < -1590)
        a.tick();
    EXPECT_EQ(a.sprite(QStringLiteral("imgPlunger")).top, -350);
    for (int k = 0; k < 4; ++k)
        a.tick();
    EXPECT_EQ(a.sprite(QStringLiteral("imgPlunger")).top, 2650);
    EXPECT_EQ(a.sprite(QStringLiteral("imgBall")).top, 2410);
}

TEST(AssemblyAnimation, HollowCylinderChangesItsPace)
{
    AssemblyAnimation a = lx::assembly::hollowCylinder();
    const std::vector<int> intervals = runToEnd(a);
    ASSERT_EQ(intervals.size(), 20u);
    for (size_t t = 0; t < intervals.size(); ++t)
        EXPECT_EQ(intervals[t], t >= 8 && t <= 12 ? 800 : 1500) << "tick " << t + 1;
}

TEST(AssemblyAnimation, ReplayMovesTheApparatusPointByPoint)
{
    AssemblyAnimation a = lx::assembly::triaxialApparatus();
    const int n = 301;
    const lx::AssemblyStep point = lx::assembly::triaxialApparatusPoint(a, n);
    for (int k = 0; k < n; ++k)
        a.apply(point);
    EXPECT_NEAR(a.sprite(QStringLiteral("imgTestFore")).top, 1200 + 300, 1e-9);
    EXPECT_NEAR(a.sprite(QStringLiteral("imgSample")).left, 1090 - 40, 1e-9);
    EXPECT_NEAR(a.sprite(QStringLiteral("imgSample")).width, 690 + 80, 1e-9);
    EXPECT_EQ(a.sprite(QStringLiteral("imgSample")).top, 1800);

    AssemblyAnimation box = lx::assembly::directShearBox();
    for (int k = 0; k < 3; ++k)
        box.apply(lx::assembly::directShearBoxPoint(box));
    EXPECT_EQ(box.sprite(QStringLiteral("imgDSTop")).left, 300 + 30);
    EXPECT_EQ(box.sprite(QStringLiteral("imgTopWeight")).left, 1275 + 30);
    EXPECT_FALSE(box.sprite(QStringLiteral("imgBeads1")).visible);
    EXPECT_TRUE(box.sprite(QStringLiteral("imgBeads2")).visible);
    box.apply(lx::assembly::directShearBoxEnd(box));
    EXPECT_FALSE(box.sprite(QStringLiteral("imgBeads2")).visible);
}

TEST(AssemblyAnimation, ConsolidationWeightsGoOnAndOffTheHanger)
{
    AssemblyAnimation frame = lx::assembly::consolidationLoadFrame();
    ASSERT_EQ(frame.sprites().size(), 3u + lx::assembly::ConsolidationWeights);
    EXPECT_EQ(frame.sprite(QStringLiteral("imgLoad(13)")).top, 2745 + 13 * -120);
    for (int i = 0; i < lx::assembly::ConsolidationWeights; ++i)
        EXPECT_FALSE(frame.sprite(QStringLiteral("imgLoad(%1)").arg(i)).visible);
    frame.apply(lx::assembly::consolidationWeights(frame, {0, 1, 13, 14, -1}, {}));
    EXPECT_TRUE(frame.sprite(QStringLiteral("imgLoad(0)")).visible);
    EXPECT_TRUE(frame.sprite(QStringLiteral("imgLoad(13)")).visible);
    frame.apply(lx::assembly::consolidationWeights(frame, {}, {1, 0, 14}));
    EXPECT_FALSE(frame.sprite(QStringLiteral("imgLoad(0)")).visible);
    EXPECT_FALSE(frame.sprite(QStringLiteral("imgLoad(1)")).visible);
    EXPECT_TRUE(frame.sprite(QStringLiteral("imgLoad(13)")).visible);
    EXPECT_TRUE(lx::assembly::consolidationCRSFrame().sprite(QStringLiteral("imgCRS")).visible);
}

TEST(AssemblyAnimation, TableNamingAMissingSpriteIsRefused)
{
    std::vector<lx::Sprite> one = {{QStringLiteral("imgA"), QString(), 0, 0, 10, 10, false}};
    EXPECT_THROW(AssemblyAnimation(one, {{{{3, lx::SpriteTest::Hidden}}, {}}}, 100), std::out_of_range);
    EXPECT_THROW(AssemblyAnimation(one, {{{}, {{2, lx::SpriteChange::Show}}}}, 100), std::out_of_range);
    EXPECT_THROW(AssemblyAnimation(one, {}, 100).sprite(QStringLiteral("imgB")), std::out_of_range);
}

// The view paints what the table says, back to front, and follows every tick.
TEST(AssemblyView, PaintsTheVisibleSprites)
{
    lx::AssemblyView view;
    view.resize(5900 / 15, 5350 / 15);
    QStringList loaded;
    view.setAnimation(lx::assembly::directShear(), [&loaded](const QString& picture) {
        loaded << picture;
        QImage img(4, 4, QImage::Format_ARGB32);
        img.fill(Qt::red);
        return img;
    });
    EXPECT_EQ(loaded.size(), 10);   // the two screws, parts and heads share their pictures
    auto pictures = [&view] {
        std::vector<lx::DrawOp> out;
        for (const lx::DrawOp& op : view.displayList())
            if (op.kind == lx::DrawOp::Picture)
                out.push_back(op);
        return out;
    };
    ASSERT_EQ(pictures().size(), 5u);   // base, lower box, upper box, plunger, ball
    EXPECT_EQ(pictures()[1].from, QPointF(-4170, 3600));
    EXPECT_EQ(pictures()[1].to, QPointF(-4170 + 4125, 3600 + 1095));
    EXPECT_EQ(view.tick(), 0);
    EXPECT_EQ(pictures()[1].from, QPointF(-3170, 3600));
    while (view.tick() >= 0) {
    }
    EXPECT_EQ(pictures().size(), 9u);   // screws exchanged for their heads, both sands in
}

} // namespace
