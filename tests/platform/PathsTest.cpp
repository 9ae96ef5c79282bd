#include "platform/Paths.h"
#include "platform/testing/ForkedChild.h"
#include "tests/common/TestHelpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace lx;

TEST(Paths, InstallPathsResolveBackslashesAndLetterCase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("pictures/icons"));
    QFile f(dir.filePath(QStringLiteral("pictures/icons/LXicon.gif")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    setInstallDir(dir.path());
    EXPECT_EQ(installPath(QStringLiteral("\\pictures\\icons\\LXicon.gif")), f.fileName());
    EXPECT_EQ(installPath(QStringLiteral("\\Pictures\\ICONS\\lxicon.GIF")), f.fileName());
    EXPECT_EQ(installPath(QStringLiteral("/pictures/icons/missing.gif")), dir.filePath(QStringLiteral("pictures/icons/missing.gif")));
    setInstallDir(QString());
}

namespace {

// TMPDIR and XDG_RUNTIME_DIR as each test sets them, put back afterwards.
struct Environment : ::testing::Test {
    QByteArray oldTmp = qgetenv("TMPDIR");
    QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir tmp;
    void SetUp() override
    {
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override
    {
        for (const auto& [name, value] : {std::pair{"TMPDIR", oldTmp}, std::pair{"XDG_RUNTIME_DIR", oldRuntime}}) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
    QStringList entries() const { return QDir(tmp.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot); }
};

using lx::testing::modeOf;

using InstanceFolders = Environment;

} // namespace

TEST_F(InstanceFolders, EachInstanceHasItsOwnPrivateFolderGoneWhenItEnds)
{
    QString error;
    auto first = InstanceFolder::create(&error);
    ASSERT_TRUE(first) << error.toStdString();
    auto second = InstanceFolder::create();
    ASSERT_TRUE(second);
    EXPECT_NE(first->path(), second->path());
    for (const auto* f : {first.get(), second.get()}) {
        EXPECT_TRUE(f->path().startsWith(tmp.path() + u'/')) << f->path().toStdString() << " " << tmp.path().toStdString();
        EXPECT_TRUE(f->path().endsWith(u'/'));
        EXPECT_EQ(modeOf(f->path()), S_IFDIR | 0700u);
    }
    // Its contents go with it, but never what a link inside points at.
    QTemporaryDir elsewhere;
    QFile precious(elsewhere.filePath(QStringLiteral("precious.txt")));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.close();
    ASSERT_TRUE(QFile::link(elsewhere.path(), first->path() + QStringLiteral("link")));
    QDir(first->path()).mkpath(QStringLiteral("sub/deeper"));
    first.reset();
    second.reset();
    EXPECT_TRUE(entries().filter(QStringLiteral("loamix-")).isEmpty()) << entries().join(u' ').toStdString();
    EXPECT_TRUE(precious.exists());
}

TEST_F(InstanceFolders, TheRuntimeFolderIsPreferredWhenItIsPrivate)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0700);
    EXPECT_TRUE(InstanceFolder::create()->path().startsWith(runtime.path() + u'/'));
    // A runtime folder open to others is none: the temp folder serves.
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0755);
    EXPECT_TRUE(InstanceFolder::create()->path().startsWith(tmp.path() + u'/'));
}

TEST_F(InstanceFolders, AMissingTempFolderIsAFailureThatNamesIt)
{
    const QString missing = tmp.filePath(QStringLiteral("gone/tmp"));
    qputenv("TMPDIR", QFile::encodeName(missing));
    QString error;
    EXPECT_FALSE(InstanceFolder::create(&error));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(InstanceFolders, ThingsPlantedUnderInstanceNamesNeitherStopNorLoseAnything)
{
    // The old fixed name as a file, a link to someone's folder, another user's folder.
    QFile old(tmp.filePath(QStringLiteral("loamix-") + QString::number(::getuid())));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    QTemporaryDir victim;
    QFile kept(victim.filePath(QStringLiteral("kept.txt")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    ASSERT_TRUE(QFile::link(victim.path(), tmp.filePath(QStringLiteral("loamix-AbCd12"))));
    const QString foreign = tmp.filePath(QStringLiteral("loamix-Zz9999"));
    QDir().mkdir(foreign);
    const bool chowned = ::chown(QFile::encodeName(foreign).constData(), 54321, 54321) == 0;

    QString error;
    auto folder = InstanceFolder::create(&error);
    ASSERT_TRUE(folder) << error.toStdString();
    EXPECT_TRUE(old.exists());
    EXPECT_TRUE(kept.exists());
    EXPECT_TRUE(S_ISLNK(modeOf(tmp.filePath(QStringLiteral("loamix-AbCd12")))));
    if (chowned) {
        EXPECT_TRUE(QFileInfo(foreign).isDir()) << "another user's folder is theirs";
    }
}

TEST_F(InstanceFolders, FoldersOfEndedInstancesGoAtTheNextStartThoseOfRunningOnesStay)
{
    std::unique_ptr<InstanceFolder> runningFolder, crashedFolder;   // each child's own
    lx::testing::ForkedChild running([&] {
        runningFolder = InstanceFolder::create();
        return QFile::encodeName(runningFolder->path());
    });
    lx::testing::ForkedChild crashed([&] {
        crashedFolder = InstanceFolder::create();
        return QFile::encodeName(crashedFolder->path());
    });
    const QString runningPath = QFile::decodeName(running.line());
    const QString crashedPath = QFile::decodeName(crashed.line());
    ASSERT_TRUE(QFileInfo(runningPath).isDir());
    ASSERT_TRUE(QFileInfo(crashedPath).isDir());
    crashed.kill();
    crashed.wait();
    ASSERT_TRUE(QFileInfo(crashedPath).isDir()) << "a killed instance cleans nothing up";

    auto mine = InstanceFolder::create();
    ASSERT_TRUE(mine);
    EXPECT_FALSE(QFileInfo::exists(crashedPath));
    EXPECT_TRUE(QFileInfo(runningPath).isDir());
}
