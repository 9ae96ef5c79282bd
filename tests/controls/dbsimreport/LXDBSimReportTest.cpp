// The database-simulation report control: its page, the published test of the tiny packed
// database beside the response library's simulation, and the cases it refuses.
#include "controls/dbsimreport/LXDBSimReport.h"

#include "app/basGlobal.h"
#include "lab/ChartFrame.h"
#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/ListView.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "tests/common/TestHelpers.h"
#include "ReportControlTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using lx::LXDBSimReport;

namespace {

class DBSimReport : public testreport::ReportControlTest {
protected:
    void SetUp() override
    {
        ReportControlTest::SetUp();
        lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
        report.strConnectionString = connection;
    }

    // The 45-point test's specimen (reference 10, T-45), with the program's constant 30 in 7.
    static constexpr std::array<double, 8> sand45 = {0.6, 2.5, 1.2, 7, 15, 0.65, 200, 30};
    LXDBSimReport report;
};

// A widget's place on the page in twips (left, top, width, height).
QRectF placeOf(const QWidget* w)
{
    const QRect g = w->geometry();
    return {g.x() * lx::TwipsPerPixel, g.y() * lx::TwipsPerPixel, g.width() * lx::TwipsPerPixel,
            g.height() * lx::TwipsPerPixel};
}

// The lines of one colour on a surface, in the order drawn.
std::vector<lx::DrawOp> linesOf(const lx::PictureBox& box, const QColor& color)
{
    std::vector<lx::DrawOp> lines;
    for (const lx::DrawOp& op : box.displayList())
        if (op.kind == lx::DrawOp::Line && op.color == color)
            lines.push_back(op);
    return lines;
}

// A chart's axes as its tick captions tell them (x from 0, y from its lowest caption).
struct ShownAxes {
    double xMax, yMin, yMax;
};
ShownAxes shownAxes(const lx::ChartFrame& frame)
{
    return {frame.lblX[4]->text().toDouble(), frame.lblY[0]->text().toDouble(), frame.lblY[4]->text().toDouble()};
}

// The points of the curve's column a polyline on the chart passes through, in order,
// mapped as the chart maps them.
std::vector<QPointF> mapped(const lx::ChartFrame& frame, const lx::DoubleStoredCurve& curve, int column,
                            const std::vector<int>& points)
{
    const ShownAxes a = shownAxes(frame);
    const double w = frame.picDraw->ScaleWidth(), h = frame.picDraw->ScaleHeight();
    std::vector<QPointF> out;
    for (int p : points) {
        const float x = float(curve.value(p, 0)), y = float(curve.value(p, column));
        out.emplace_back(double(x * float(w / a.xMax)), double((float(a.yMax) - y) * float(h / (a.yMax - a.yMin))));
    }
    return out;
}

} // namespace

TEST_F(DBSimReport, PageStandsSixtyTwipsLeftOfTheTestReportWithTheLegendAndTableBelowTheCharts)
{
    EXPECT_EQ(report.size(), QSize(lx::tw(7920), lx::tw(8475)));
    EXPECT_EQ(report.objectName(), QStringLiteral("LoamixDBSimReport.LXDBSimReport"));
    const double tol = lx::TwipsPerPixel;
    struct Place { const QWidget* w; double left, top; };
    const Place places[] = {
        {report.txtTitle, 300, 60},          {report.lblType, 120, 600},
        {report.lblInit[0], 180, 1440},      {report.lblInitValues[0], 2400, 1440},
        {report.lblInit[2], 3960, 1440},     {report.lblInitValues[2], 6300, 1440},
        {report.lblInit[6], 180, 2340},      {report.lblInitValues[6], 2400, 2340},
        {report.picFrame1, 180, 3240},       {report.picFrame2, 4020, 3240},
        {report.picLegend, 180, 6180},       {report.lvwFailure, 120, 7020},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.w->objectName().toStdString() + " " + std::to_string(p.left));
        EXPECT_NEAR(placeOf(p.w).left(), p.left, tol);
        EXPECT_NEAR(placeOf(p.w).top(), p.top, tol);
    }
    EXPECT_NEAR(placeOf(report.picLegend).width(), 7455, tol);
    EXPECT_NEAR(placeOf(report.picLegend).height(), 195, tol);
    EXPECT_NEAR(placeOf(report.lvwFailure).width(), 7695, tol);
    EXPECT_NEAR(placeOf(report.lvwFailure).height(), 795, tol);
    EXPECT_EQ(report.txtTitle->text(), QStringLiteral("Title"));
    EXPECT_EQ(report.lblInit[6]->text(), QStringLiteral("Confining Pressure (kPa):"));
    EXPECT_EQ(report.lblChart->text(), QStringLiteral("Stress-Strain and Volume Change Plots:"));

    // The legend lies under both frames; no rule crosses it and the failure heading and the
    // table stand below it.
    const QRectF legend = placeOf(report.picLegend);
    EXPECT_GE(legend.top(), placeOf(report.picFrame1).bottom());
    for (const lx::ReportPage::Rule& r : report.rules()) {
        EXPECT_FALSE(r.y >= legend.top() - tol && r.y <= legend.bottom() + tol) << r.y;
        EXPECT_NEAR(r.x1, 60, 1e-9);
        EXPECT_NEAR(r.x2, 7800, 1e-9);
    }
    EXPECT_GE(placeOf(report.lblData).top(), legend.bottom());
    EXPECT_LE(placeOf(report.lblData).bottom(), placeOf(report.lvwFailure).top());
    EXPECT_EQ(report.lblData->text(), QStringLiteral("Failure Conditions:"));
    // Everything lies on the page.
    for (const QWidget* w : report.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(report.rect().contains(w->geometry())) << w->objectName().toStdString();
}

TEST_F(DBSimReport, RefusedCallsChangeNoSpecimenValue)
{
    struct Case {
        const char* name;
        const char* key;
        const char* reference;
        size_t values;
        bool fails;
    };
    const Case cases[] = {
        // Any other key: the title and the date, nothing read, nothing written.
        {"other key", "ANN CIDC S", "10", 8, false},
        {"lower-case key", "db cidc  ", "10", 8, false},
        {"short key", "DB CIDC", "10", 8, false},
        // Element 7 would lie past the caller's array.
        {"seven values", "DB CIDC ", "10", 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LXDBSimReport r;
        r.strConnectionString = connection;
        std::vector<double> init(sand45.begin(), sand45.begin() + std::ptrdiff_t(c.values));
        const std::vector<double> before = init;
        QString results = QStringLiteral("r.txt");
        if (c.fails)
            EXPECT_ANY_THROW(r.CreateReport(QString::fromLatin1(c.key), results, QString::fromLatin1(c.reference),
                                            QStringLiteral("T-45"), init));
        else
            r.CreateReport(QString::fromLatin1(c.key), results, QString::fromLatin1(c.reference), QStringLiteral("T-45"),
                           init);
        EXPECT_EQ(init, before);
        EXPECT_EQ(results, QStringLiteral("r.txt"));
        EXPECT_EQ(r.txtTitle->text(), QStringLiteral("T-45"));
        EXPECT_EQ(r.lblDateValue->text(), QLocale::system().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
        EXPECT_EQ(r.lblTestType->text(), QString());
        EXPECT_EQ(r.lblInitValues[0]->text(), QString());
        EXPECT_TRUE(r.picDraw1->displayList().empty());
        EXPECT_TRUE(r.picLegend->displayList().empty());
        EXPECT_EQ(r.lvwFailure->lineCount(), 0);
        EXPECT_EQ(r.lvwFailure->columnCount(), 0);
        EXPECT_FALSE(QFileInfo::exists(temp.filePath(QStringLiteral("r.txt"))));
    }
}

TEST_F(DBSimReport, PublishedTestBesideItsSimulationFillsThePage)
{
    std::array<double, 8> init = sand45;
    QString results = QStringLiteral("/elsewhere/t45.txt");
    report.mTestType = QStringLiteral("Drained test T-45 and its simulation");
    report.CreateReport(QStringLiteral("DB CIDC  and more"), results, QStringLiteral("10"), QStringLiteral("T-45"), init);

    EXPECT_EQ(report.txtTitle->text(), QStringLiteral("Reference: Forty-five points, 2001"));
    // A long reference shows its start.
    EXPECT_EQ(report.txtTitle->cursorPosition(), 0);
    EXPECT_EQ(report.txtTitle->toolTip(), report.txtTitle->text());
    EXPECT_EQ(report.lblTestType->text(), QStringLiteral("Drained test T-45 and its simulation"));
    const char* values[] = {" .6", " 2.5", " 1.2", " 7", " 15", " .65", " 200"};
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(report.lblInitValues[i]->text(), QString::fromLatin1(values[i])) << i;
    EXPECT_EQ(report.lblTitleChart1->text(), QStringLiteral("Deviator Stress"));
    EXPECT_EQ(report.lblTitleChart2->text(), QStringLiteral("Volumetric Strain"));
    EXPECT_EQ(report.lblDateValue->text(), QLocale::system().toString(QDate(2026, 3, 14), QLocale::ShortFormat));

    // The points in [Point Number] order, though stored otherwise; each curve its own count.
    const lx::DoubleStoredCurve& db = report.published();
    ASSERT_EQ(db.points(), 45);
    for (int p = 0; p < 45; ++p)
        EXPECT_DOUBLE_EQ(db.value(p, 0), 0.5 * p) << p;
    EXPECT_DOUBLE_EQ(db.value(21, 1), 412.5);
    const lx::DoubleStoredCurve& ann = report.simulation();
    ASSERT_EQ(ann.points(), 301);

    // The simulation ran to the published test's last strain, into the private folder.
    EXPECT_DOUBLE_EQ(init[7], db.value(44, 0));
    EXPECT_NEAR(ann.value(300, 0), init[7], 1e-3);
    EXPECT_EQ(results, temp.filePath(QStringLiteral("t45.txt")));
    EXPECT_TRUE(QFileInfo::exists(results));
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(init[i], sand45[i]);
}

TEST_F(DBSimReport, BothChartsDrawBothCurvesThinnedOnSharedAxesWithoutMarkers)
{
    std::array<double, 8> init = sand45;
    QString results = QStringLiteral("t45.txt");
    report.CreateReport(QStringLiteral("DB CIDC "), results, QStringLiteral("10"), QStringLiteral("T-45"), init);
    // 45 points: step 2, so 0, 1, then 4, 6, ... 44; 301 rows: step 10, so 0, 1, 3, 6, 10, 20, ... 300.
    std::vector<int> published = {0, 1};
    for (int p = 4; p <= 44; p += 2)
        published.push_back(p);
    std::vector<int> simulated = {0, 1, 3, 6, 10};
    for (int p = 20; p <= 300; p += 10)
        simulated.push_back(p);

    struct Chart { const lx::ChartFrame* frame; int column; };
    for (const Chart& c : {Chart{report.picFrame1, 1}, Chart{report.picFrame2, 2}}) {
        SCOPED_TRACE(c.column);
        const lx::PictureBox& box = *c.frame->picDraw;
        for (const lx::DrawOp& op : box.displayList())
            EXPECT_NE(op.kind, lx::DrawOp::Text);   // no "*"
        struct Series { const lx::DoubleStoredCurve& curve; int color; const std::vector<int>& points; };
        for (const Series& s : {Series{report.published(), 9, published}, Series{report.simulation(), 10, simulated}}) {
            SCOPED_TRACE(s.color);
            const std::vector<lx::DrawOp> lines = linesOf(box, lx::QBColor(s.color));
            ASSERT_EQ(lines.size(), s.points.size() - 1);
            const std::vector<QPointF> at = mapped(*c.frame, s.curve, c.column, s.points);
            for (size_t i = 0; i < lines.size(); ++i) {
                EXPECT_EQ(lines[i].width, 2);
                EXPECT_NEAR(lines[i].from.x(), at[i].x(), 0.01) << i;
                EXPECT_NEAR(lines[i].from.y(), at[i].y(), 0.01) << i;
                EXPECT_NEAR(lines[i].to.x(), at[i + 1].x(), 0.01) << i;
                EXPECT_NEAR(lines[i].to.y(), at[i + 1].y(), 0.01) << i;
            }
        }
    }
    // The grid steps are whole twips: 8 columns of CLng(W / 8), 4 rows of CLng(H / 4).
    for (const lx::ChartFrame* frame : {report.picFrame1, report.picFrame2}) {
        const lx::PictureBox& box = *frame->picDraw;
        const double dx = lx::CLng(box.ScaleWidth() / 8), dy = lx::CLng(box.ScaleHeight() / 4);
        std::vector<double> vertical, horizontal;
        for (const lx::DrawOp& op : linesOf(box, Qt::black))
            (op.from.x() == op.to.x() ? vertical : horizontal).push_back(op.from.x() == op.to.x() ? op.from.x() : op.from.y());
        EXPECT_EQ(vertical, (std::vector<double>{dx, 2 * dx, 3 * dx, 4 * dx, 5 * dx, 6 * dx, 7 * dx, 8 * dx}));
        EXPECT_EQ(horizontal, (std::vector<double>{dy, 2 * dy, 3 * dy}));
    }
    // The axes come from both curves: 22 % on the 30 rung, stress from 0.
    EXPECT_EQ(report.picFrame1->lblX[4]->text(), QStringLiteral("30"));
    EXPECT_EQ(report.picFrame1->lblY[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(report.picFrame2->lblX[4]->text(), QStringLiteral("30"));
}

TEST_F(DBSimReport, LegendAndFailureTableNameBothCurves)
{
    std::array<double, 8> init = sand45;
    QString results = QStringLiteral("t45.txt");
    report.CreateReport(QStringLiteral("DB CIDC "), results, QStringLiteral("10"), QStringLiteral("T-45"), init);

    const std::vector<lx::DrawOp>& legend = report.picLegend->displayList();
    struct Mark { int color; QPointF from, to; const char* text; QPointF textAt; };
    const Mark marks[] = {{9, {2200, 100}, {2600, 100}, "Published Data", {2700, 20}},
                          {10, {4200, 100}, {4600, 100}, "Simulation", {4700, 20}}};
    for (const Mark& m : marks) {
        const auto line = std::find_if(legend.begin(), legend.end(), [&](const lx::DrawOp& op) {
            return op.kind == lx::DrawOp::Line && op.color == lx::QBColor(m.color);
        });
        ASSERT_NE(line, legend.end());
        EXPECT_EQ(line->from, m.from);
        EXPECT_EQ(line->to, m.to);
        EXPECT_EQ(line->width, 2);
        const auto text = std::find_if(legend.begin(), legend.end(), [&](const lx::DrawOp& op) {
            return op.kind == lx::DrawOp::Text && op.text == QString::fromLatin1(m.text);
        });
        ASSERT_NE(text, legend.end());
        EXPECT_EQ(text->from, m.textAt);
    }

    const lx::ListView& table = *report.lvwFailure;
    ASSERT_EQ(table.columnCount(), 4);
    const char* keys[] = {"Type", "Strain", "Stress", "Volume"};
    const char* headers[] = {"Type", "Axial Strain (%)", "Dev. Stress (kPa)", "Vol. Strain (%)"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(table.columnIndex(QString::fromLatin1(keys[c])), c);
        EXPECT_EQ(table.headerItem()->text(c), QString::fromLatin1(headers[c]));
        EXPECT_EQ(table.columnWidth(c), lx::tw((7695 - 50) / 4.0));
    }
    ASSERT_EQ(table.lineCount(), 2);
    // The published test's peak of 412.5 is held by points 22 and 23: the first one counts.
    EXPECT_EQ(table.lineKey(0), QStringLiteral("Item1"));
    EXPECT_EQ(table.cellText(0, 0), QStringLiteral("DB"));
    EXPECT_EQ(table.cellText(0, 1), QStringLiteral("10.5"));
    EXPECT_EQ(table.cellText(0, 2), QStringLiteral("412.5"));
    EXPECT_EQ(table.cellText(0, 3), lx::DoubleText(report.published().value(21, 2)));
    EXPECT_EQ(table.lineKey(1), QStringLiteral("Item2"));
    EXPECT_EQ(table.cellText(1, 0), QStringLiteral("ANN"));
    const int peak = report.simulation().peakRow(1);
    EXPECT_EQ(table.cellText(1, 2), lx::DoubleText(report.simulation().value(peak, 1)));
    EXPECT_EQ(table.cellText(1, 1), lx::DoubleText(report.simulation().value(peak, 0)));
}

TEST_F(DBSimReport, ProcedureFollowsDiameterAndConfiningStress)
{
    lx::setInstallDir(QStringLiteral(RECORDER_INSTALL_DIR));
    struct Case { double diameter, confining; int procedure; };
    // The recorder writes 100 + its number as the stress: 1 gravel, 2 sand high, 3 sand low.
    const Case cases[] = {{1.5, 700, 2}, {1.5, 699.9, 3}, {1.6, 699.9, 1}, {1.6, 700, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.diameter) + " " + std::to_string(c.confining));
        std::array<double, 8> init = sand45;
        init[0] = c.diameter;
        init[6] = c.confining;
        QString results = QStringLiteral("recorded.txt");
        LXDBSimReport r;
        r.strConnectionString = connection;
        r.CreateReport(QStringLiteral("DB CIDC "), results, QStringLiteral("10"), QStringLiteral("T-45"), init);
        ASSERT_EQ(r.simulation().points(), 4);
        EXPECT_EQ(r.simulation().value(1, 1), 100 + c.procedure);
        // The library saw all eight values.
        EXPECT_EQ(r.simulation().value(1, 2), 8);
        EXPECT_EQ(r.published().points(), 45);
        // No test type was given: the caption ends empty.
        EXPECT_EQ(r.lblTestType->text(), QString());
    }
}

TEST_F(DBSimReport, SecondReportOnOneControlReplacesTheFailureTable)
{
    for (int i = 0; i < 2; ++i) {
        std::array<double, 8> init = sand45;
        QString results = QStringLiteral("again.txt");
        report.CreateReport(QStringLiteral("DB CIDC "), results, QStringLiteral("10"), QStringLiteral("T-45"), init);
    }
    EXPECT_EQ(report.lvwFailure->columnCount(), 4);
    EXPECT_EQ(report.lvwFailure->lineCount(), 2);
    EXPECT_EQ(report.published().points(), 45);
    EXPECT_EQ(report.simulation().points(), 301);
}

TEST_F(DBSimReport, FailuresComeBackBeforeTheLibraryIsCalled)
{
    struct Case { const char* name; const char* reference; const char* testId; bool library; };
    const Case cases[] = {
        {"reference not a number", "1x", "T-45", true},
        {"reference with SQL", "10 OR 1=1", "T-45", true},
        {"no such reference", "99", "T-45", true},
        {"test without points", "10", "NO-SUCH", true},
        {"quote in the TestID", "10", "T-45' OR '1'='1", true},
        {"missing library", "10", "T-45", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lx::setInstallDir(c.library ? QStringLiteral(LOAMIX_INSTALL_DIR) : temp.path());
        std::array<double, 8> init = sand45;
        QString results = QStringLiteral("failed.txt");
        LXDBSimReport r;
        r.strConnectionString = connection;
        EXPECT_ANY_THROW(r.CreateReport(QStringLiteral("DB CIDC "), results, QString::fromLatin1(c.reference),
                                        QString::fromLatin1(c.testId), init));
        EXPECT_FALSE(QFileInfo::exists(temp.filePath(QStringLiteral("failed.txt"))));
        EXPECT_EQ(r.lvwFailure->lineCount(), 0);
        EXPECT_TRUE(r.picLegend->displayList().empty());
    }
}

TEST_F(DBSimReport, ResultFileWithoutRowsIsAnError)
{
    // A library that writes only the header: the simulation has no point to report.
    lx::setInstallDir(QStringLiteral(RECORDER_INSTALL_DIR));
    std::array<double, 8> init = sand45;
    init[0] = 0;   // the recorder writes no row for a diameter of 0
    QString results = QStringLiteral("empty.txt");
    EXPECT_ANY_THROW(report.CreateReport(QStringLiteral("DB CIDC "), results, QStringLiteral("10"), QStringLiteral("T-45"), init));
    EXPECT_EQ(report.lvwFailure->lineCount(), 0);
}

TEST(DBSimReportMaxData, IsTheKitsExtremum)
{
    const float v[] = {3, 7, -1};
    EXPECT_EQ(LXDBSimReport::MaxData(v, 3), 7);
    EXPECT_EQ(LXDBSimReport::MinData(v, 3), -1);
    EXPECT_EQ(LXDBSimReport::MinData(v, 0), 0);
}
