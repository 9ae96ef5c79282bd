// The study report against a fixture database: the page's texts, the tests in one table,
// one curve per test in its colour, the legend and the failure rows.
#include "LXParamReport.h"

#include "lab/ChartFrame.h"
#include "platform/Colors.h"
#include "platform/ListView.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/triaxial/StudyFixture.h"

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

using Title = std::array<QString, 6>;
using Init = std::array<double, 12>;

class LXParamReportTest : public ::testing::Test {
public:
    static inline std::unique_ptr<studyfixture::Packed> db;
    static void SetUpTestSuite()
    {
        std::vector<studyfixture::Test> tests = {
            {"7", "A100", "0.4,1.7,1.1,5,15,0.85,100", studyfixture::curve(100, 300)},
            {"7", "A120", "0.4,1.7,1.1,5,15,0.85,200", studyfixture::curve(120, 600)},
            {"7", "A80", "0.4,1.7,1.1,5,15,0.85,300", studyfixture::curve(80, 900)},
            // A peak that single precision cannot hold exactly, met twice: the first counts.
            {"7", "PEAK", "0.4,1.7,1.1,5,15,0.85,50",
             {"0,0,0,0", "0.01,100,0.001,20", "0.02,153.4,0.002,35.5", "0.03,153.4,0.004,40", "0.04,120,0.005,41"}},
        };
        for (int t = 0; t < 5; ++t)
            tests.push_back({"7", QStringLiteral("LONG%1").arg(t), "0.4,1.7,1.1,5,15,0.85,100", studyfixture::curve(301, 500 + 100 * t)});
        db = std::make_unique<studyfixture::Packed>("report.lxr", tests);
    }
    static void TearDownTestSuite() { db.reset(); }

    lx::testing::ScriptedServices scripted;   // the report's date from the fixed clock
    lx::LXParamReport report;
    void SetUp() override { report.strConnectionString = db->connection; }

    // The segments of a chart drawn in a colour.
    static int segments(const lx::ChartFrame* frame, int colour)
    {
        int n = 0;
        for (const lx::DrawOp& op : frame->picDraw->displayList())
            n += op.kind == lx::DrawOp::Line && op.color == lx::QBColor(colour);
        return n;
    }
    static int markers(const lx::ChartFrame* frame)
    {
        int n = 0;
        for (const lx::DrawOp& op : frame->picDraw->displayList())
            n += op.kind == lx::DrawOp::Text && op.text == QLatin1String("*");
        return n;
    }
    static QStringList ticks(const std::array<QLabel*, 5>& labels)
    {
        QStringList t;
        for (QLabel* l : labels)
            t << l->text();
        return t;
    }
};

TEST_F(LXParamReportTest, NoTestsGiveEmptyChartsAndAHeadedTable)
{
    report.CreateReport("Get CIDC Sand", Title{"Effect of Confining Pressure on Shear Behavior of Ottawa sand"},
                        Init{0, 0.4, 1.7, 0, 5, 15, 0.6543, 0, 0, 0, 0, 0});
    EXPECT_EQ(report.txtTitle->text(), "Effect of Confining Pressure on Shear Behavior of Ottawa sand");
    EXPECT_EQ(report.lblTestType->text(), "Isotropically Consolidated Drained Triaxial Test for Sand.");
    EXPECT_EQ(report.lblDateValue->text(), QLocale::system().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
    // Specimen values in the classic text; a 0 leaves its row empty; the fixed void ratio
    // rounded to three decimals.
    EXPECT_EQ(report.lblInitValues[0]->text(), " .4");
    EXPECT_EQ(report.lblInitValues[2]->text(), "");
    EXPECT_EQ(report.lblInit[5]->text(), "Void Ratio");
    EXPECT_EQ(report.lblInitValues[5]->text(), " .654");
    EXPECT_EQ(report.fraLegend->title(), "Legend: Confining Pressure (kPa)");
    EXPECT_EQ(ticks(report.picFrame1->lblX), (QStringList{"0", "2.5", "5", "7.5", "10"}));
    EXPECT_EQ(ticks(report.picFrame1->lblY), (QStringList{"0", "2.5", "5", "7.5", "10"}));
    EXPECT_EQ(ticks(report.picFrame2->lblY), (QStringList{"0", "1.25", "2.5", "3.75", "5"}));
    EXPECT_EQ(markers(report.picFrame1), 0);
    EXPECT_EQ(report.lvwFailure->columnCount(), 4);
    EXPECT_EQ(report.lvwFailure->headerItem()->text(3), "Volumetric Strain (%)");
    EXPECT_EQ(report.lvwFailure->lineCount(), 0);
}

TEST_F(LXParamReportTest, EachTestIsOneCurveInItsColourWithItsLegendAndFailureRow)
{
    report.CreateReport("Get CIDC Sand", Title{"t", "A100", "A120", "A80"}, Init{0, 0.4, 1.7, 1.1, 5, 15, 0.85, 100, 200, 300, 0, 0});
    ASSERT_EQ(report.testCount(), 3);
    const lx::DoubleStoredCurve& d = report.data();
    EXPECT_EQ(d.testStart(1), 100);
    EXPECT_EQ(d.testStart(2), 220);
    EXPECT_EQ(d.points(), 300);
    // Separate curves: n - 1 segments each in colours 9, 10, 11, none joining two tests.
    for (const lx::ChartFrame* f : {report.picFrame1, report.picFrame2}) {
        EXPECT_EQ(segments(f, 9), 99);
        EXPECT_EQ(segments(f, 10), 119);
        EXPECT_EQ(segments(f, 11), 79);
        EXPECT_EQ(markers(f), 300);
    }
    EXPECT_EQ(report.picFrame1->lblY[4]->text(), "1200");   // a peak of 900 kPa
    // The legend: a line in each test's colour and its value after a blank.
    std::vector<QString> texts;
    std::vector<QColor> colours;
    for (const lx::DrawOp& op : report.picLegend->displayList()) {
        if (op.kind == lx::DrawOp::Text)
            texts.push_back(op.text);
        if (op.kind == lx::DrawOp::Line)
            colours.push_back(op.color);
    }
    EXPECT_EQ(texts, (std::vector<QString>{" 100", " 200", " 300"}));
    EXPECT_EQ(colours, (std::vector<QColor>{lx::QBColor(9), lx::QBColor(10), lx::QBColor(11)}));
    // Failure rows at each test's peak (point n / 2 of the fixture's curves).
    ASSERT_EQ(report.lvwFailure->lineCount(), 3);
    EXPECT_EQ(report.lvwFailure->cellText(0, 0), " 100");
    EXPECT_EQ(report.lvwFailure->cellText(0, 1), "5");
    EXPECT_EQ(report.lvwFailure->cellText(0, 2), "300");
    EXPECT_EQ(report.lvwFailure->cellText(2, 2), "900");
    EXPECT_EQ(report.lvwFailure->cellText(2, 3), "4");
}

TEST_F(LXParamReportTest, APeakSingleFloatsCannotHoldIsFoundAtItsFirstRow)
{
    report.CreateReport("Get UUC  Clay", Title{"t", "PEAK"}, Init{0, 40, 20, 0.5, 0, 0, 61, 50, 0, 0, 0, 0});
    EXPECT_EQ(report.lblTestType->text(), "Uncosolidated Undrained Triaxial Test for Clay.");
    EXPECT_EQ(report.lblInit[0]->text(), "Liquid Limit (%)");
    EXPECT_EQ(report.lblInit[3]->text(), "Water Content (%)");
    EXPECT_EQ(report.lblInitValues[3]->text(), " 61");
    EXPECT_TRUE(report.lblInit[4]->isHidden());
    EXPECT_EQ(report.picFrame2->lblTitle->text(), "Excess Pore Pressure");
    EXPECT_EQ(report.picFrame2->lblUnit->text(), "kPa");
    EXPECT_EQ(report.lvwFailure->headerItem()->text(3), "Pore Pressure (kPa)");
    ASSERT_EQ(report.lvwFailure->lineCount(), 1);
    EXPECT_EQ(report.lvwFailure->cellText(0, 1), "2");
    EXPECT_EQ(report.lvwFailure->cellText(0, 2), "153.4");
    EXPECT_EQ(report.lvwFailure->cellText(0, 3), "35.5");
}

TEST_F(LXParamReportTest, FiveTestsOf301PointsAreAllHeldAndVoidRatiosShowThreeDecimals)
{
    report.CreateReport("Get CIDC Sand", Title{"t", "LONG0", "LONG1", "LONG2", "LONG3", "LONG4"},
                        Init{1, 0.4, 1.7, 1.1, 5, 15, 200.4, 0.65, 0.7, 0.7251, 0.8, 0.85});
    EXPECT_EQ(report.data().points(), 5 * 301);
    EXPECT_EQ(report.data().testPoints(4), 301);
    EXPECT_EQ(report.lblInit[5]->text(), "Confining Pressure (kPa)");
    EXPECT_EQ(report.lblInitValues[5]->text(), " 200");
    EXPECT_EQ(report.fraLegend->title(), "Legend: Void Ratio");
    EXPECT_EQ(report.lblLegend[2], " .725");
    EXPECT_EQ(segments(report.picFrame1, 13), 300);
    EXPECT_EQ(report.lvwFailure->lineCount(), 5);
    EXPECT_EQ(report.lvwFailure->cellText(4, 2), "900");
}

TEST_F(LXParamReportTest, ADatabaseThatCannotBeOpenedEndsTheCall)
{
    report.strConnectionString = lx::testing::connectionTo(db->path("missing.lxr"));
    EXPECT_THROW(report.CreateReport("Get CIDC Sand", Title{"t", "A100"}, Init{}), lx::DatabaseError);
    EXPECT_EQ(report.txtTitle->text(), "t");
}

} // namespace
