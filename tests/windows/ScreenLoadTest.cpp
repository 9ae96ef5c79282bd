// Every kind of replay screen on one small stored test of each kind: a test longer than the
// screen's cap, one with a repeated point and a value beyond single precision, and one that
// cannot be read are told to the student in the same words, in one box each; the list is
// empty when a second run begins, and closing a screen credits its run once.
#include "consolidation/frmScreenDAS1D.h"
#include "directshear/frmScreenDAS_DS.h"
#include "triaxial/frmScreenDASTriaxial.h"
#include "truetriaxial/frmScreenDASTTT.h"

#include "app/basGlobal.h"
#include "lab/ReplayScreen.h"
#include "platform/ListView.h"
#include "platform/Paths.h"
#include "tests/common/FixturePacker.h"
#include "tests/common/FrameTest.h"
#include "tests/common/QuizFiles.h"
#include "tests/common/TestHelpers.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString Password = QStringLiteral("mobkel");
const QString TestID = QStringLiteral("T1");

// The stored points of one test: n rows of "<ref>,T1,<point>" and `values` positive values each.
QStringList points(int n, int values)
{
    QStringList rows;
    for (int k = 1; k <= n; ++k) {
        QString row = QStringLiteral("1500,%1,%2").arg(TestID).arg(k);
        for (int v = 0; v < values; ++v)
            row += u',' + QString::number(0.1 * k + v + 1);
        rows << row;
    }
    return rows;
}

// Five points, point 2 stored twice and 1e308 in every value of point 4.
QStringList faulty(int values)
{
    QStringList rows = points(5, values);
    rows.insert(2, rows[1]);
    QString big = QStringLiteral("1500,%1,4").arg(TestID);
    for (int v = 0; v < values; ++v)
        big += QStringLiteral(",1e308");
    rows[4] = big;
    return rows;
}

struct ScreenKind {
    const char* name;
    const char* database;   // the installed schema its stored tests follow
    int values;             // the values of a stored point after its number
    // Makes the screen and starts a run on the connection.
    std::function<lx::ReplayScreen*()> make;
    std::function<bool(lx::ReplayScreen*, const QString& connection)> start;
};

const std::vector<ScreenKind>& kinds()
{
    static const std::vector<ScreenKind> all = {
        {"triaxial", "LXClayCIUCnCIDCnUUC", 4, [] { return new frmScreenDASTriaxial; },
         [](lx::ReplayScreen* s, const QString& c) {
             return static_cast<frmScreenDASTriaxial*>(s)->StartTest(QStringLiteral("CIUC"), QStringLiteral("Kaolin Clay"), c, TestID, {});
         }},
        {"consolidation", "LX1DConsolidation", 3, [] { return new frmScreenDAS1D; },
         [](lx::ReplayScreen* s, const QString& c) {
             basGlobal::Consolidation1DConnection = c;
             return static_cast<frmScreenDAS1D*>(s)->StartTest(1500.0f, TestID, QStringLiteral("Kaolin Clay"), {});
         }},
        {"direct shear", "LXDirectShear", 3, [] { return new frmScreenDAS_DS; },
         [](lx::ReplayScreen* s, const QString& c) {
             basGlobal::DirectShearConnection = c;
             return static_cast<frmScreenDAS_DS*>(s)->StartTest(TestID, QStringLiteral("Ottawa sand"), {});
         }},
        {"true triaxial", "LXClayTTT", 7, [] { return new frmScreenDASTTT; },
         [](lx::ReplayScreen* s, const QString& c) {
             basGlobal::ClayTTTConnection = c;
             return static_cast<frmScreenDASTTT*>(s)->StartTest(QStringLiteral("Cube"), QStringLiteral("Kaolin Clay"), TestID);
         }},
    };
    return all;
}

class ScreenLoadTest : public lx::testing::FrameTest, public ::testing::WithParamInterface<ScreenKind> {
protected:
    QTemporaryDir dir;
    QPointer<lx::ReplayScreen> screen;

    void SetUp() override
    {
        FrameTest::SetUp();
        lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));   // the screens' pictures
        screen = GetParam().make();
    }
    void TearDown() override
    {
        delete screen.data();
        FrameTest::TearDown();
    }

    // A database of the screen's kind holding the rows as test T1.
    QString packed(const QString& file, const QStringList& rows)
    {
        return lx::testing::connectionTo(
            fixture::packDatabase(dir.path(), QString::fromLatin1(GetParam().database), {{QStringLiteral("TestResults"), rows}}, Password, file));
    }
    bool start(const QString& connection) { return GetParam().start(screen, connection); }
    std::vector<lx::testing::MsgBoxCall>& told() { return scripted.messages->msgBoxCalls; }
};

TEST_P(ScreenLoadTest, ATestLongerThanTheCapIsToldAndReplayedToTheCap)
{
    ASSERT_TRUE(start(packed(QStringLiteral("long.lxr"), points(lx::ScreenCap + 9, GetParam().values))));
    ASSERT_EQ(told().size(), 1u);
    EXPECT_EQ(told()[0].text, QStringLiteral("The test T1 holds more than 301 points: the first 301 are replayed."));
    EXPECT_EQ(screen->ReplayCurve.points(), lx::ScreenCap);
    EXPECT_TRUE(screen->Timer1->isActive());
}

TEST_P(ScreenLoadTest, RowsLeftOutAreToldInOneBox)
{
    ASSERT_TRUE(start(packed(QStringLiteral("faulty.lxr"), faulty(GetParam().values))));
    ASSERT_EQ(told().size(), 1u);
    EXPECT_EQ(told()[0].text, (lx::LeftOutRows{1, 1}.notes().join(u'\r')));
    EXPECT_EQ(screen->ReplayCurve.points(), 4);
}

TEST_P(ScreenLoadTest, ATestThatCannotBeReadIsToldOnceAndNothingReplays)
{
    const QString missing = lx::testing::connectionTo(dir.filePath(QStringLiteral("missing.lxr")));
    EXPECT_FALSE(start(missing));
    ASSERT_EQ(told().size(), 1u);
    EXPECT_TRUE(told()[0].text.contains(QStringLiteral("missing.lxr"))) << told()[0].text.toStdString();
    EXPECT_FALSE(screen->Timer1->isActive());
}

TEST_P(ScreenLoadTest, ASecondRunBeginsOnAnEmptyList)
{
    const QString connection = packed(QStringLiteral("clean.lxr"), points(5, GetParam().values));
    ASSERT_TRUE(start(connection));
    while (screen->Timer1->isActive())
        screen->Timer1_Timer();
    ASSERT_GT(screen->lvwData->lineCount(), 0);
    ASSERT_TRUE(start(connection));
    EXPECT_EQ(screen->lvwData->lineCount(), 0);
    EXPECT_TRUE(told().empty());
}

TEST_P(ScreenLoadTest, ClosingCreditsOnceAndTheDestructorNothingMore)
{
    const lx::testing::QuizFiles quizzes;
    basGlobal::QuizFileConnection = quizzes.fresh();
    ASSERT_TRUE(start(packed(QStringLiteral("clean.lxr"), points(5, GetParam().values))));
    screen->cmdClose_Click();
    lx::testing::settle();
    EXPECT_EQ(pressed.size(), 1u);
    delete screen.data();
    EXPECT_EQ(pressed.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreenLoadTest, ::testing::ValuesIn(kinds()),
                         [](const ::testing::TestParamInfo<ScreenKind>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

} // namespace
