// Working copies, connection strings and the quiz hooks of start-up (no windows).
#include "FrameFixture.h"
#include "basGlobal.h"
#include "frmLogin.h"

#include "DataPacker.h"
#include "platform/Database.h"
#include "platform/testing/FileLimit.h"
#include "platform/testing/ForkedChild.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace basGlobal;

namespace {

struct WorkingCopies : ::testing::Test {
    fixture::FreshFrame frame;
    fixture::InstallTree tree;
    std::unique_ptr<lx::InstanceFolder> folder;
    void SetUp() override
    {
        folder = lx::InstanceFolder::create();
        ASSERT_TRUE(folder);
        TempPath = folder->path();
    }
    QStringList entries() const
    {
        return QDir(TempPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    static QStringList copyNames()
    {
        QStringList names;
        for (const DataFile& f : DataFiles())
            names << f.name;
        names.sort();
        return names;
    }
};

} // namespace

TEST_F(WorkingCopies, TheFolderHoldsNothingButFreshCopies)
{
    // A rollback journal SQLite would replay onto a fresh copy, strays, a folder, and a link
    // to a folder whose file must survive.
    QTemporaryDir elsewhere;
    QFile precious(elsewhere.filePath(QStringLiteral("precious.txt")));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.close();
    for (const char* name : {"LXSandCIDC.lxr-journal", "QuizTemplate.lxq-journal", "stray.tmp", ".hidden"}) {
        QFile f(TempPath + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("left over");
    }
    QDir(TempPath).mkpath(QStringLiteral("sub/deeper"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), TempPath + QStringLiteral("link")));
    QString error;
    ASSERT_TRUE(MakeWorkingCopies(&error)) << error.toStdString();
    EXPECT_EQ(entries(), copyNames());
    EXPECT_TRUE(precious.exists());
}

TEST_F(WorkingCopies, AStaleJournalIsNotReplayedOntoAFreshCopy)
{
    // The installed file, a real database whose test BK-100 has σ3 = 100 kPa.
    const QString source = tree.sourceOf(QStringLiteral("LXSandCIDC.lxr"));
    QFile::remove(source);
    lx::pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/sample"), QStringLiteral("mobkel"), source);
    // An earlier run changed its copy to 777 and stopped in the middle of a transaction: its
    // journal holds the pages of 777, and SQLite rolls any journal it finds back onto its file.
    QTemporaryDir earlier;
    const QString old = earlier.filePath(QStringLiteral("LXSandCIDC.lxr"));
    ASSERT_TRUE(QFile::copy(source, old));
    QFile::setPermissions(old, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString sql = QStringLiteral("UPDATE TestInfo SET [Sigma3 (kPa)] = ? WHERE TestID = 'BK-100'");
    {
        lx::Connection c;
        c.Open(QStringLiteral("DBQ=") + lx::ConnectionString::braced(old) + QStringLiteral(";Pwd=mobkel;"));
        c.ExecuteNonQuery(sql, {777.0});
        // Unsynced, the journal is complete on disk while the transaction runs.
        c.ExecuteNonQuery(QStringLiteral("PRAGMA synchronous = OFF"));
        c.ExecuteNonQuery(QStringLiteral("BEGIN"));
        c.ExecuteNonQuery(sql, {999.0});
        ASSERT_TRUE(QFile::copy(old + QStringLiteral("-journal"), TempPath + QStringLiteral("LXSandCIDC.lxr-journal")));
        c.ExecuteNonQuery(QStringLiteral("ROLLBACK"));
    }
    QString error;
    ASSERT_TRUE(MakeWorkingCopies(&error)) << error.toStdString();
    BuildConnectionStrings();
    lx::Connection c;
    c.Open(SandCIDCConnection);
    lx::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TestInfo WHERE TestID = 'BK-100'"), c);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(rs.Fields(3).toDouble(), 100.0);
}

TEST_F(WorkingCopies, ACopyThatFailsPartWayLeavesNothingOfItself)
{
    // Larger than the file-size limit of the test, so the copy stops part-way.
    QFile big(tree.sourceOf(QStringLiteral("LXSandCIUC.lxr")));
    big.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(8192, 'x'));
    big.close();
    QString error;
    bool made = true;
    lx::testing::withSmallFileLimit([&] { made = MakeWorkingCopies(&error); });
    EXPECT_FALSE(made);
    EXPECT_TRUE(error.contains(tree.sourceOf(QStringLiteral("LXSandCIUC.lxr")))) << error.toStdString();
    EXPECT_EQ(entries(), (QStringList{"LXClayCIUCnCIDCnUUC.lxr", "LXSandCIDC.lxr"}));
}

TEST_F(WorkingCopies, TwoInstancesEachHaveTheirOwnCopiesGoneWhenBothEnd)
{
    // Each child is an instance: its own folder and copies, removed when it ends.
    auto instance = [] {
        QString error;
        return PrepareWorkingCopies(&error) ? QFile::encodeName(TempPath) : QByteArray("failed: ") + error.toUtf8();
    };
    auto end = [] { RemoveWorkingCopies(); };
    lx::testing::ForkedChild first(instance, end), second(instance, end);
    const QString a = QFile::decodeName(first.line()), b = QFile::decodeName(second.line());
    ASSERT_TRUE(a.startsWith(tree.tmp.path())) << a.toStdString();
    ASSERT_TRUE(b.startsWith(tree.tmp.path())) << b.toStdString();
    EXPECT_NE(a, b);
    EXPECT_NE(a, TempPath);
    for (const QString& dir : {a, b})
        for (const DataFile& f : DataFiles())
            EXPECT_EQ(fixture::readAll(dir + f.name), fixture::contentOf(f.name)) << (dir + f.name).toStdString();
    first.release();
    second.release();
    EXPECT_EQ(first.wait(), 0);
    EXPECT_EQ(second.wait(), 0);
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_FALSE(QFileInfo::exists(b));
    EXPECT_TRUE(QFileInfo(TempPath).isDir()) << "this instance's own folder is untouched";
}

TEST_F(WorkingCopies, ASemicolonInTheTempPathReachesEveryConnection)
{
    // An instance folder under a temp folder whose name holds ';' (and a brace).
    QDir(tree.tmp.path()).mkdir(QStringLiteral("a;b}c"));
    qputenv("TMPDIR", QFile::encodeName(tree.tmp.filePath(QStringLiteral("a;b}c"))));
    folder = lx::InstanceFolder::create();
    ASSERT_TRUE(folder);
    TempPath = folder->path();
    ASSERT_TRUE(TempPath.contains(u';'));
    BuildConnectionStrings();
    lx::pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/sample"), QStringLiteral("mobkel"), TempPath + "LXSandCIDC.lxr");
    lx::pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/sample"), QStringLiteral("mobkel"), TempPath + "Users.lxu");
    for (const QString& cs : {SandCIDCConnection, frmLogin::connectionString()}) {
        lx::Connection c;
        EXPECT_NO_THROW(c.Open(cs)) << cs.toStdString();
        EXPECT_EQ(c.State(), lx::adStateOpen);
    }
}

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
    // The path is wrapped in braces; the keys and their order are those of old.
    TempPath = QStringLiteral("/tmp/loamix-1000/");
    BuildConnectionStrings();
    const QString tail = QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;");
    const std::vector<std::pair<QString, const char*>> expected{
        {ClayTriaxialConnection, "DBQ={/tmp/loamix-1000/LXClayCIUCnCIDCnUUC.lxr};"},
        {SandCIDCConnection, "DBQ={/tmp/loamix-1000/LXSandCIDC.lxr};"},
        {SandCIUCConnection, "DBQ={/tmp/loamix-1000/LXSandCIUC.lxr};"},
        {Consolidation1DConnection, "DBQ={/tmp/loamix-1000/LX1DConsolidation.lxr};"},
        {DirectShearConnection, "DBQ={/tmp/loamix-1000/LXDirectShear.lxr};"},
        {ClayTTTConnection, "DBQ={/tmp/loamix-1000/LXClayTTT.lxr};"},
        {HCTConnection, "DBQ={/tmp/loamix-1000/LXClaynSandHCT.lxr};"},
        {QuizResourceConnection, "DBQ={/tmp/loamix-1000/QuizResource.lxr};"},
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
