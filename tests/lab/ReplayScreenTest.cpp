// The kit's data-acquisition screen on a three-point test: Export and Report wait for the
// end of each run, and closing the screen credits its activity once, only after a run.
#include "lab/ReplayScreen.h"

#include "DataPacker.h"
#include "app/basGlobal.h"
#include "lab/StoredTest.h"
#include "platform/Database.h"
#include "platform/ListView.h"
#include "tests/common/FrameTest.h"
#include "tests/common/QuizFiles.h"
#include "tests/common/TestHelpers.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Password = QStringLiteral("mobkel");

// The smallest screen a family could write: two columns, the list line per point.
class ThreePointScreen : public lx::ReplayScreen {
public:
    ThreePointScreen()
        : lx::ReplayScreen({.caption = QStringLiteral("Kit screen"),
                            .columns = {lx::ColumnRule::field(3).rounded(1), lx::ColumnRule::field(4).rounded(1)},
                            .title = {120, 60, 4800, 330}, .titleText = QStringLiteral("Kit test"),
                            .list = {120, 480, 4800, 2000},
                            .commands = {.exportData = {5040, 480, 1200, 420}, .report = {5040, 960, 1200, 420},
                                         .help = {5040, 1440, 1200, 420}, .close = {5040, 1920, 1200, 420}},
                            .credit = lx::activities::DirectShear})
    {
        lvwData->addColumn(QStringLiteral("No."), QStringLiteral("No."), 600);
        lvwData->addColumn(QStringLiteral("a"), QStringLiteral("a"), 1000);
        lvwData->addColumn(QStringLiteral("b"), QStringLiteral("b"), 1000);
        replay.setOutputs({.listLine = [this](int k) { listPoint(k, QString::number(k + 1), QStringLiteral("Point %1").arg(k + 1)); },
                           .finished = [this] { runEnded(); }});
    }
    bool StartTest(const QString& connection)
    {
        ReplayCurve.clear();
        const QString sql = QStringLiteral("SELECT * FROM TestResults WHERE TestID = ? ORDER BY [Point Number]");
        if (!lx::reportLoadFailure(lx::loadStoredTest(ReplayCurve, {connection, sql, {QStringLiteral("T1")}, QStringLiteral("T1")})))
            return false;
        beginRun();
        return true;
    }
    void runToTheEnd()
    {
        while (Timer1->isActive())
            Timer1_Timer();
    }
    void cmdReport_Click() override {}
    void cmdHelp_Click() override {}
};

class ReplayScreenTest : public lx::testing::FrameTest {
public:
    static inline QTemporaryDir* packed = nullptr;
    static inline lx::testing::QuizFiles* quizzes = nullptr;
    static inline QString points;

    static void SetUpTestSuite()
    {
        packed = new QTemporaryDir;
        const QString source = packed->filePath(QStringLiteral("source"));
        lx::testing::writeFile(source + QStringLiteral("/schema.sql"),
                               "CREATE TABLE TestResults (ReferenceNumber REAL, TestID TEXT, [Point Number] INTEGER, a REAL, b REAL);\n");
        lx::testing::writeFile(source + QStringLiteral("/TestResults.csv"),
                               "ReferenceNumber,TestID,Point Number,a,b\n1,T1,1,0,10\n1,T1,2,0.5,20\n1,T1,3,1,30\n");
        points = packed->filePath(QStringLiteral("points.db"));
        lx::pack::packDatabase(source, Password, points);
        quizzes = new lx::testing::QuizFiles;
    }
    static void TearDownTestSuite()
    {
        delete packed;
        packed = nullptr;
        delete quizzes;
        quizzes = nullptr;
    }

    QTemporaryDir dir;

    void SetUp() override
    {
        FrameTest::SetUp();
        basGlobal::QuizFileConnection = quizzes->fresh();
    }

    static QString connection() { return lx::ConnectionString::format(points, Password); }
};

TEST_F(ReplayScreenTest, ExportAndReportWaitForTheEndOfEveryRun)
{
    auto screen = std::make_unique<ThreePointScreen>();
    const auto commandsOn = [&] { return screen->cmdExportData->isEnabled() && screen->cmdReport->isEnabled(); };
    const auto commandsOff = [&] { return !screen->cmdExportData->isEnabled() && !screen->cmdReport->isEnabled(); };
    EXPECT_TRUE(commandsOff());

    ASSERT_TRUE(screen->StartTest(connection()));
    EXPECT_TRUE(screen->Timer1->isActive());
    for (int k = 0; k < 3; ++k) {
        screen->Timer1_Timer();
        EXPECT_TRUE(commandsOff()) << "after point " << k;
    }
    ASSERT_EQ(screen->lvwData->lineCount(), 3);
    EXPECT_EQ(screen->lvwData->cellText(2, 0), "3");
    EXPECT_EQ(screen->lvwData->cellText(2, 1), "1");
    EXPECT_EQ(screen->lvwData->cellText(2, 2), "30");
    screen->Timer1_Timer();
    EXPECT_FALSE(screen->Timer1->isActive());
    EXPECT_TRUE(commandsOn());

    // A second run on the same screen waits again.
    ASSERT_TRUE(screen->StartTest(connection()));
    EXPECT_TRUE(commandsOff());
    EXPECT_TRUE(screen->Timer1->isActive());
    screen->runToTheEnd();
    EXPECT_TRUE(commandsOn());
    EXPECT_TRUE(pressed.empty()) << "no credit before the screen closes";

    screen.reset();
    EXPECT_EQ(pressed, std::vector<int>{lx::activities::DirectShear.quizButton}) << "two runs, one credit";
}

TEST_F(ReplayScreenTest, AScreenWithoutARunGivesNoCredit)
{
    const QString unreadable = lx::ConnectionString::format(dir.filePath(QStringLiteral("missing.db")), Password);
    {
        ThreePointScreen neverStarted;
    }
    {
        ThreePointScreen failed;
        EXPECT_FALSE(failed.StartTest(unreadable));
        EXPECT_FALSE(failed.Timer1->isActive());
        EXPECT_FALSE(failed.cmdReport->isEnabled());
    }
    EXPECT_TRUE(pressed.empty());
    EXPECT_EQ(scripted.messages->msgBoxCalls.size(), 1u) << "the unreadable database is told once";
    {
        ThreePointScreen midRun;
        ASSERT_TRUE(midRun.StartTest(connection()));
        midRun.Timer1_Timer();
    }
    EXPECT_EQ(pressed, std::vector<int>{lx::activities::DirectShear.quizButton}) << "closed in mid-replay, the run counts";
}

} // namespace
