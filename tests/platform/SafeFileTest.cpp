#include "platform/SafeFile.h"
#include "tests/common/TestHelpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

using lx::writeFileSafely;

namespace {

using lx::testing::modeOf;
using lx::testing::readAll;

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

TEST(SafeFile, ANameAsLongAsTheFolderAllowsIsSaved)
{
    QTemporaryDir dir;
    const QString umlauts = QString(46, u'n') + QString(100, QChar(0x00FC)) + QStringLiteral(".rtf");
    const struct {
        const char* label;
        QString name;
    } cases[] = {
        {"250 bytes", QString(246, u'n') + QStringLiteral(".rtf")},
        {"255 bytes", QString(251, u'n') + QStringLiteral(".rtf")},
        // Two bytes a character: the temporary name is cut between characters.
        {"250 bytes of two-byte characters", umlauts},
    };
    for (const auto& c : cases) {
        const QString file = dir.filePath(c.name);
        ASSERT_LE(QFile::encodeName(c.name).size(), 255) << c.label;
        QString why;
        EXPECT_TRUE(writeFileSafely(file, "old", &why)) << c.label << ": " << why.toStdString();
        EXPECT_TRUE(writeFileSafely(file, "new", &why)) << c.label << ": " << why.toStdString();
        EXPECT_EQ(readAll(file), QByteArray("new")) << c.label;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{c.name})
            << c.label;
        QFile::remove(file);
    }
}

TEST(SafeFile, APrivateFileIsTheOwnersAlone)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Quiz_SmithAnn.lxq"));
    ASSERT_TRUE(writeFileSafely(file, "new", nullptr, lx::FileAccess::Private));
    EXPECT_EQ(modeOf(file) & 07777, 0600u);
    // Replacing a file others could read closes it too.
    ::chmod(QFile::encodeName(file).constData(), 0644);
    ASSERT_TRUE(writeFileSafely(file, "newer", nullptr, lx::FileAccess::Private));
    EXPECT_EQ(modeOf(file) & 07777, 0600u);
    EXPECT_EQ(readAll(file), QByteArray("newer"));
}
