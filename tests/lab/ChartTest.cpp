// The chart drawer, read back from the surface's display list.
#include "lab/Chart.h"
#include "lab/ChartFrame.h"

#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include <gtest/gtest.h>

#include <QLabel>

#include <vector>

namespace {

using lx::DrawOp;

// A chart surface of the replay screens: 2775 x 2505 twips.
class ChartSurface : public ::testing::Test {
protected:
    void SetUp() override { surface.resize(185, 167); }

    std::vector<DrawOp> ops(DrawOp::Kind kind, const QColor& color) const
    {
        std::vector<DrawOp> out;
        for (const DrawOp& op : surface.displayList())
            if (op.kind == kind && op.color == color)
                out.push_back(op);
        return out;
    }
    std::vector<DrawOp> markers() const
    {
        std::vector<DrawOp> out;
        for (const DrawOp& op : surface.displayList())
            if (op.kind == DrawOp::Text && op.text == QStringLiteral("*"))
                out.push_back(op);
        return out;
    }

    lx::PictureBox surface;
};

TEST_F(ChartSurface, GridOfEighthsAndQuarters)
{
    const lx::Chart chart(surface, {0, 10}, {0, 40});
    chart.clear();
    chart.drawGrid();
    const auto lines = ops(DrawOp::Line, Qt::black);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].from, QPointF(2775.0 / 8, 0));
    EXPECT_EQ(lines[7].from, QPointF(2775, 0));          // the last on the right edge
    EXPECT_EQ(lines[8].from, QPointF(0, 2505.0 / 4));
    EXPECT_EQ(lines[10].to, QPointF(2775, 3 * 2505.0 / 4));
    for (const DrawOp& l : lines)
        EXPECT_EQ(l.width, 1);
}

TEST_F(ChartSurface, WholeStepGridAndLogGrid)
{
    const lx::Chart chart(surface, {0, 10}, {0, 40});
    lx::GridStyle whole;
    whole.wholeSteps = true;
    chart.drawGrid(whole);
    const auto lines = ops(DrawOp::Line, Qt::black);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].from.x(), 347);   // 2775 / 8 = 346.875
    EXPECT_EQ(lines[8].from.y(), 626);   // 2505 / 4 = 626.25

    surface.Cls();
    chart.drawGrid(lx::logGrid());
    const auto grey = ops(DrawOp::Line, lx::QBColor(7));
    ASSERT_EQ(grey.size(), 4u);
    EXPECT_NEAR(grey[0].from.x(), 0.69897 * 2775 / 3, 0.01);
    EXPECT_NEAR(grey[2].from.x(), 2.69897 * 2775 / 3, 0.01);
    EXPECT_EQ(ops(DrawOp::Line, Qt::black).size(), 4u + 3u);   // decades and the three horizontals
}

// n - 1 segments and n markers per curve, each curve in its own colour.
TEST_F(ChartSurface, SegmentsAndMarkersPerCurve)
{
    const std::vector<std::vector<float>> xs = {{0, 1, 2, 3, 4}, {0, 2, 4}, {1}};
    const std::vector<std::vector<float>> ys = {{0, 10, 20, 15, 12}, {0, 5, 9}, {3}};
    const lx::Chart chart(surface, {0, 10}, {0, 40});
    chart.clear();
    chart.drawGrid();
    size_t allMarkers = 0;
    for (size_t c = 0; c < xs.size(); ++c) {
        lx::CurveStyle style;
        style.color = lx::QBColor(9 + int(c));
        style.marker.color = lx::QBColor(9 + int(c));
        chart.plot({xs[c], ys[c], style});
        const auto segments = ops(DrawOp::Line, style.color);
        const auto stars = ops(DrawOp::Text, style.color);
        EXPECT_EQ(segments.size(), xs[c].size() - 1) << "curve " << c;
        EXPECT_EQ(stars.size(), xs[c].size()) << "curve " << c;
        for (const DrawOp& s : segments)
            EXPECT_EQ(s.width, 2);
        allMarkers += xs[c].size();
    }
    EXPECT_EQ(markers().size(), allMarkers);

    // Point (1, 10) of curve 0 lies at (x * 2775 / 10, (40 - 10) * 2505 / 40); its marker
    // is printed 40 left and 70 above it.
    const auto first = ops(DrawOp::Line, lx::QBColor(9)).front();
    EXPECT_NEAR(first.to.x(), 277.5, 0.01);
    EXPECT_NEAR(first.to.y(), 1878.75, 0.01);
    EXPECT_NEAR(ops(DrawOp::Text, lx::QBColor(9))[1].from.x(), 277.5 - 40, 0.01);
    EXPECT_NEAR(ops(DrawOp::Text, lx::QBColor(9))[1].from.y(), 1878.75 - 70, 0.01);
}

TEST_F(ChartSurface, AxisMinimumIsTheBottomLeftCorner)
{
    const lx::Chart chart(surface, {-5, 15}, {-20, 20});
    EXPECT_EQ(chart.map(-5, -20), QPointF(0, 2505));
    EXPECT_EQ(chart.map(15, 20), QPointF(2775, 0));
    EXPECT_FLOAT_EQ(chart.map(5, 0).y(), 2505 / 2.0f);
}

TEST_F(ChartSurface, ThinnedPolylineWithoutMarkers)
{
    std::vector<float> x(100), y(100);
    for (int i = 0; i < 100; ++i) {
        x[size_t(i)] = float(i) / 10;
        y[size_t(i)] = float(i);
    }
    const lx::Chart chart(surface, {0, 10}, {0, 100});
    lx::CurveStyle style;
    style.color = lx::QBColor(10);
    style.marker.text.clear();
    chart.plot({x, y, style, true});
    const auto segments = ops(DrawOp::Line, lx::QBColor(10));
    EXPECT_EQ(segments.size(), lx::thinnedPoints(100).size() - 1);
    EXPECT_TRUE(markers().empty());
    EXPECT_EQ(segments.back().to, chart.map(9.9f, 99));
}

TEST_F(ChartSurface, MarkedRowsOnly)
{
    const std::vector<float> x = {0, 1, 2, 3, 4, 5}, y = {1, 2, 9, 4, 5, 6};
    const lx::Chart chart(surface, {0, 10}, {0, 10});
    lx::CurveStyle style;
    style.color = lx::QBColor(12);
    // Even rows and the row of the largest value, as the consolidation report marks them.
    chart.plot({x, y, style, false, [](int i) { return i % 2 == 0 || i == 2 || i == 5; }});
    EXPECT_EQ(ops(DrawOp::Line, lx::QBColor(12)).size(), 5u);
    EXPECT_EQ(markers().size(), 4u);   // rows 0, 2, 4, 5
}

// A replay grows the curve one point per tick: no segment leads to point 0, and the
// first marker stands at its own offset.
TEST_F(ChartSurface, ReplayTraceTickByTick)
{
    const lx::Chart chart(surface, {0, 10}, {0, 40});
    lx::CurveStyle style;
    style.color = lx::QBColor(12);
    style.marker.offset = {-50, -100};
    lx::ChartTrace trace(chart, style);
    EXPECT_FALSE(trace.started());
    trace.start(0, 0);
    EXPECT_TRUE(ops(DrawOp::Line, lx::QBColor(12)).empty());
    ASSERT_EQ(markers().size(), 1u);
    EXPECT_EQ(markers()[0].from, QPointF(-40, 2505 - 70));
    for (int k = 1; k < 6; ++k) {
        trace.lineTo(float(k), float(4 * k));
        EXPECT_EQ(ops(DrawOp::Line, lx::QBColor(12)).size(), size_t(k));
        EXPECT_EQ(markers().size(), size_t(k + 1));
    }
    EXPECT_EQ(markers().back().from, chart.map(5, 20) + QPointF(-50, -100));
}

TEST_F(ChartSurface, LegendLinesAndCaptions)
{
    const lx::LegendEntry entries[] = {{lx::QBColor(9), QStringLiteral("Published Data"), {2200, 100}, {2600, 100}, {2700, 20}},
                                       {lx::QBColor(10), QStringLiteral("Simulation"), {4200, 100}, {4600, 100}, {4700, 20}}};
    lx::drawLegend(surface, entries);
    const auto& list = surface.displayList();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].color, lx::QBColor(9));
    EXPECT_EQ(list[1].text, QStringLiteral("Published Data"));
    EXPECT_EQ(list[1].from, QPointF(2700, 20));
    EXPECT_EQ(list[2].width, 2);
    EXPECT_EQ(list[3].text, QStringLiteral("Simulation"));
}

} // namespace

namespace {

// The frame around a chart: the surface and the captions in their places.
TEST(ChartFrame, SurfaceAndCaptionsOfTheReplayScreen)
{
    lx::ChartFrame frame(lx::ChartFrameLayout::replayScreen());
    EXPECT_EQ(frame.picDraw->geometry(), QRect(40, 37, 185, 167));
    EXPECT_DOUBLE_EQ(frame.picDraw->ScaleWidth(), 2775);
    const lx::Axis strain = lx::niceAxis(0, 7.3f);
    const lx::Axis stress = lx::niceAxis(0, 330);
    frame.setCaptions(lx::tickCaptions(strain), lx::tickCaptions(stress));
    EXPECT_EQ(frame.lblX[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(frame.lblX[3]->text(), QStringLiteral("7.5"));
    EXPECT_EQ(frame.lblY[4]->text(), QStringLiteral("400"));
    EXPECT_EQ(frame.lblY[0]->pos(), QPoint(0, 193));   // index 0 lowest
    EXPECT_EQ(frame.lblY[4]->pos(), QPoint(0, 33));
    frame.setCaptions({QStringLiteral("0")}, {});
    EXPECT_TRUE(frame.lblX[1]->text().isEmpty());
    EXPECT_TRUE(frame.lblY[0]->text().isEmpty());
}

// The report pages' chart: every caption inside the frame and clear of the surface, so
// that nothing below the frame (the study report's legend) is covered.
TEST(ChartFrame, ReportPageCaptionsStayInsideTheFrame)
{
    lx::ChartFrame frame(lx::ChartFrameLayout::reportPage());
    EXPECT_EQ(frame.geometry(), QRect(0, 0, 241, 191));
    EXPECT_DOUBLE_EQ(frame.picDraw->ScaleWidth(), 2775);
    EXPECT_DOUBLE_EQ(frame.picDraw->ScaleHeight(), 2085);
    const QRect inside(QPoint(0, 0), frame.size());
    for (const QLabel* l : frame.findChildren<QLabel*>()) {
        EXPECT_TRUE(inside.contains(l->geometry())) << l->geometry().y();
        EXPECT_FALSE(frame.picDraw->geometry().intersects(l->geometry())) << l->geometry().x() << "," << l->geometry().y();
    }
}

} // namespace
