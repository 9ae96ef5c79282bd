// Working copies, connection strings and the quiz hooks of start-up (no windows).
#include "FrameFixture.h"
#include "basGlobal.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace basGlobal;

namespace {

struct WorkingCopies : ::testing::Test {
    fixture::FreshFrame frame;
    fixture::InstallTree tree;
    void SetUp() override
    {
        TempPath = lx::privateTempFolder();
        ASSERT_FALSE(TempPath.isEmpty());
    }
};

} // namespace

TEST_F(WorkingCopies, EveryFileIsCopiedFreshAndWritable)
{
    // Copies of an earlier run, read-only and with other content, are all replaced.
    for (const DataFile& f : DataFiles()) {
        QFile stale(TempPath + f.name);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("stale");
        stale.close();
        stale.setPermissions(QFileDevice::ReadOwner);
    }
    QString error;
    ASSERT_TRUE(MakeWorkingCopies(&error)) << error.toStdString();
    ASSERT_EQ(DataFiles().size(), 9u);
    for (const DataFile& f : DataFiles()) {
        const QString copy = TempPath + f.name;
        EXPECT_EQ(fixture::readAll(copy), fixture::contentOf(f.name)) << f.name.toStdString();
        EXPECT_TRUE(QFileInfo(copy).permissions() & QFileDevice::WriteOwner) << f.name.toStdString();
    }
}

TEST_F(WorkingCopies, AMissingDataFileIsNamedAndNoStaleCopySurvives)
{
    for (const DataFile& f : DataFiles()) {
        QFile stale(TempPath + f.name);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("stale");
    }
    tree.remove(QStringLiteral("QuizResource.lxr"));
    QString error;
    EXPECT_FALSE(MakeWorkingCopies(&error));
    EXPECT_TRUE(error.contains(tree.sourceOf(QStringLiteral("QuizResource.lxr")))) << error.toStdString();
    // The files before it in the copy order were copied; no stale copy is left anywhere.
    EXPECT_EQ(fixture::readAll(TempPath + "LXClaynSandHCT.lxr"), fixture::contentOf(QStringLiteral("LXClaynSandHCT.lxr")));
    EXPECT_FALSE(QFileInfo::exists(TempPath + "QuizResource.lxr"));
    EXPECT_FALSE(QFileInfo::exists(TempPath + "QuizTemplate.lxq"));
}

TEST_F(WorkingCopies, SourcesAreFoundWhateverTheLetterCaseOfTheirFolders)
{
    QDir install(tree.install.path());
    ASSERT_TRUE(install.rename(QStringLiteral("Database"), QStringLiteral("database")));
    QString error;
    EXPECT_TRUE(MakeWorkingCopies(&error)) << error.toStdString();
}

TEST(ConnectionStrings, EightStringsCharacterForCharacter)
{
    const fixture::FreshFrame frame;
    TempPath = QStringLiteral("/tmp/loamix-1000/");
    BuildConnectionStrings();
    const QString tail = QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;");
    const std::vector<std::pair<QString, const char*>> expected{
        {ClayTriaxialConnection, "DBQ=/tmp/loamix-1000/LXClayCIUCnCIDCnUUC.lxr;"},
        {SandCIDCConnection, "DBQ=/tmp/loamix-1000/LXSandCIDC.lxr;"},
        {SandCIUCConnection, "DBQ=/tmp/loamix-1000/LXSandCIUC.lxr;"},
        {Consolidation1DConnection, "DBQ=/tmp/loamix-1000/LX1DConsolidation.lxr;"},
        {DirectShearConnection, "DBQ=/tmp/loamix-1000/LXDirectShear.lxr;"},
        {ClayTTTConnection, "DBQ=/tmp/loamix-1000/LXClayTTT.lxr;"},
        {HCTConnection, "DBQ=/tmp/loamix-1000/LXClaynSandHCT.lxr;"},
        {QuizResourceConnection, "DBQ=/tmp/loamix-1000/QuizResource.lxr;"},
    };
    for (const auto& [actual, head] : expected)
        EXPECT_EQ(actual.toStdString(), (QString::fromLatin1(head) + tail).toStdString());
}

TEST(QuizHooks, WithoutTheQuizNoQuizFileIsOpenAndNoButtonIsPressed)
{
    const fixture::FreshFrame frame;
    QuizFileConnection = QStringLiteral("DBQ=left over;");
    EXPECT_FALSE(QuizOption());
    EXPECT_TRUE(QuizFileConnection.isEmpty());
    PressQuizButton(200);   // nothing to press: must not fail
}

TEST(QuizHooks, NoButtonIsPressedWhileShuttingDown)
{
    const fixture::FreshFrame frame;
    std::vector<int> pressed;
    Hooks().pressQuizButton = [&](int n) { pressed.push_back(n); };
    PressQuizButton(300);
    ShuttingDown = true;
    PressQuizButton(400);
    EXPECT_EQ(pressed, std::vector<int>{300});
}
