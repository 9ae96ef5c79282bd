// The cube's slide show: each road of presses and ticks as a table of what the form then shows.
#include "truetriaxial/CubeShow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using truetriaxial::CubeShow;

namespace {

// One event: 's' start (click), 'n' Next, 'p' Previous, 't' a tick, 'k' Skip Slides, 'b' a
// b-value chosen. Upper case 'N', 'T' and 'K' are the same with a soil (and b-value) chosen.
void run(CubeShow& show, const std::string& events)
{
    for (char e : events) {
        const CubeShow::Choices none{}, both{.soil = true, .bValue = true};
        switch (e) {
        case 's': show.start(); break;
        case 'n': show.next(none); break;
        case 'N': show.next(both); break;
        case 'p': show.previous(); break;
        case 't': show.tick(none); break;
        case 'T': show.tick(both); break;
        case 'k': show.skip(none); break;
        case 'K': show.skip(both); break;
        case 'b': show.bValueChosen(); break;
        default: FAIL() << "unknown event " << e;
        }
    }
}

struct Expect {
    const char* name;
    std::string events;
    int step, note;
    bool previous, next, skipVisible, timer, soilList, start;
};

class CubeShowRoads : public ::testing::TestWithParam<Expect> {};

TEST_P(CubeShowRoads, ShowWhatTheFormShows)
{
    const Expect& e = GetParam();
    CubeShow show;
    run(show, e.events);
    EXPECT_EQ(show.step(), e.step);
    EXPECT_EQ(show.note(), e.note);
    EXPECT_EQ(show.previousEnabled(), e.previous);
    EXPECT_EQ(show.nextEnabled(), e.next);
    EXPECT_EQ(show.skipVisible(), e.skipVisible);
    EXPECT_EQ(show.timerRunning(), e.timer);
    EXPECT_EQ(show.soilListEnabled(), e.soilList);
    EXPECT_EQ(show.startEnabled(), e.start);
}

const std::string nineTicks(9, 't');

INSTANTIATE_TEST_SUITE_P(
    Table, CubeShowRoads,
    ::testing::Values(
        //      name                         events                step note  prev   next   skip   timer  soil   start
        Expect{"NotStarted", "", 0, -1, false, false, true, false, false, false},
        Expect{"Started", "s", 1, 0, false, true, true, true, true, false},
        Expect{"NextFromOne", "sn", 2, 1, true, true, true, true, true, false},
        Expect{"PreviousBackToOne", "snp", 1, 0, false, true, true, true, true, false},
        Expect{"PreviousAtOneDoesNothing", "sp", 1, 0, false, true, true, true, true, false},
        Expect{"TicksAdvance", "sttt", 4, 3, true, true, true, true, true, false},
        Expect{"NextToTenWithoutSoil", "s" + std::string(9, 'n'), 10, 9, true, false, true, false, true, false},
        Expect{"NextToTenWithSoil", "s" + std::string(8, 'n') + "N", 10, 9, true, false, true, false, true, true},
        Expect{"PreviousFromTen", "s" + std::string(9, 'n') + "p", 9, 8, true, true, true, true, true, false},
        Expect{"TicksReachTen", "s" + nineTicks, 10, 9, true, false, true, true, true, false},
        Expect{"TickAfterTenEndsTheShow", "s" + nineTicks + "t", 10, 9, true, false, false, false, true, false},
        Expect{"TickAfterTenWithBValue", "s" + nineTicks + "T", 10, 9, true, false, false, false, true, true},
        // A b-value chosen after the show enables Start (Skip Slides is gone, not just disabled).
        Expect{"BValueAfterTheShow", "s" + nineTicks + "tb", 10, 9, true, false, false, false, true, true},
        // ... and once the show stands at its last slide.
        Expect{"BValueAtStepTen", "s" + std::string(9, 'n') + "b", 10, 9, true, false, true, false, true, true},
        Expect{"BValueDuringTheShow", "sttb", 3, 2, true, true, true, true, true, false},
        Expect{"SkipBeforeTheShow", "k", 0, -1, false, false, false, false, true, false},
        Expect{"SkipWithSoil", "K", 0, -1, false, false, false, false, true, true},
        Expect{"BValueAfterSkip", "kb", 0, -1, false, false, false, false, true, true},
        // Skip leaves a running show running to its end.
        Expect{"SkipDuringTheShow", "sk" + nineTicks, 10, 9, true, false, false, true, true, false},
        // A second click starts again at step 1 with note 0 alone, Previous off, Next on.
        Expect{"RestartMidShow", "snnnns", 1, 0, false, true, true, true, true, false},
        Expect{"RestartAtTen", "s" + std::string(9, 'n') + "s", 1, 0, false, true, true, true, true, false},
        Expect{"RestartAfterTheEnd", "s" + nineTicks + "ts", 1, 0, false, true, false, true, true, false}),
    [](const ::testing::TestParamInfo<Expect>& info) { return std::string(info.param.name); });

TEST(CubeShow, EveryStepShowsItsOwnNoteAndPreviousNeverReachesBelowStepOne)
{
    CubeShow show;
    show.start();
    for (int i = 0; i < 40; ++i) {
        // An unruly student: presses in every order.
        switch (i % 5) {
        case 0: show.previous(); break;
        case 1: show.next({}); break;
        case 2: show.tick({}); break;
        case 3: show.previous(); show.previous(); break;
        default: show.next({}); show.next({}); break;
        }
        ASSERT_GE(show.step(), 1);
        ASSERT_LE(show.step(), CubeShow::LastStep);
        EXPECT_EQ(show.note(), show.step() - 1);
        EXPECT_EQ(show.previousEnabled(), show.step() > 1);
    }
}

} // namespace
