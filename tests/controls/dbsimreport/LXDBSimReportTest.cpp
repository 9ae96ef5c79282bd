// The database-simulation report control: its page, the published test of the tiny packed
// database beside the response library's simulation, and the cases it refuses.
#include "controls/dbsimreport/LXDBSimReport.h"

#include "app/basGlobal.h"
#include "lab/ChartFrame.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/TestHelpers.h"
#include "TinyDatabase.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <vector>

using lx::LXDBSimReport;

namespace {

class DBSimReport : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        connection = testreport::packTinyDatabase(folder->path());
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    void SetUp() override
    {
        basGlobal::TempPath = temp.path();
        lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
        report.strConnectionString = connection;
    }
    void TearDown() override
    {
        basGlobal::TempPath.clear();
        lx::setInstallDir({});
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline QString connection;
    // The 45-point test's specimen (reference 10, T-45), with the program's constant 30 in 7.
    static constexpr std::array<double, 8> sand45 = {0.6, 2.5, 1.2, 7, 15, 0.65, 200, 30};
    lx::testing::ScriptedServices services;
    QTemporaryDir temp;
    LXDBSimReport report;
};

// A widget's place on the page in twips (left, top, width, height).
QRectF placeOf(const QWidget* w)
{
    const QRect g = w->geometry();
    return {g.x() * lx::TwipsPerPixel, g.y() * lx::TwipsPerPixel, g.width() * lx::TwipsPerPixel,
            g.height() * lx::TwipsPerPixel};
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

TEST(DBSimReportMaxData, IsTheKitsExtremum)
{
    const float v[] = {3, 7, -1};
    EXPECT_EQ(LXDBSimReport::MaxData(v, 3), 7);
    EXPECT_EQ(LXDBSimReport::MinData(v, 3), -1);
    EXPECT_EQ(LXDBSimReport::MinData(v, 0), 0);
}
