// Where the window-print control puts a picture on the page: centred, then 300 twips up and
// left, at the picture's own size whatever the page.
#include "controls/printform/LXPrintForm.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Placement {
    const char* name;
    QSizeF page, picture;
    QPointF expected;
};

void PrintTo(const Placement& p, std::ostream* os) { *os << p.name; }

class PagePositionTest : public ::testing::TestWithParam<Placement> {};

TEST_P(PagePositionTest, CentresThenMovesUpAndLeft)
{
    const Placement& p = GetParam();
    EXPECT_EQ(LXPrintForm::PagePosition(p.page, p.picture), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PagePositionTest,
    ::testing::Values(
        // The page less 600 twips each way goes to the corner.
        Placement{"PageLess600", {12000, 15000}, {11400, 14400}, {0, 0}},
        Placement{"Smaller", {12000, 15000}, {6000, 3000}, {2700, 5700}},
        Placement{"HalfTwips", {11905, 16837}, {4500, 3000}, {3402.5, 6618.5}},
        // Not scaled: a window larger than the page runs off it.
        Placement{"LargerThanThePage", {12000, 15000}, {15000, 16000}, {-1800, -800}}),
    [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

TEST(PrintFormControl, KeepsItsClassName)
{
    EXPECT_STREQ(LXPrintForm::ClassName, "LoamixPrintForm.LXPrintForm");
}

} // namespace
