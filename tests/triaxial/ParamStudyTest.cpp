// The parametric study's logic against a fixture database and the installed ones: the
// soils, windows and queries, the distinct values with their tests, and the study arrays.
#include "triaxial/ParamStudy.h"
#include "triaxial/TriaxialSoils.h"

#include "StudyFixture.h"
#include "platform/Database.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

namespace {

using paramstudy::ParamStudy;
using paramstudy::Varies;

std::vector<QString> boxes(const ParamStudy& s) { return {s.values().begin(), s.values().end()}; }
std::vector<QString> ids(const ParamStudy& s) { return {s.text().begin() + 1, s.text().end()}; }

class ParamStudyFixture : public ::testing::Test {
public:
    static inline std::unique_ptr<studyfixture::Packed> sand;
    static void SetUpTestSuite() { sand = std::make_unique<studyfixture::Packed>("sand.lxr", studyfixture::sandTests()); }
    static void TearDownTestSuite() { sand.reset(); }
    lx::Connection c;
    void SetUp() override { c.Open(sand->connection); }
};

TEST(ParamStudySoils, ListsAndWindowsFollowTestTypeKindAndParameter)
{
    EXPECT_EQ(paramstudy::soils("CIDC", "Sand", Varies::VoidRatio),
              (QStringList{"Ottawa sand", "Chattahoochee river sand", "Sacramento river sand", "Sacramento river sand."}));
    EXPECT_EQ(paramstudy::soils("UUC ", "Clay", Varies::ConfiningPressure), (QStringList{"Soft Bothkennar Clay", "Lagunillas Clay"}));
    EXPECT_TRUE(paramstudy::soils("CIDC", "Clay", Varies::VoidRatio).isEmpty());
    EXPECT_TRUE(paramstudy::soils("CIUC", "Gravel", Varies::ConfiningPressure).isEmpty());

    struct Case {
        const char *soil, *code;
        Varies varies;
        const char* sql;
    } const cases[] = {
        {"Ottawa sand", "CIDC", Varies::ConfiningPressure, "SELECT * FROM TestInfo WHERE ReferenceNumber = 7 And e BETWEEN 0.84 And 0.86"},
        {"Dune Sand", "CIUC", Varies::ConfiningPressure, "SELECT * FROM TestInfo WHERE ReferenceNumber = 10 And e BETWEEN 0.735 And 0.795"},
        {"Quebec Sand", "CIUC", Varies::ConfiningPressure, "SELECT * FROM TestInfo WHERE ReferenceNumber = 12.1 And e BETWEEN 0.695 And 0.735"},
        {"Soft Bangkok Clay", "CIUC", Varies::ConfiningPressure,
         "SELECT * FROM TestInfo WHERE ReferenceNumber = 5.1 And [WaterContent(%)] BETWEEN 111 And 113"},
        {"Soft Bangkok Clay", "CIDC", Varies::ConfiningPressure,
         "SELECT * FROM TestInfo WHERE ReferenceNumber = 5 And [WaterContent(%)] BETWEEN 111 And 113"},
        {"Kaolin Clay", "CIDC", Varies::ConfiningPressure, "SELECT * FROM TestInfo WHERE ReferenceNumber = 15 And [WaterContent(%)] BETWEEN -1 And 1"},
        {"Sacramento river sand.", "CIDC", Varies::VoidRatio, "SELECT * FROM TestInfo WHERE ReferenceNumber = 20 And [Sigma3 (kPa)] BETWEEN 94 And 96"},
        {"Sacramento river sand", "CIDC", Varies::VoidRatio, "SELECT * FROM TestInfo WHERE ReferenceNumber = 20 And [Sigma3 (kPa)] BETWEEN 3804 And 3806"},
    };
    for (const Case& k : cases) {
        const auto w = paramstudy::soilWindow(k.soil, k.code, k.varies);
        ASSERT_TRUE(w) << k.soil;
        EXPECT_EQ(paramstudy::studySql(*w, QString(k.sql).contains("Water"), k.varies), QString(k.sql)) << k.soil;
    }
    // A soil without a window for the parameter.
    EXPECT_FALSE(paramstudy::soilWindow("Toyoura sand", "CIDC", Varies::VoidRatio));
    EXPECT_FALSE(paramstudy::soilWindow("Sacramento river sand.", "CIDC", Varies::ConfiningPressure));
}

// The study's lists name soils of the shared soil table: each of its kind, in the database
// the study reads, offered for the test type or as a study name, and with a window.
TEST(ParamStudySoils, EveryListedSoilIsARowOfTheSoilTableInTheStudysDatabase)
{
    int listed = 0;
    for (const char* code : {"CIDC", "CIUC", "UUC "})
        for (const char* kind : {"Clay", "Gravel", "Sand"})
            for (const Varies varies : {Varies::ConfiningPressure, Varies::VoidRatio})
                for (const QString& soil : paramstudy::soils(code, kind, varies)) {
                    ++listed;
                    const triaxial::Soil* row = nullptr;
                    for (const triaxial::Soil& s : triaxial::SoilTable())
                        if (s.name == soil && (!row || s.offeredFor.contains(QString(code))))
                            row = &s;
                    ASSERT_TRUE(row) << soil.toStdString();
                    EXPECT_EQ(row->kind, QString(kind)) << soil.toStdString();
                    EXPECT_EQ(row->file, triaxial::TestsFile(QString(kind), QString(code))) << soil.toStdString();
                    EXPECT_TRUE(row->offeredFor.contains(QString(code)) || row->offeredFor.contains("Study"))
                        << soil.toStdString() << code;
                    const auto w = paramstudy::soilWindow(soil, code, varies);
                    ASSERT_TRUE(w) << soil.toStdString() << code;
                    EXPECT_EQ(w->referenceNumber, row->referenceNumber) << soil.toStdString() << code;
                }
    EXPECT_EQ(listed, 2 + 4 + 4 + 3 + 4 + 2 + 4 + 4 + 1);
}

TEST_F(ParamStudyFixture, DistinctRoundedValuesAscendWithTheFirstTestOfEach)
{
    ParamStudy s("Sand", "CIDC Parametric Study");
    s.chooseVaries(Varies::ConfiningPressure);
    ASSERT_TRUE(s.chooseSoil("Ottawa sand", c));
    // Stored 300, 100, 200, 100.4, 400: 100.4 adds nothing, the loose test lies outside.
    EXPECT_EQ(boxes(s), (std::vector<QString>{"100", "200", "300", "400", ""}));
    EXPECT_EQ(ids(s), (std::vector<QString>{"OT-100", "OT-200", "OT-300", "OT-400", ""}));
    EXPECT_EQ(s.fixedText(), "0.85");
    EXPECT_EQ(s.text()[0], "Effect of Confining Pressure on Shear Behavior of Ottawa sand");
    // The layout of StudyData: kind, the first test's five specimen values, c, the boxes.
    const ParamStudy::Data d = s.reportData();
    const ParamStudy::Data want = {0, 0.4, 1.7, 1.1, 5, 15, double(0.85f), 100, 200, 300, 400, 0};
    for (size_t i = 0; i < d.size(); ++i)
        EXPECT_EQ(d[i], want[i]) << "position " << i;
    EXPECT_EQ(s.testName(), "Get CIDC Sand");
    EXPECT_TRUE(s.canReport());
}

TEST_F(ParamStudyFixture, AtMostFiveValuesAndNoValueOfAnEarlierSoil)
{
    ParamStudy s("Gravel", "CIDC Parametric Study");
    s.chooseVaries(Varies::ConfiningPressure);
    // The Ottawa tests are not gravel: a soil of another list is refused.
    EXPECT_FALSE(s.chooseSoil("Ottawa sand", c));
    ASSERT_TRUE(s.chooseSoil("Napa Basalt # 1", c));
    EXPECT_EQ(boxes(s), (std::vector<QString>{"700", "800", "900", "1000", "1100"}));
    EXPECT_EQ(ids(s).back(), "NB-1100");
    // The basalt's first test has no average diameter: 0, not a value of another soil.
    EXPECT_EQ(s.data()[1], 0);
    EXPECT_EQ(s.data()[2], 5.8);

    ParamStudy sand("Sand", "CIDC Parametric Study");
    sand.chooseVaries(Varies::ConfiningPressure);
    ASSERT_TRUE(sand.chooseSoil("Ottawa sand", c));
    ASSERT_EQ(sand.data()[1], 0.4);
    // A soil with no stored test in its window: empty boxes, no identifiers, no specimen
    // values left from the Ottawa sand, and nothing to report.
    ASSERT_TRUE(sand.chooseSoil("Toyoura sand", c));
    EXPECT_EQ(sand.valueCount(), 0);
    EXPECT_EQ(ids(sand), std::vector<QString>(5));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(sand.data()[size_t(i)], 0) << i;
    EXPECT_EQ(sand.data()[6], double(0.61f));
    EXPECT_FALSE(sand.canReport());
    EXPECT_EQ(sand.testName(), "Get CIDC Sand");
}

TEST_F(ParamStudyFixture, VoidRatiosRoundToTwoDecimalsAndAnotherParameterEmptiesTheChoice)
{
    ParamStudy s("Sand", "CIDC Parametric Study");
    s.chooseVaries(Varies::VoidRatio);
    ASSERT_TRUE(s.chooseSoil("Ottawa sand", c));
    EXPECT_EQ(s.sql(), "SELECT * FROM TestInfo WHERE ReferenceNumber = 7 And [Sigma3 (kPa)] BETWEEN 232 And 234");
    EXPECT_EQ(boxes(s), (std::vector<QString>{"0.65", "0.7", "", "", ""}));
    EXPECT_EQ(ids(s), (std::vector<QString>{"OT-233b", "OT-233a", "", "", ""}));
    EXPECT_EQ(s.data()[0], 1);
    EXPECT_EQ(s.fixedText(), "233");
    EXPECT_EQ(s.reportData()[7], 0.65);

    s.chooseVaries(Varies::ConfiningPressure);
    EXPECT_EQ(s.valueCount(), 0);
    EXPECT_TRUE(s.soil().isEmpty());
    EXPECT_TRUE(s.fixedText().isEmpty());
    EXPECT_FALSE(s.canReport());
}

// The installed databases: a soil of each study kind lists its stored values, ascending and distinct.
TEST(ParamStudyInstalled, InstalledSoilsListAscendingDistinctValues)
{
    struct Case {
        const char *file, *specimen, *simType, *soil;
        Varies varies;
        const char* fixed;
    } const cases[] = {
        {"LXSandCIDC.lxr", "Sand", "CIDC Parametric Study", "Ottawa sand", Varies::ConfiningPressure, "0.85"},
        {"LXClayCIUCnCIDCnUUC.lxr", "Clay", "CIUC Parametric Study", "Vicksburg Buckshot Clay", Varies::ConfiningPressure, "32"},
        {"LXClayCIUCnCIDCnUUC.lxr", "Clay", "CIUC Parametric Study", "East Atchafalaya Clay", Varies::ConfiningPressure, "48"},
        {"LXClayCIUCnCIDCnUUC.lxr", "Clay", "UUC  Parametric Study", "Soft Bothkennar Clay", Varies::ConfiningPressure, "N/A"},
        {"LXSandCIUC.lxr", "Sand", "CIUC Parametric Study", "Dune Sand", Varies::VoidRatio, "2800"},
        {"LXSandCIDC.lxr", "Gravel", "CIDC Parametric Study", "Napa Basalt # 1", Varies::ConfiningPressure, "0.66"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.soil);
        lx::Connection c;
        c.Open(lx::testing::installedConnection(QString::fromLatin1(k.file), true));
        ParamStudy s(k.specimen, k.simType);
        s.chooseVaries(k.varies);
        ASSERT_TRUE(s.chooseSoil(k.soil, c));
        EXPECT_EQ(s.fixedText(), k.fixed);
        ASSERT_GE(s.valueCount(), 2);
        for (int i = 1; i < s.valueCount(); ++i)
            EXPECT_LT(lx::Val(s.values()[size_t(i - 1)]), lx::Val(s.values()[size_t(i)]));
        for (int i = 0; i < s.valueCount(); ++i)
            EXPECT_FALSE(s.text()[size_t(i) + 1].isEmpty());
        EXPECT_TRUE(s.canReport());
    }
}

} // namespace
