#include "platform/SafeFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

using lx::writeFileSafely;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode;
}

} // namespace

TEST(SafeFile, AReplacedFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notes.rtf"));
    ASSERT_TRUE(writeFileSafely(file, "old"));
    ::chmod(QFile::encodeName(file).constData(), 0640);
    ASSERT_TRUE(writeFileSafely(file, "new"));
    EXPECT_EQ(readAll(file), QByteArray("new"));
    EXPECT_EQ(modeOf(file) & 07777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"notes.rtf"});
}

TEST(SafeFile, ALinkToAFileStaysALinkAndADanglingLinkIsRefused)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("real.rtf"));
    const QString link = dir.filePath(QStringLiteral("link.rtf"));
    ASSERT_TRUE(writeFileSafely(file, "old"));
    ASSERT_TRUE(QFile::link(file, link));
    ASSERT_TRUE(writeFileSafely(link, "new"));
    EXPECT_TRUE(S_ISLNK(modeOf(link)));
    EXPECT_EQ(readAll(file), QByteArray("new"));

    const QString dangling = dir.filePath(QStringLiteral("dangling.rtf"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone.rtf")), dangling));
    QString why;
    EXPECT_FALSE(writeFileSafely(dangling, "new", &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(S_ISLNK(modeOf(dangling)));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone.rtf"))));
}
