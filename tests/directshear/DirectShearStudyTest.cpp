// The parametric study's load without windows: tests in normal-stress order, at most three
// whole tests within 301 points, what was left out, empty texts for missing values, and
// the sands of the installed database.
#include "directshear/DirectShearStudy.h"

#include "DirectShearFixture.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using directshear::ParamStudy;
using Counts = std::vector<int16_t>;

class DSStudyTest : public ::testing::Test {
public:
    static inline std::unique_ptr<dsfixture::Packed> db;
    static void SetUpTestSuite() { db = std::make_unique<dsfixture::Packed>(); }
    static void TearDownTestSuite() { db.reset(); }

    lx::Connection connection;
    ParamStudy study;
    void SetUp() override { connection.Open(db->connection); }

    void choose(const char* name)
    {
        const auto sand = directshear::FindSand(directshear::StudySands(), QString::fromLatin1(name));
        ASSERT_TRUE(sand) << name;
        study.chooseSand(connection, *sand);
    }
    QStringList boxes() const
    {
        QStringList t;
        for (int k = 0; k < 3; ++k)
            t << study.normalStressText(k) + u'/' + study.voidRatioText(k);
        return t;
    }
};

TEST(DSStudySands, AreTheFourNorthRankinSandsOfTheSetupList)
{
    QStringList names;
    for (const lx::SoilEntry& s : directshear::StudySands())
        names << s.name + u'=' + directshear::ReferenceSql(s.referenceNumber).section(u'=', 1);
    EXPECT_EQ(names, (QStringList{"New North Rankin Dense Sand=103.51", "New North Rankin Loose Sand=103.52",
                                  "Coarse New North Rankin Sand=103.6", "Fine New North Rankin Sand=103.61"}));
    EXPECT_EQ(directshear::ReferenceSql(103.51f), "SELECT * FROM Reference WHERE [Reference Number] =103.51");
    EXPECT_EQ(directshear::StudyTestInfoSql(103.51f),
              "SELECT * FROM TestInfo WHERE ReferenceNumber =103.51 order by [Normal Stress (kPa)]");
}

TEST_F(DSStudyTest, TakesAtMostThreeTestsInNormalStressOrderAndSaysWhatWasLeftOut)
{
    struct Case {
        const char* sand;
        QStringList boxes;
        Counts counts;
        QStringList ids;
        const char* leftOut;   // a line of the message; "" for none
    } const cases[] = {
        {"New North Rankin Dense Sand", {"50/0.911", "100/0.909", "200/0.907"}, {3, 20, 20, 20, 0, 0, 0, 0, 0, 0, 0},
         {"D-050", "D-100", "D-200"}, "test D-400 (400 kPa): a report holds at most three tests"},
        {"New North Rankin Loose Sand", {"/", "50/1.255", "/"}, {2, 10, 140, 0, 0, 0, 0, 0, 0, 0, 0}, {"L-null", "L-050"},
         "test L-100 (100 kPa): its points would take the report past 301 points"},
        {"Coarse New North Rankin Sand", {"100/0.91", "/", "/"}, {1, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {"C-100"},
         "test C-050 (50 kPa): no stored points"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sand);
        choose(c.sand);
        EXPECT_EQ(boxes(), c.boxes);
        EXPECT_EQ(study.curveCounts(), c.counts);
        EXPECT_EQ(study.testIDs(), c.ids);
        EXPECT_TRUE(study.canReport());
        EXPECT_TRUE(study.message().split(u'\r').contains(QString::fromLatin1(c.leftOut))) << study.message().toStdString();
        int total = 0;
        for (int t = 0; t < study.tests(); ++t) {
            EXPECT_EQ(study.points().testStart(t), total);
            total += study.points().testPoints(t);
        }
        EXPECT_EQ(study.points().points(), total);
        EXPECT_LE(total, lx::ScreenCap);
    }
}

TEST_F(DSStudyTest, ParameterTextsFollowTheReportLayoutAndReselectionClearsThem)
{
    choose("New North Rankin Dense Sand");
    EXPECT_EQ(study.texts(), (QStringList{"0.25", "2.2", "0.5", "25.4", "63.5", "50", "0.911", "100", "0.909", "200", "0.907",
                                          "", "", "", "", "", "", "", "", "", ""}));
    // A point is rounded as the screen rounds it: displacement 0.1 * 3 to 3 decimals.
    EXPECT_EQ(study.points()(3, 0), 0.3f);
    EXPECT_EQ(study.points()(3, 2), -0.003f);

    choose("Coarse New North Rankin Sand");
    EXPECT_EQ(study.texts().mid(5), QStringList({"100", "0.91"}) + QStringList(14));
    EXPECT_EQ(study.points().points(), 5);
    EXPECT_EQ(study.sand(), "Coarse New North Rankin Sand");
}

TEST_F(DSStudyTest, ASandWithoutReferenceOrTestsHasNothingToReport)
{
    choose("Fine New North Rankin Sand");   // no Reference row
    EXPECT_FALSE(study.canReport());
    EXPECT_EQ(study.texts(), QStringList(21));
    EXPECT_EQ(study.curveCounts(), Counts(11, 0));
    EXPECT_TRUE(study.message().startsWith("The database holds no specimen data of Fine New North Rankin Sand."));

    // A sand whose every test is empty: nothing kept of it.
    dsfixture::Packed empty({{"103.6", "C-050", "0.6,1.8,1.3,0.78,75,0.91,50,0.5", 0}});
    lx::Connection c;
    c.Open(empty.connection);
    study.chooseSand(c, directshear::StudySands()[2]);
    EXPECT_FALSE(study.canReport());
    EXPECT_EQ(study.texts(), QStringList(21));
    EXPECT_TRUE(study.message().contains("test C-050 (50 kPa): no stored points"));
    EXPECT_TRUE(study.message().startsWith("No stored test of Coarse New North Rankin Sand can be reported"));
}

TEST(DSStudyInstalled, EachSandGivesThreeWholeTestsOf91Points)
{
    lx::Connection c;
    c.Open(dsfixture::installed());
    ParamStudy study;
    for (const lx::SoilEntry& s : directshear::StudySands()) {
        SCOPED_TRACE(s.name.toStdString());
        study.chooseSand(c, s);
        EXPECT_EQ(study.curveCounts(), (Counts{3, 91, 91, 91, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(study.normalStressText(0), "50");
        EXPECT_EQ(study.normalStressText(2), "200");
        EXPECT_EQ(study.message(), "");
    }
}

} // namespace
