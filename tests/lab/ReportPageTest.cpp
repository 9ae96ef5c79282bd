// The report page: controls placed in twips on white, rules, and printing to PDF
// through the scripted printer.
#include "lab/Chart.h"
#include "lab/LegendMark.h"
#include "lab/ReportPage.h"

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// A page laid out as the test report's: a title box, headings, two chart surfaces with
// a curve each and the rules between the sections.
class ReportPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        title = static_cast<QLineEdit*>(page.place(new QLineEdit(QStringLiteral("Title")), 360, 60, 7395, 375));
        type = page.addLabel(QStringLiteral("Test Type:"), 180, 600, lx::ReportPage::Style::Heading);
        value = page.addLabel(QStringLiteral(" .85"), 2460, 1440, lx::ReportPage::Style::Body, 1215, 240);
        for (double left : {240.0 + 600, 4080.0 + 600}) {
            lx::PictureBox* s = page.addSurface(left, 3240 + 300, 2775, 2085);
            const lx::Chart chart(*s, {0, 10}, {0, 40});
            chart.clear();
            chart.drawGrid();
            lx::CurveStyle style;
            style.color = lx::QBColor(12);
            const float x[] = {0, 2, 4, 6, 8}, y[] = {0, 20, 30, 35, 36};
            chart.plot({x, y, style});
            surfaces.push_back(s);
        }
        page.addRule(480, 120, 7860, 3);
        page.addRule(960, 120, 7860, 2);
    }

    lx::testing::ScriptedServices s;
    lx::ReportPage page{8010, 8490};
    QLineEdit* title = nullptr;
    QLabel* type = nullptr;
    QLabel* value = nullptr;
    std::vector<lx::PictureBox*> surfaces;
};

TEST_F(ReportPageTest, ControlsStandAtTheirTwips)
{
    EXPECT_EQ(page.size(), QSize(534, 566));
    EXPECT_EQ(title->geometry(), QRect(24, 4, 493, 25));
    EXPECT_EQ(type->pos(), QPoint(12, 40));
    EXPECT_TRUE(type->font().bold());
    EXPECT_DOUBLE_EQ(type->font().pointSizeF(), 9.75);
    EXPECT_EQ(value->geometry(), QRect(164, 96, 81, 16));
    EXPECT_FALSE(value->font().bold());
    EXPECT_DOUBLE_EQ(lx::ReportPage::font(lx::ReportPage::Style::Title).pointSizeF(), 12);
    ASSERT_EQ(surfaces.size(), 2u);
    EXPECT_DOUBLE_EQ(surfaces[0]->ScaleWidth(), 2775);
    EXPECT_DOUBLE_EQ(surfaces[0]->ScaleHeight(), 2085);
    ASSERT_EQ(page.rules().size(), 2u);
}

TEST_F(ReportPageTest, RendersWhiteWithRulesAndCharts)
{
    const QImage image = page.grab().toImage();
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(300, 32), QColor(Qt::black));   // the rule at y 480
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y) == lx::QBColor(12);
    EXPECT_GT(red, 50);   // both curves
}

TEST_F(ReportPageTest, PrintsToPdfThroughThePrinterService)
{
    QTemporaryDir dir;
    s.printers->pdfPath = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(page.print(QStringLiteral("Report of CIDC test: Sand")));
    EXPECT_EQ(s.printers->calls, 1);
    EXPECT_EQ(s.printers->lastRequest.title, QStringLiteral("Print Report"));
    EXPECT_FALSE(s.printers->lastRequest.allowPageRange);
    QFile pdf(s.printers->pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    EXPECT_TRUE(s.messages->msgBoxCalls.empty());
}

TEST_F(ReportPageTest, CancelPrintsNothingAndFailureIsReported)
{
    QTemporaryDir dir;
    s.printers->pdfPath = dir.filePath(QStringLiteral("report.pdf"));
    s.printers->accept = false;
    EXPECT_FALSE(page.print(QStringLiteral("Report")));
    EXPECT_FALSE(QFile::exists(s.printers->pdfPath));
    EXPECT_TRUE(s.messages->msgBoxCalls.empty());

    s.printers->accept = true;
    s.printers->pdfPath = dir.filePath(QStringLiteral("missing/folder/report.pdf"));
    EXPECT_FALSE(page.print(QStringLiteral("Report")));
    ASSERT_EQ(s.messages->msgBoxCalls.size(), 1u);
    // The file and the reason, as every print to a PDF file says them.
    EXPECT_TRUE(s.messages->msgBoxCalls[0].text.startsWith(
        QStringLiteral("The report could not be printed to %1.\r").arg(s.printers->pdfPath)));
}

// The legend-and-values tables of the direct shear report (three columns) and the true
// triaxial report (seven): a line in each curve's colour over its column of values.
TEST(ReportPageLegend, AColumnPerCurveUnderItsLegendLine)
{
    using Row = lx::LegendTableLayout::Row;
    lx::LegendTableLayout shear{.heading = QStringLiteral("Legend;"), .top = 5850, .lineTop = 5955, .columns = 3,
                                .firstColumnLeft = 3360, .columnStep = 1560, .columnWidth = 1380,
                                .rows = {Row{QStringLiteral("Normal Stress (kPa):"), 6150},
                                         Row{QStringLiteral("Initial Void Ratio:"), 6390},
                                         Row{QStringLiteral("Failure Conditions:"), 6630, true},
                                         Row{QStringLiteral("Peak Shear Stress (kPa):"), 6900},
                                         Row{QStringLiteral("Horizontal Displacement (mm):"), 7140},
                                         Row{QStringLiteral("Vertical Displacement (mm):"), 7380}}};
    lx::LegendTableLayout cube{.heading = QStringLiteral("Legend;"), .top = 7000, .lineTop = 7100, .lineLength = 400,
                               .columns = 7, .firstColumnLeft = 2415, .columnStep = 840, .columnWidth = 780,
                               .rows = {Row{QStringLiteral("b-value :"), 7300}, Row{QStringLiteral("Beta Angle (deg.):"), 7540},
                                        Row{QStringLiteral("Peak Oct Shear Stress (kPa):"), 7780},
                                        Row{QStringLiteral("Oct. Shear Strain (%):"), 8020},
                                        Row{QStringLiteral("Excess Pore Pressure (kPa):"), 8260}}};
    struct Case {
        const char* what;
        lx::LegendTableLayout layout;
        int valueRows;
    } const cases[] = {{"direct shear", shear, 5}, {"true triaxial", cube, 5}};
    for (const Case& c : cases) {
        lx::ReportPage page(8500, 9400);
        page.show();
        const lx::LegendTable table = page.addLegendTable(c.layout);
        ASSERT_EQ(int(table.lines.size()), c.layout.columns) << c.what;
        ASSERT_EQ(table.captions.size(), c.layout.rows.size()) << c.what;
        EXPECT_EQ(table.heading->text(), QStringLiteral("Legend;"));
        EXPECT_TRUE(table.heading->font().bold());
        for (int k = 0; k < c.layout.columns; ++k) {
            EXPECT_FALSE(table.lines[size_t(k)]->isVisible()) << c.what << " column " << k;
            int values = 0;
            for (size_t r = 0; r < c.layout.rows.size(); ++r) {
                QLabel* v = table.values[size_t(k)][r];
                EXPECT_EQ(v == nullptr, c.layout.rows[r].heading) << c.what;
                if (!v)
                    continue;
                ++values;
                // The value stands in its column, on its caption's row, right of every caption.
                EXPECT_EQ(v->x(), lx::tw(c.layout.firstColumnLeft + k * c.layout.columnStep)) << c.what;
                EXPECT_EQ(v->y(), table.captions[r]->y()) << c.what;
                EXPECT_LE(table.captions[r]->geometry().right(), table.values[0][r]->x()) << c.what;
            }
            EXPECT_EQ(values, c.valueRows) << c.what;
            // The line is centred over its column.
            EXPECT_NEAR(table.lines[size_t(k)]->geometry().center().x(), table.values[size_t(k)][0]->geometry().center().x(), 2)
                << c.what;
        }
        // Column 1 of a report: its line in the curve's colour, its values in order.
        table.setColumn(1, lx::QBColor(9), {QStringLiteral("100"), QStringLiteral(".65"), QStringLiteral("75.3")});
        EXPECT_TRUE(table.lines[1]->isVisible());
        EXPECT_EQ(table.lines[1]->color(), lx::QBColor(9));
        EXPECT_FALSE(table.lines[0]->isVisible());
        QStringList shown;
        for (QLabel* v : table.values[1])
            if (v)
                shown << v->text();
        EXPECT_EQ(shown, (QStringList{"100", ".65", "75.3", "", ""})) << c.what;
        const QImage image = page.grab().toImage();
        const QPoint mid = table.lines[1]->geometry().center();
        EXPECT_EQ(image.pixelColor(mid), lx::QBColor(9)) << c.what;
        table.clearColumn(1);
        EXPECT_FALSE(table.lines[1]->isVisible());
        EXPECT_TRUE(table.values[1][0]->text().isEmpty());
    }
}

} // namespace
