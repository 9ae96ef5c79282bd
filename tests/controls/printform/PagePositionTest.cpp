// Where the window-print control puts a picture on the page: centred, then 300 twips up and
// left, at the picture's own size whatever the page.
#include "controls/printform/LXPrintForm.h"

#include <gtest/gtest.h>

namespace {

struct Placement {
    const char* what;
    QSizeF page, picture;
    QPointF expected;
};

class PagePositionTest : public ::testing::TestWithParam<Placement> {};

TEST_P(PagePositionTest, CentresThenMovesUpAndLeft)
{
    const Placement& p = GetParam();
    EXPECT_EQ(LXPrintForm::PagePosition(p.page, p.picture), p.expected) << p.what;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PagePositionTest,
    ::testing::Values(
        Placement{"page less 600 twips each way: the corner", {12000, 15000}, {11400, 14400}, {0, 0}},
        Placement{"smaller window", {12000, 15000}, {6000, 3000}, {2700, 5700}},
        Placement{"half twips kept", {11905, 16837}, {4500, 3000}, {3402.5, 6618.5}},
        Placement{"larger than the page runs off it", {12000, 15000}, {15000, 16000}, {-1800, -800}}));

TEST(PrintFormControl, KeepsItsClassName)
{
    EXPECT_STREQ(LXPrintForm::ClassName, "LoamixPrintForm.LXPrintForm");
}

} // namespace
