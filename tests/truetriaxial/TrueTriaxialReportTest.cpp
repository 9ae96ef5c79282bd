// The report's texts in the clay and sand layouts, its points and its failure values, on a
// small hollow-cylinder database with a clay and a sand, and on the installed cube tests.
#include "truetriaxial/TrueTriaxialReport.h"

#include "DataPacker.h"
#include "lab/ParamBoxes.h"
#include "platform/Database.h"
#include "platform/Numbers.h"
#include "tests/common/TestHelpers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace truetriaxial;

namespace {

// The hollow-cylinder layout with the three particle columns a sand row fills (TestInfo
// positions 9 to 11: D50, coefficients of uniformity and curvature).
class HollowFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        const QString source = dir->filePath(QStringLiteral("src"));
        lx::testing::writeFile(
            source + QStringLiteral("/schema.sql"),
            "CREATE TABLE TestInfo (ReferenceNumber REAL, TestID TEXT COLLATE NOCASE, LL REAL, PI REAL, Rate REAL, w REAL,"
            " \"b-value\" REAL, \"Beta angle\" REAL, \"Sigma_c (kPa)\" REAL, D50 REAL, Cu REAL, Cc REAL);\n"
            "CREATE TABLE Reference (\"Reference Number\" REAL, Reference TEXT, Date TEXT, \"Soil Description\" TEXT,"
            " Outer REAL, Inner REAL, Height REAL, \"Specimen Type\" TEXT);\n"
            "CREATE TABLE TestResults (ReferenceNumber REAL, TestID TEXT COLLATE NOCASE, \"Point Number\" INTEGER,"
            " ea REAL, es REAL, dSa REAL, tau REAL, u REAL);\n");
        lx::testing::writeFile(source + QStringLiteral("/TestInfo.csv"),
                               "ReferenceNumber,TestID,LL,PI,Rate,w,b-value,Beta angle,Sigma_c (kPa),D50,Cu,Cc\n"
                               "1000.5,A1,58,Null,0.05,39,0.25,30,275.25,,,\n"
                               "2000,AS1,,,0.1,12,0,0,100,0.21,1.8,1.1\n");
        lx::testing::writeFile(source + QStringLiteral("/Reference.csv"),
                               "Reference Number,Reference,Date,Soil Description,Outer,Inner,Height,Specimen Type\n"
                               "1000.5,x,2026,Clay,100,60,200,Slurry\n"
                               "2000,x,2026,Sand,100,60,,Pluviated\n");
        // A1 rises to a peak that it holds for two points, then softens; AS1 has a missing value.
        lx::testing::writeFile(source + QStringLiteral("/TestResults.csv"),
                               "ReferenceNumber,TestID,Point Number,ea,es,dSa,tau,u\n"
                               "1000.5,A1,1,0,0,0,0,0\n"
                               "1000.5,A1,2,1,1,30,20,10.25\n"
                               "1000.5,A1,3,2,2,45,30,20.5\n"
                               "1000.5,A1,4,3,3,45,30,21.75\n"
                               "1000.5,A1,5,4,4,42,28,22\n"
                               "2000,AS1,1,0,0,0,0,0\n"
                               "2000,AS1,2,1,,10,5,1\n"
                               "2000,AS1,3,2,0,20,0,2\n");
        path = dir->filePath(QStringLiteral("hct.lxr"));
        lx::pack::packDatabase(source, QStringLiteral("mobkel"), path);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override { db.Open(lx::ConnectionString::format(path, QStringLiteral("mobkel"), true)); }

    ReportConditions conditionsOf(const QString& id)
    {
        lx::Recordset info, reference;
        info.Open(testInfoByIdSql(), db, lx::adOpenDynamic, lx::adLockUnspecified, {id});
        reference.Open(referenceSql(info.eof() ? 0 : info.Fields(0).toDouble()), db);
        return reportConditions(Kind::HollowCylinder, info, reference);
    }

    static inline QTemporaryDir* dir = nullptr;
    static inline QString path;
    lx::Connection db;
};

TEST_F(HollowFixture, ClayLayoutShowsTheClayRowsAndNullsAsNotAvailable)
{
    const ReportConditions c = conditionsOf(QStringLiteral("A1"));
    EXPECT_FALSE(c.sand) << "1000.5 is a clay: the reference number is kept as stored";
    EXPECT_EQ(c.captions[0], u"Liquid Limit (%): ");
    EXPECT_EQ(c.captions[4], u"Outer Diameter (mm):");
    EXPECT_EQ(c.captions[5], u"Inner Diameter (mm):");
    EXPECT_EQ(c.captions[9], u"Confining pressure (kPa)::");
    EXPECT_EQ(c.values[0], u"58");
    EXPECT_EQ(c.values[1], lx::NotAvailable) << "the text Null";
    EXPECT_EQ(c.values[8], lx::NotAvailable) << "no particle size for a clay";
    EXPECT_EQ(c.values[9], u"275.2") << "one decimal, halves to even";
    EXPECT_EQ(c.values[7], u"Slurry");
}

// The set-up form's boxes: a Null field (or the text "Null") leaves "N/A"; box 9 is always "N/A".
TEST_F(HollowFixture, SetupBoxesShowNotAvailableForMissingValues)
{
    lx::Recordset info, reference;
    info.Open(testSql(Kind::HollowCylinder, 1000.5, 30, 0), db);
    reference.Open(referenceSql(1000.5), db);
    const QStringList boxes = setupBoxes(info, reference);
    EXPECT_EQ(boxes, QStringList({"58", "N/A", "39", "0.05", "200", "100", "60", "Slurry", "275.25", "N/A"}));
    EXPECT_EQ(paramTexts(boxes, QStringLiteral("30"), QStringLiteral("0.25")),
              QStringList({"58", "N/A", "39", "0.05", "200", "100", "60", "30", "0.25", "N/A"}));
}

TEST_F(HollowFixture, SandLayoutShowsTheParticleRows)
{
    const ReportConditions c = conditionsOf(QStringLiteral("AS1"));
    EXPECT_TRUE(c.sand);
    EXPECT_EQ(c.captions[0], u"Coef. of uniformity");
    EXPECT_EQ(c.captions[1], u"Coef. of curvature");
    EXPECT_EQ(c.values[0], u"1.8");
    EXPECT_EQ(c.values[1], u"1.1");
    EXPECT_EQ(c.values[8], u"0.21");
    EXPECT_EQ(c.values[2], u"0.1");
    EXPECT_EQ(c.values[6], lx::NotAvailable) << "a null height";
    EXPECT_EQ(c.values[9], u"100");
}

TEST_F(HollowFixture, FailureValuesComeFromTheFirstPeakPoint)
{
    const ReportData data = readReport(Kind::HollowCylinder, 2, {QStringLiteral("Axial-Torsional Test: x"), QStringLiteral(" A1 "),
                                                                 QStringLiteral("AS1")}, db);
    ASSERT_TRUE(data.error.isEmpty()) << data.error.toStdString();
    ASSERT_EQ(data.tests.size(), 2u);
    EXPECT_EQ(data.tests[0].bValue, u"0.25");
    EXPECT_EQ(data.tests[0].betaAngle, u"30");
    EXPECT_EQ(data.points.testPoints(0), 5);
    EXPECT_EQ(data.points.testPoints(1), 2) << "the row with a missing value is passed over";
    // Points 3 and 4 share the peak (45, 30): the strain and pore pressure of point 3.
    EXPECT_EQ(data.failureTexts(0), QStringList({lx::SingleText(hollowOctStress(45, 30)), lx::SingleText(hollowOctStrain(2, 2)),
                                                 QStringLiteral("20.5")}));
    // A hollow cylinder's pore pressure as stored, with every digit of its single.
    EXPECT_EQ(data.points.value(1, PorePressure), 10.25f);
    EXPECT_EQ(data.conditions.values[0], u"58") << "the conditions of the first test";
}

TEST_F(HollowFixture, MissingTestsAndTooManyTestsGiveNoReport)
{
    const QString title = QStringLiteral("Axial-Torsional Test: x");
    EXPECT_TRUE(readReport(Kind::HollowCylinder, 2, {title, QStringLiteral("A1"), QStringLiteral("A9")}, db).error.contains(u"A9"));
    EXPECT_FALSE(readReport(Kind::HollowCylinder, 8, QStringList(9, QStringLiteral("A1")), db).error.isEmpty());
    // Neither opens a database.
    const auto noDatabase = [](Kind) { return QString(); };
    const ReportData none = readReport(0, {title}, noDatabase);
    EXPECT_TRUE(none.error.isEmpty());
    EXPECT_TRUE(none.tests.empty());
    EXPECT_EQ(none.conditions.values[0], lx::NotAvailable);
    EXPECT_FALSE(readReport(1, {QStringLiteral("Report"), QStringLiteral("A1")}, noDatabase).error.isEmpty()) << "a title of no kind";
    EXPECT_EQ(testColor(1), 1);
    EXPECT_EQ(testColor(7), 8) << "not the light grey of the vertical grid";
}

TEST(CubeReport, PorePressureHasOneDecimalAndStrainsFollowTheCube)
{
    lx::Connection db;
    db.Open(lx::ConnectionString::format(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/LXClayTTT.lxr"), QStringLiteral("mobkel"), true));
    const ReportData data = readReport(Kind::Cube, 1, {QStringLiteral("True Triaxial Test: x"), QStringLiteral("TSF-B00-b000")}, db);
    ASSERT_TRUE(data.error.isEmpty());
    EXPECT_EQ(data.conditions.captions[4], u"Specimen Length (mm):");
    lx::Recordset rs;
    rs.Open(testResultsSql(), db, lx::adOpenDynamic, lx::adLockUnspecified, {QStringLiteral("TSF-B00-b000")});
    for (int i = 0; !rs.eof(); rs.MoveNext(), ++i) {
        const auto v = [&](int p) { return rs.Fields(p).toDouble(); };
        ASSERT_EQ(data.points.value(i, OctStrain), cubeOctStrain(v(3), v(4), v(5)));
        ASSERT_EQ(data.points.value(i, OctStress), cubeOctStress(v(6), v(7), v(8)));
        ASSERT_EQ(data.points.value(i, PorePressure), float(lx::Round(v(9), 1)));
    }
}

} // namespace
