#include "platform/Paths.h"

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

TEST(Paths, PrivateTempFolderIsOwnedAndClosedToOthers)
{
    QTemporaryDir tmp;
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    QString error;
    const QString folder = privateTempFolder(&error);
    ASSERT_FALSE(folder.isEmpty()) << error.toStdString();
    EXPECT_TRUE(folder.startsWith(tmp.path()));
    EXPECT_TRUE(folder.endsWith(u'/'));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // Opened up by someone: closed again. Replaced by a plain file: refused.
    ::chmod(QFile::encodeName(folder).constData(), 0777);
    EXPECT_EQ(privateTempFolder(), folder);
    ::stat(QFile::encodeName(folder).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    QDir(folder).removeRecursively();
    QFile plain(folder.chopped(1));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_TRUE(privateTempFolder(&error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    qunsetenv("TMPDIR");
}
