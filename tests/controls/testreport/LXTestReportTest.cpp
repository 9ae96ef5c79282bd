// The test report control in every mode: a tiny packed database for the database modes, result
// files and a recording stand-in library for the response-library modes.
#include "controls/testreport/LXTestReport.h"

#include "app/basGlobal.h"
#include "lab/ChartFrame.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "tests/common/TestHelpers.h"
#include "ReportControlTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <memory>

using lx::LXTestReport;

namespace {

class TestReport : public testreport::ReportControlTest {
protected:
    void SetUp() override
    {
        ReportControlTest::SetUp();
        report.strConnectionString = connection;
    }
    // A result file in the private temp folder: header lines, then the rows as given.
    QString resultFile(const QString& name, int headerLines, const QByteArray& rows)
    {
        QByteArray text;
        for (int i = 0; i < headerLines; ++i)
            text += "header line\n";
        const QString path = temp.filePath(name);
        EXPECT_TRUE(lx::testing::writeFile(path, text + rows));
        return path;
    }
    void create(const char* key, const QString& file, const QString& title, std::span<const double> init = sand)
    {
        report.CreateReport(QString::fromLatin1(key), file, title, init);
    }

    static constexpr std::array<double, 8> sand = {0.5, 2.1, 1.1, 7, 15, 0.7, 100, 30};
    LXTestReport report;
};

int countLines(const lx::PictureBox& box, int width, const QColor& color, bool vertical)
{
    int n = 0;
    for (const lx::DrawOp& op : box.displayList())
        if (op.kind == lx::DrawOp::Line && op.width == width && op.color == color &&
            (op.from.x() == op.to.x()) == vertical)
            ++n;
    return n;
}
int countMarkers(const lx::PictureBox& box)
{
    int n = 0;
    for (const lx::DrawOp& op : box.displayList())
        n += op.kind == lx::DrawOp::Text && op.text == QLatin1String("*");
    return n;
}
QStringList texts(const std::array<QLabel*, 5>& labels)
{
    QStringList t;
    for (QLabel* l : labels)
        t << l->text();
    return t;
}

} // namespace

TEST_F(TestReport, GetModesWriteTheCaptionsOfTheirTestTypeAndSoil)
{
    struct Case {
        const char* key;
        const char* testId;
        const char* type;
        const char* chartHeading;
        const char* secondTitle;
        const char* strainCaption;
        const char* strainUnit;
    };
    const Case cases[] = {
        {"Get CIDC S", "T-CIDC", "Drained Triaxial Test for Sand.", "Stress-Strain and Volume Change Plots:",
         "Volumetric Strain", "Corresponding Volumetric Strain:", "(%)"},
        {"Get CIDC G", "T-CIDC", "Drained Triaxial Test for Gravel.", "Stress-Strain and Volume Change Plots:",
         "Volumetric Strain", "Corresponding Volumetric Strain:", "(%)"},
        {"Get CIDC C", "T-CIDC", "Drained Triaxial Test for Clay.", "Stress-Strain and Volume Change Plots:",
         "Volumetric Strain", "Corresponding Volumetric Strain:", "(%)"},
        {"Get CIUC S", "T-CIUC", "Undrained Triaxial Test for Sand.", "Stress-Strain and Pore Pressure-Strain Plots:",
         "Pore Pressure", "Corresponding Pore Pressure", "(kPa)"},
        {"Get CIUC C", "T-CIUC", "Undrained Triaxial Test for Clay.", "Stress-Strain and Pore Pressure-Strain Plots:",
         "Pore Pressure", "Corresponding Pore Pressure", "(kPa)"},
        {"Get CIUC G", "T-CIUC", "", "Stress-Strain and Pore Pressure-Strain Plots:", "Pore Pressure",
         "Corresponding Pore Pressure", "(kPa)"},
        {"Get UUC  C", "T-CIUC", "Unconsolidaed Undrained Triaxial Test for Clay.",
         "Stress-Strain and Pore Pressure-Strain Plots:", "Pore Pressure", "Corresponding Pore Pressure", "(kPa)"},
        {"Get UUC  S", "T-CIUC", "Undrained Triaxial Test for Sand.", "Stress-Strain and Pore Pressure-Strain Plots:",
         "Pore Pressure", "Corresponding Pore Pressure", "(kPa)"},
        {"Get UUC  G", "T-CIUC", "", "Stress-Strain and Pore Pressure-Strain Plots:", "Pore Pressure",
         "Corresponding Pore Pressure", "(kPa)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        LXTestReport r;
        r.strConnectionString = report.strConnectionString;
        r.CreateReport(QString::fromLatin1(c.key), QStringLiteral("Tiny Sand"), QString::fromLatin1(c.testId), sand);
        EXPECT_EQ(r.txtTitle->text(), QStringLiteral("Mechanical Behavior of Tiny Sand"));
        EXPECT_EQ(r.lblTestType->text(), QString::fromLatin1(c.type));
        EXPECT_EQ(r.lblChart->text(), QString::fromLatin1(c.chartHeading));
        EXPECT_EQ(r.lblTitleChart1->text(), QStringLiteral("Deviator Stress"));
        EXPECT_EQ(r.lblTitleChart2->text(), QString::fromLatin1(c.secondTitle));
        EXPECT_EQ(r.lblY2Unit->text(), QString::fromLatin1(c.strainUnit));
        EXPECT_EQ(r.lblStrain->text(), QString::fromLatin1(c.strainCaption));
        EXPECT_EQ(r.lblStrainUnit->text(), QString::fromLatin1(c.strainUnit));
        EXPECT_EQ(r.lblDateValue->text(), QLocale::system().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
    }
}

TEST_F(TestReport, GetCidcMultipliesBeforeRoundingAndTakesTheFirstRowOfATiedPeak)
{
    create("Get CIDC S", QStringLiteral("Tiny Sand"), QStringLiteral("t-cidc"));   // TestID without regard to case
    ASSERT_EQ(report.rowCount(), 5);
    // Points in their order: 0.0123456 is the third point, stored as 1.235 %.
    EXPECT_DOUBLE_EQ(report.table().value(2, 0), 1.235);
    // 150.04 and 149.96 both round to 150.0: the first of them is the failure row.
    EXPECT_EQ(report.lblStressValue->text(), QStringLiteral("150"));
    EXPECT_EQ(report.lblAxisStrainValue->text(), QStringLiteral("1.235"));
    EXPECT_EQ(report.lblStrainValue->text(), QStringLiteral("0.21"));
}

TEST_F(TestReport, GetCiucReportsThePorePressureAtThePeak)
{
    create("Get CIUC S", QStringLiteral("Tiny Sand"), QStringLiteral("T-CIUC"));
    EXPECT_EQ(report.lblStressValue->text(), QStringLiteral("95"));
    EXPECT_EQ(report.lblStrainValue->text(), QStringLiteral("41.4"));
    EXPECT_EQ(report.lblAxisStrainValue->text(), QStringLiteral("2"));
}

TEST_F(TestReport, GetLeavesZeroValuesEmptyAndShowsTheOthersAsClassicText)
{
    const std::array<double, 8> init = {0.5, 0, 1.1, 7, 15, 0.7, 100, 30};
    create("Get CIDC S", QStringLiteral("Tiny Sand"), QStringLiteral("T-CIDC"), init);
    EXPECT_EQ(report.lblInitValues[0]->text(), QStringLiteral(" .5"));
    EXPECT_EQ(report.lblInitValues[1]->text(), QString());
    EXPECT_EQ(report.lblInitValues[6]->text(), QStringLiteral(" 100"));
    EXPECT_FALSE(report.lblInit[4]->isHidden());
}

TEST_F(TestReport, ClayLayoutHasFourCaptionsAndMovesConfiningPressureUp)
{
    const std::array<double, 8> clay = {45, 22, 0.5, 31, 0, 0, 200, 30};
    create("Get UUC  C", QStringLiteral("Tiny Clay"), QStringLiteral("T-CIUC"), clay);
    const char* captions[] = {"Liquid Limit (%)", "Plasticity Index (%)", "Strain Rate (%/min)", "Water Content (%)"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(report.lblInit[i]->text(), QString::fromLatin1(captions[i]));
    for (size_t i = 4; i < 6; ++i) {
        EXPECT_TRUE(report.lblInit[i]->isHidden());
        EXPECT_TRUE(report.lblInitValues[i]->isHidden());
    }
    EXPECT_EQ(report.lblInit[6]->y(), lx::tw(2040));
    EXPECT_EQ(report.lblInitValues[6]->y(), lx::tw(2040));
    EXPECT_EQ(report.lblInitValues[6]->text(), QStringLiteral(" 200"));
    EXPECT_EQ(report.lblInit[6]->text(), QStringLiteral("Confining Pressure (kPa):"));
}

TEST_F(TestReport, ChartsDrawTheGridAndOneSegmentLessThanMarkersInTheirColours)
{
    create("Get CIDC S", QStringLiteral("Tiny Sand"), QStringLiteral("T-CIDC"));
    for (auto [box, colour] : {std::pair{report.picDraw1, 12}, std::pair{report.picDraw2, 9}}) {
        EXPECT_EQ(countLines(*box, 1, Qt::black, true), 8);
        EXPECT_EQ(countLines(*box, 1, Qt::black, false), 3);
        EXPECT_EQ(countLines(*box, 2, lx::QBColor(colour), true) + countLines(*box, 2, lx::QBColor(colour), false), 4);
        EXPECT_EQ(countMarkers(*box), 5);
    }
    EXPECT_EQ(texts(report.picFrame1->lblX), (QStringList{"0", "2.5", "5", "7.5", "10"}));
    EXPECT_EQ(texts(report.picFrame1->lblY), (QStringList{"0", "50", "100", "150", "200"}));
    // Chart 2 runs from -1.235 to 0.21: the axis -5 to 5.
    EXPECT_EQ(texts(report.picFrame2->lblY), (QStringList{"-5", "-2.5", "0", "2.5", "5"}));
}

TEST_F(TestReport, SinglePointChartHasItsStarAndNoLine)
{
    create("Get CIDC S", QStringLiteral("Tiny Sand"), QStringLiteral("T-ONE"));
    EXPECT_EQ(countMarkers(*report.picDraw1), 1);
    EXPECT_EQ(countLines(*report.picDraw1, 2, lx::QBColor(12), false) + countLines(*report.picDraw1, 2, lx::QBColor(12), true), 0);
    EXPECT_EQ(countLines(*report.picDraw1, 1, Qt::black, true), 8);
}

TEST_F(TestReport, DatabaseReferenceModeTitlesTheReportByItsReference)
{
    create("DB CIDC  S", QStringLiteral("7"), QStringLiteral("T-CIDC"), std::array<double, 8>{0.5, 0, 1, 7, 15, 0.7, 100, 30});
    EXPECT_EQ(report.txtTitle->text(), QStringLiteral("Reference: Tiny reference, 1999"));
    EXPECT_EQ(report.lblTestType->text(), QStringLiteral("Drained Triaxial Test for Tiny sand."));
    EXPECT_EQ(report.lblInitValues[1]->text(), QStringLiteral(" 0"));
    // No rounding of strains here, stress to two decimals: 150.04 beats 149.96.
    EXPECT_EQ(report.lblStressValue->text(), QStringLiteral("150.04"));
    EXPECT_EQ(report.lblAxisStrainValue->text(), QStringLiteral("1.23456"));
    EXPECT_EQ(report.lblTitleChart2->text(), QStringLiteral("Volumetric Strain"));
}

TEST_F(TestReport, CallerTextReachesTheDatabaseOnlyAsAValue)
{
    // A reference number that is not a number is refused before any SQL.
    EXPECT_THROW(create("DB CIDC  S", QStringLiteral("7 OR 1=1"), QStringLiteral("T-CIDC")), lx::ReportError);
    LXTestReport other;
    other.strConnectionString = report.strConnectionString;
    // No reference 99: an error, not an empty page.
    EXPECT_THROW(other.CreateReport(QStringLiteral("DB CIDC  S"), QStringLiteral("99"), QStringLiteral("T-CIDC"), sand),
                 lx::ReportError);
    // A quote in the TestID is part of the value: no test of that name, so no points.
    EXPECT_THROW(create("Get CIDC S", QStringLiteral("Tiny Sand"), QStringLiteral("x' OR '1'='1")), lx::ReportError);
}

TEST_F(TestReport, FailuresComeBackToTheCaller)
{
    EXPECT_THROW(create("Get CIDC S", QStringLiteral("Tiny Sand"), QStringLiteral("NO-SUCH-TEST")), lx::ReportError);
    EXPECT_THROW(create("ANN CIDC C", temp.filePath(QStringLiteral("missing.txt")), QStringLiteral("t")), lx::ReportError);
    LXTestReport locked;
    locked.strConnectionString = lx::ConnectionString::format(database, QStringLiteral("wrong"));
    EXPECT_THROW(locked.CreateReport(QStringLiteral("Get CIDC S"), {}, QStringLiteral("T-CIDC"), sand), lx::DatabaseError);
}

TEST_F(TestReport, UnknownKeyShowsTitleDateAndAPeakOfZeroOnly)
{
    create("Get XYZW S", QStringLiteral("Tiny Sand"), QStringLiteral("Just a title"));
    EXPECT_EQ(report.txtTitle->text(), QStringLiteral("Just a title"));
    EXPECT_FALSE(report.lblDateValue->text().isEmpty());
    EXPECT_EQ(report.lblStressValue->text(), QStringLiteral("0"));
    EXPECT_TRUE(report.lblStrainValue->text().isEmpty());
    EXPECT_TRUE(report.lblAxisStrainValue->text().isEmpty());
    EXPECT_TRUE(report.picDraw1->displayList().empty());
    EXPECT_TRUE(report.lblTitleChart1->text().isEmpty());
}

TEST_F(TestReport, ResponseModesWithoutTheirSoilReadTheNamedFile)
{
    // Clay calls nothing: the file named is read as it stands, zeros shown.
    const QString file = resultFile(QStringLiteral("clay.txt"), 12,
                                    "0,0,0\n1, 150.0000001, 0.5\n2 150.0000002 0.7\n3,140,0.9\n");
    const std::array<double, 8> init = {0, 2, 1, 7, 15, 0.7, 100, 30};
    create("ANN CIDC C", file, QStringLiteral("Simulated"), init);
    EXPECT_EQ(report.txtTitle->text(), QStringLiteral("Simulated"));
    EXPECT_TRUE(report.lblTestType->text().isEmpty());
    EXPECT_EQ(report.lblInitValues[0]->text(), QStringLiteral(" 0"));
    EXPECT_EQ(report.rowCount(), 4);
    // The two stresses are one single: the first row is the failure row.
    EXPECT_EQ(report.lblAxisStrainValue->text(), QStringLiteral("1"));
    EXPECT_EQ(report.lblStrainValue->text(), QStringLiteral("0.5"));
    EXPECT_EQ(report.lblStressValue->text(), QStringLiteral("150"));
}

TEST_F(TestReport, UndrainedResultFilesKeepThreeRowsThenEveryFifth)
{
    auto rows = [](int n) {
        QByteArray text;
        for (int i = 0; i < n; ++i)
            text += QByteArray::number(i) + "," + QByteArray::number(10 + i) + "," + QByteArray::number(i) + "\n";
        return text;
    };
    struct Case { int read; std::vector<int> kept; int count; };
    const Case cases[] = {
        {23, {0, 1, 2, 5, 10, 15, 20}, 7},
        {10, {0, 1, 2, 5}, 4},
        {1251, {0, 1, 2, 5, 1250}, 253},
        {2000, {0, 1, 2, 5, 1490}, LXTestReport::TableRows},   // cut at the table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.read);
        LXTestReport r;
        r.CreateReport(QStringLiteral("ANN CIUC X"), resultFile(QStringLiteral("u.txt"), 8, rows(c.read)),
                       QStringLiteral("t"), std::array<double, 4>{50, 2, 1, 100});
        ASSERT_EQ(r.rowCount(), c.count);
        for (size_t k = 0; k + 1 < c.kept.size(); ++k)
            EXPECT_EQ(r.table().value(int(k), 0), c.kept[k]);
        EXPECT_EQ(r.table().value(c.count - 1, 0), c.kept.back());
        EXPECT_EQ(r.lblTestType->text(), QStringLiteral("Undrained Triaxial Test for Sand."));
        EXPECT_EQ(r.lblInit[0]->text(), QStringLiteral("Relative Density (%):"));
        EXPECT_EQ(r.lblInit[2]->text(), QStringLiteral("Over Consolidation Ratio:"));
        EXPECT_TRUE(r.lblInit[6]->isHidden());
        EXPECT_EQ(r.lblStrainUnit->text(), QStringLiteral("(kPa)"));
    }
}

TEST_F(TestReport, ResponseModesCallTheRoutineOfTheirSoilAndStress)
{
    lx::setInstallDir(QStringLiteral(RECORDER_INSTALL_DIR));
    struct Case { const char* key; double confining; int procedure; };
    // The recorder writes 100 + its number as the stress: 1 gravel, 2 sand high, 3 sand low, 4 undrained.
    const Case cases[] = {
        {"ANN CIDC G", 100, 1}, {"ANN CIDC S", 700, 2}, {"ANN CIDC S", 699.9, 3}, {"ANN CIDC S", 1500, 2},
        {"ANN CIUC S", 100, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.confining));
        std::array<double, 8> init = sand;
        init[6] = c.confining;
        LXTestReport r;
        // The name's folders are dropped: the file goes to the private temp folder.
        r.CreateReport(QString::fromLatin1(c.key), QStringLiteral("/nowhere/at all/result.txt"), QStringLiteral("t"), init);
        EXPECT_EQ(r.lblStressValue->text(), QString::number(100 + c.procedure));
        EXPECT_TRUE(QFileInfo::exists(temp.filePath(QStringLiteral("result.txt"))));
        // The library saw every value the caller gave, and no more.
        EXPECT_EQ(r.table().value(1, 2), 8);
    }
}

TEST_F(TestReport, MissingLibraryIsAnErrorOfTheCall)
{
    lx::setInstallDir(temp.path());
    EXPECT_THROW(create("ANN CIDC S", QStringLiteral("r.txt"), QStringLiteral("t")), lx::ReportError);
}

TEST_F(TestReport, RealLibrarySimulatesASandBesideItsStoredTest)
{
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
    create("ANN CIDC S", QStringLiteral("sand.txt"), QStringLiteral("Simulated sand"));
    EXPECT_EQ(report.rowCount(), LXTestReport::TableRows);
    EXPECT_GT(report.lblStressValue->text().toDouble(), 100);
    EXPECT_EQ(report.lblTestType->text(), QStringLiteral("Drained Triaxial Test for Sand."));

    LXTestReport undrained;
    const std::array<double, 4> record = lx::annCiucRecord(sand);
    EXPECT_GT(record[0], 0);
    EXPECT_EQ(record[2], 1);
    undrained.CreateReport(QStringLiteral("ANN CIUC S"), QStringLiteral("sandu.txt"), QStringLiteral("t"), record);
    EXPECT_EQ(undrained.rowCount(), 253);
}

TEST(ReportMaxData, IsTheKitsExtremum)
{
    const float v[] = {3, 7, -1};
    EXPECT_EQ(LXTestReport::MaxData(v, 3), 7);
    EXPECT_EQ(LXTestReport::MinData(v, 3), -1);
    EXPECT_EQ(LXTestReport::MaxData(v, 0), 0);
}
