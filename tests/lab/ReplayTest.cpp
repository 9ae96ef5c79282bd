// The replay's steps and the order of its outputs, as a screen's timer drives them.
#include "lab/Replay.h"

#include "app/ExportText.h"
#include "lab/StoredPoints.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records every output as "tick:what" so that order and timing read at a glance.
struct Recorder {
    lx::Replay replay;
    std::vector<std::string> log;

    Recorder()
    {
        auto record = [this](const char* what) {
            return [this, what](int k) { log.push_back(std::to_string(replay.ticks()) + ':' + what + std::to_string(k)); };
        };
        replay.setOutputs({record("list"), record("export"), record("chart"), record("anim"),
                           [this] { log.push_back(std::to_string(replay.ticks()) + ":finished"); }});
    }
    // Steps until the run is over (and a few more, which must do nothing).
    void runOut()
    {
        for (int i = 0; i < 100 && replay.running(); ++i)
            replay.step();
        for (int i = 0; i < 3; ++i)
            EXPECT_FALSE(replay.step());
    }
};

TEST(Replay, NPointsEndOnTickNPlusOneWithEachOutputInOrder)
{
    struct Case {
        int points;
        std::vector<std::string> log;
    } const cases[] = {
        {0, {"1:finished"}},
        {1, {"1:list0", "1:export0", "1:anim0", "2:finished"}},
        {3, {"1:list0", "1:export0", "1:anim0",
             "2:list1", "2:export1", "2:chart1", "2:anim1",
             "3:list2", "3:export2", "3:chart2", "3:anim2",
             "4:finished"}},
    };
    for (const Case& c : cases) {
        Recorder r;
        r.replay.start(c.points);
        EXPECT_TRUE(r.replay.running());
        EXPECT_EQ(r.replay.nextPoint(), 0);
        r.runOut();
        EXPECT_EQ(r.log, c.log) << c.points << " points";
        EXPECT_EQ(r.replay.ticks(), c.points + 1);
        EXPECT_EQ(r.replay.nextPoint(), c.points);
        EXPECT_FALSE(r.replay.running());
    }
}

TEST(Replay, StoppingEndsWithoutFinishingAndStartingAgainBeginsAtPointZero)
{
    Recorder r;
    r.replay.start(5);
    r.replay.step();
    r.replay.step();
    r.replay.stop();  // the window closes in mid-replay
    EXPECT_FALSE(r.replay.step());
    EXPECT_EQ(r.log.back(), "2:anim1");

    // A second run on the same window (the shared true triaxial screen).
    r.log.clear();
    r.replay.start(2);
    r.runOut();
    EXPECT_EQ(r.log, (std::vector<std::string>{"1:list0", "1:export0", "1:anim0", "2:list1", "2:export1", "2:chart1", "2:anim1",
                                               "3:finished"}));
}

TEST(Replay, OutputsLeftEmptyAreSkipped)
{
    int finished = 0;
    lx::Replay replay({{}, [&] { ++finished; }});
    replay.start(2);
    EXPECT_TRUE(replay.step());
    EXPECT_TRUE(replay.step());
    EXPECT_FALSE(replay.step());
    EXPECT_FALSE(replay.step());
    EXPECT_EQ(finished, 1);
}

// A screen's export line plugged into the replay: the text it leaves after a whole run.
TEST(Replay, ExportLinesOfAStoredCurve)
{
    lx::StoredCurve curve({lx::ColumnRule::field(3), lx::ColumnRule::field(4)});
    curve.addPoint({0.0, 0.0});
    curve.addPoint({1.2, 153.4});
    ExportText text(QStringLiteral("CIDC test: Ottawa sand"), {QStringLiteral("Axial Strain (%)"), QStringLiteral("Deviator Stress (kPa)")});
    bool enabled = false;
    lx::Replay replay({{{}, [&](int k) { text.addPoint(curve.row(k)); }, {}, {}}, [&] { enabled = true; }});
    replay.start(curve.points());
    while (replay.step()) {
        EXPECT_FALSE(enabled);
    }
    EXPECT_TRUE(enabled);
    EXPECT_EQ(text.text(), QStringLiteral("CIDC test: Ottawa sand\n\nNo.\tAxial Strain (%)\tDeviator Stress (kPa)\t"
                                          "\n1\t0\t0\t\n2\t1.2\t153.4\t"));
}

} // namespace
