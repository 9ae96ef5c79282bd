// The report charts: the extremum functions, the frame of a report page, and one chart drawn
// past the last rungs of its ladders.
#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ReportChart, ExtremaStartFarOutAndAreZeroWithoutValues)
{
    const float v[] = {-2e10f, 3, 7, 7, -1};
    EXPECT_EQ(lx::MaxData(v, 0), 0);
    EXPECT_EQ(lx::MinData(v, -3), 0);
    EXPECT_EQ(lx::MaxData(v, 1), -1e10f);   // nothing above the start
    EXPECT_EQ(lx::MaxData(v, 5), 7);
    EXPECT_EQ(lx::MinData(v, 5), -2e10f);
    const float huge[] = {2e10f};
    EXPECT_EQ(lx::MinData(huge, 1), 1e10f);
    EXPECT_EQ(lx::MaxData(v, 99), 7);        // held to the data
}

TEST(ReportChart, CaptionsOfTheReportFrameStayInsideIt)
{
    lx::ChartFrame frame(lx::ChartFrameLayout::reportPage());
    EXPECT_DOUBLE_EQ(frame.picDraw->ScaleWidth(), 2775);
    EXPECT_DOUBLE_EQ(frame.picDraw->ScaleHeight(), 2085);
    const QRect inside = frame.rect();
    for (QLabel* l : frame.findChildren<QLabel*>())
        EXPECT_TRUE(inside.contains(l->geometry())) << l->geometry().x() << "," << l->geometry().y();
    // Each x caption is centred under its grid line.
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(frame.lblX[size_t(k)]->geometry().center().x(), frame.picDraw->x() + k * frame.picDraw->width() / 4.0, 2);
    EXPECT_FALSE(frame.lblY[4]->geometry().intersects(frame.lblUnit->geometry()));
}

TEST(ReportChart, DataPastTheLastRungsIsTheAxisEnd)
{
    lx::ChartFrame frame(lx::ChartFrameLayout::reportPage());
    const std::vector<float> strain = {0, 20000, 40000};
    const std::vector<float> third = {0, -35000, -1000};
    const lx::Curve curve[] = {{strain, third, lx::reportCurveStyle(9)}};
    lx::drawReportChart(frame, lx::secondChartAxes(strain, third), curve);
    EXPECT_EQ(frame.lblX[4]->text(), QStringLiteral("40000"));
    EXPECT_EQ(frame.lblY[0]->text(), QStringLiteral("-35000"));
    EXPECT_EQ(frame.lblY[4]->text(), QStringLiteral("5"));
    int segments = 0;
    for (const lx::DrawOp& op : frame.picDraw->displayList()) {
        if (op.kind == lx::DrawOp::Line && op.color == lx::QBColor(9)) {
            ++segments;
            // Every point lies on the surface.
            for (QPointF p : {op.from, op.to}) {
                EXPECT_GE(p.x(), 0);
                EXPECT_LE(p.x(), 2775 + 1e-3);
                EXPECT_GE(p.y(), 0);
                EXPECT_LE(p.y(), 2085 + 1e-3);
            }
        }
    }
    EXPECT_EQ(segments, 2);
}

} // namespace
