// The report charts: the extremum functions, the frame of a report page, and one chart drawn
// past the last rungs of its ladders.
#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include "lab/LegendMark.h"

#include <QImage>
#include <QLabel>
#include <QStyle>

#include <map>

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

// Where a caption's text stands inside its label.
QRect textRect(const QLabel* l)
{
    const QSize text = l->fontMetrics().size(0, l->text());
    return QStyle::alignedRect(Qt::LeftToRight, l->alignment(), text, l->geometry());
}

// The lowest y caption and the first x caption meet at the origin: short and long
// captions on either axis keep clear of each other, and every y caption of the surface.
TEST(ReportChart, CaptionsAtTheOriginKeepApart)
{
    lx::ChartFrame frame(lx::ChartFrameLayout::reportPage());
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("0"), QStringLiteral("0")},
        {QStringLiteral("0"), QStringLiteral("0.00")},
        {QStringLiteral("-30000"), QStringLiteral("0")},
        {QStringLiteral("-0.25"), QStringLiteral("-30000")},
    };
    for (const auto& [y, x] : cases) {
        frame.setCaptions({x, x, x, x, x}, {y, y, y, y, y});
        const QRect xText = textRect(frame.lblX[0]);
        const QRect yText = textRect(frame.lblY[0]);
        EXPECT_FALSE(xText.adjusted(-1, -1, 1, 1).intersects(yText))
            << qPrintable(y) << " / " << qPrintable(x) << ": " << yText.right() << "," << yText.bottom() << " against "
            << xText.left() << "," << xText.top();
        for (const QLabel* l : frame.lblY)
            EXPECT_LT(textRect(l).right(), frame.picDraw->x() - 1) << qPrintable(y);
    }
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

// What a drawing left on the surface: grid lines by direction, segments by colour, stars.
struct Drawn {
    std::vector<double> verticalAt, horizontalAt;
    std::vector<QColor> verticalColors, horizontalColors;
    std::map<QRgb, int> segments;
    int stars = 0;
};
Drawn drawnOn(const lx::PictureBox& surface)
{
    Drawn d;
    for (const lx::DrawOp& op : surface.displayList()) {
        if (op.kind == lx::DrawOp::Text) {
            d.stars += op.text == QStringLiteral("*");
        } else if (op.kind == lx::DrawOp::Line && op.width == 1) {
            if (op.from.x() == op.to.x() && op.from.y() == 0) {
                d.verticalAt.push_back(op.from.x());
                d.verticalColors.push_back(op.color);
            } else if (op.from.y() == op.to.y() && op.from.x() == 0) {
                d.horizontalAt.push_back(op.from.y());
                d.horizontalColors.push_back(op.color);
            }
        } else if (op.kind == lx::DrawOp::Line) {
            ++d.segments[op.color.rgb()];
        }
    }
    return d;
}

TEST(ReportChart, TheDrawersOptions)
{
    // Two curves per chart, as the database-simulation report draws a published test
    // beside its simulation.
    const std::vector<float> strain0 = {0, 10, 20, 45000}, stress0 = {0, 50, 90, 80};
    const std::vector<float> strain1 = {0, 15, 30}, stress1 = {0, 60, 130};
    lx::GridStyle whole;
    whole.wholeSteps = true;
    whole.verticalColor = lx::QBColor(7);
    struct Case {
        const char* what;
        lx::ReportLadders ladders;
        bool markers;
        lx::ReportChartOptions options;
        QString xLast, yFirst, yLast;
        double firstVertical, firstHorizontal;
        QColor verticalColor;
        int stars;
    } const cases[] = {
        {"the test report: 30000 rung, fractional black grid, stars", {}, true, {}, QStringLiteral("45000"),
         QStringLiteral("0"), QStringLiteral("200"), 2775 / 8.0, 2085 / 4.0, lx::QBColor(0), 7},
        {"the simulation: 50000 rung, whole-step grid, no stars", lx::ReportLadders::longer(), false, {whole},
         QStringLiteral("46000"), QStringLiteral("0"), QStringLiteral("200"), 347, 521, lx::QBColor(7), 0},
        {"caption decimals per axis", lx::ReportLadders::longer(), false, {{}, 0, 2}, QStringLiteral("46000"),
         QStringLiteral("0"), QStringLiteral("200"), 2775 / 8.0, 2085 / 4.0, lx::QBColor(0), 0},
    };
    for (const Case& c : cases) {
        lx::ChartFrame frame(lx::ChartFrameLayout::reportPage());
        const lx::Curve curves[] = {{strain0, stress0, lx::reportCurveStyle(9, c.markers)},
                                    {strain1, stress1, lx::reportCurveStyle(10, c.markers)}};
        lx::drawReportChart(frame, lx::stressChartAxes(curves, c.ladders), curves, c.options);
        EXPECT_EQ(frame.lblX[4]->text(), c.xLast) << c.what;
        EXPECT_EQ(frame.lblY[0]->text(), c.yFirst) << c.what;
        EXPECT_EQ(frame.lblY[4]->text(), c.yLast) << c.what;
        const Drawn d = drawnOn(*frame.picDraw);
        ASSERT_EQ(d.verticalAt.size(), 8u) << c.what;
        ASSERT_EQ(d.horizontalAt.size(), 3u) << c.what;
        EXPECT_DOUBLE_EQ(d.verticalAt[0], c.firstVertical) << c.what;
        EXPECT_DOUBLE_EQ(d.horizontalAt[0], c.firstHorizontal) << c.what;
        EXPECT_EQ(d.verticalColors[0], c.verticalColor) << c.what;
        EXPECT_EQ(d.horizontalColors[0], lx::QBColor(0)) << c.what;
        // Each curve keeps its own points and colour.
        EXPECT_EQ(d.segments.at(lx::QBColor(9).rgb()), 3) << c.what;
        EXPECT_EQ(d.segments.at(lx::QBColor(10).rgb()), 2) << c.what;
        EXPECT_EQ(d.stars, c.stars) << c.what;
    }

    // Rounded captions: 46000 / 4 steps are whole; a y axis of 0 to 5 in quarters keeps two decimals.
    lx::ChartFrame frame(lx::ChartFrameLayout::reportPage());
    const std::vector<float> x = {0, 7.3f}, y = {0.1f, 3.2f};
    const lx::Curve one[] = {{x, y, lx::reportCurveStyle(9, false)}};
    lx::drawReportChart(frame, lx::secondChartAxes(one), one, {{}, 0, 1});
    EXPECT_EQ(frame.lblX[1]->text(), QStringLiteral("2"));     // 2.5 to even
    EXPECT_EQ(frame.lblX[3]->text(), QStringLiteral("8"));     // 7.5 to even
    EXPECT_EQ(frame.lblY[1]->text(), QStringLiteral("-2.5"));
    EXPECT_EQ(frame.lblY[0]->text(), QStringLiteral("-5"));
}

TEST(ReportChart, AxesSpanEveryCurve)
{
    // The maxima and the second chart's minimum come from whichever curve holds them.
    const std::vector<float> sx0 = {0, 12}, sy0 = {0, -12.5f};
    const std::vector<float> sx1 = {0, 31}, sy1 = {0.5f, 3.2f};
    const lx::Curve curves[] = {{sx0, sy0}, {sx1, sy1}};
    const lx::ReportChartAxes second = lx::secondChartAxes(curves);
    EXPECT_EQ(second.x.max, 40);
    EXPECT_EQ(second.y.min, -20);
    EXPECT_EQ(second.y.max, 5);
    const lx::ReportChartAxes stress = lx::stressChartAxes(curves);
    EXPECT_EQ(stress.y.min, 0);
    EXPECT_EQ(stress.y.max, 10);
    // Past the longer ladder the data's own extreme is the end.
    const std::vector<float> far = {0, 60000}, deep = {0, -60000};
    const lx::Curve beyond[] = {{far, deep}};
    const lx::ReportChartAxes longer = lx::secondChartAxes(beyond, lx::ReportLadders::longer());
    EXPECT_EQ(longer.x.max, 60000);
    EXPECT_EQ(longer.y.min, -60000);
    EXPECT_EQ(lx::secondChartAxes(std::vector<float>{0, 45000}, std::vector<float>{-45000, 0}, lx::ReportLadders::longer()).y.min,
              -46000);
}

TEST(ReportChart, AFrameOfTwoCurvesShowsASecondTitleAndLegendMarks)
{
    // The hollow cylinder's replay chart: a title and a mark for each of its two curves.
    lx::ChartFrameLayout layout = lx::ChartFrameLayout::replayScreen();
    layout.secondTitle = {1160, 300, 2445, 195};
    layout.marks = {{{700, 150}, {1100, 165}, 2}, {{700, 405}, {1100, 405}, 1}};
    lx::ChartFrame frame(layout);
    frame.show();
    ASSERT_NE(frame.lblTitle2, nullptr);
    EXPECT_FALSE(frame.lblTitle2->isVisible());
    EXPECT_TRUE(frame.lblTitle2->font().bold());
    EXPECT_EQ(frame.lblTitle2->geometry().topLeft(), QPoint(77, 20));
    ASSERT_EQ(frame.marks.size(), 2u);
    for (lx::LegendMark* m : frame.marks)
        EXPECT_FALSE(m->isVisible());
    frame.marks[0]->showAs(QColor(0xC0, 0, 0));
    frame.marks[1]->showAs(QColor(0, 0, 0xC0));
    frame.lblTitle2->show();
    // Each mark draws its line, in its colour and width, between its twips.
    const QImage image = frame.grab().toImage();
    const QPoint middle0 = frame.marks[0]->mapTo(&frame, frame.marks[0]->line().center().toPoint());
    const QPoint middle1 = frame.marks[1]->mapTo(&frame, frame.marks[1]->line().center().toPoint());
    EXPECT_EQ(image.pixelColor(middle0), QColor(0xC0, 0, 0));
    EXPECT_EQ(image.pixelColor(middle1), QColor(0, 0, 0xC0));
    EXPECT_NEAR(middle1.x(), 900 / 15.0, 1);
    EXPECT_NEAR(middle1.y(), 405 / 15.0, 1);
    EXPECT_EQ(frame.marks[1]->lineWidth(), 1);
    // A frame without them has neither.
    lx::ChartFrame plain(lx::ChartFrameLayout::reportPage());
    EXPECT_EQ(plain.lblTitle2, nullptr);
    EXPECT_TRUE(plain.marks.empty());
}

} // namespace
