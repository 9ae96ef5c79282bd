#include "platform/SafeFile.h"
#include "tests/common/TestHelpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

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

// What killed saves left beside a file goes when it is next saved (or opened, by the quiz):
// only its own temporary copies, and only those no running save holds.
TEST(SafeFile, LeftoversOfKilledSavesOfTheSameFileAreRemoved)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Quiz_SmithAnn.lxq"));
    ASSERT_TRUE(writeFileSafely(file, "saved"));
    auto plant = [&](const QString& name) { return lx::testing::writeFile(dir.filePath(name), "name and password"); };
    const struct {
        const char* name;
        bool removed;
    } cases[] = {
        {".Quiz_SmithAnn.lxq.k3j2h1.tmp", true},
        {".Quiz_SmithAnn.lxq.3w5e11264sgsf.tmp", true},
        // Another file's, or not one of these temporary names at all.
        {".Quiz_LeeBo.lxq.k3j2h1.tmp", false},
        {".Quiz_SmithAnn.lxq.bak.k3j2h1.tmp", false},
        {".Quiz_SmithAnn.lx.k3j2h1.tmp", false},
        {".Quiz_SmithAnn.lxq.tmp", false},
        {".Quiz_SmithAnn.lxq.K3J2H1.tmp", false},
        {".Quiz_SmithAnn.lxq.k3-j2.tmp", false},
        {"Quiz_SmithAnn.lxq.k3j2h1.tmp", false},
        {".Quiz_SmithAnn.lxq.k3j2h1.tmp~", false},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(plant(QString::fromLatin1(c.name))) << c.name;
    // Held by a running save (its lock), a folder and a link of the name: all stay.
    const QString held = dir.filePath(QStringLiteral(".Quiz_SmithAnn.lxq.runn1ng.tmp"));
    ASSERT_TRUE(plant(QStringLiteral(".Quiz_SmithAnn.lxq.runn1ng.tmp")));
    const int running = ::open(QFile::encodeName(held).constData(), O_RDONLY);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".Quiz_SmithAnn.lxq.f0lder.tmp")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral(".Quiz_LeeBo.lxq.k3j2h1.tmp")), dir.filePath(QStringLiteral(".Quiz_SmithAnn.lxq.l1nk.tmp"))));

    EXPECT_EQ(lx::removeLeftoverCopies(file), 2);
    for (const auto& c : cases)
        EXPECT_EQ(QFileInfo::exists(dir.filePath(QString::fromLatin1(c.name))), !c.removed) << c.name;
    EXPECT_TRUE(QFileInfo::exists(held));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral(".Quiz_SmithAnn.lxq.f0lder.tmp"))).isDir());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral(".Quiz_SmithAnn.lxq.l1nk.tmp"))).isSymLink());
    EXPECT_EQ(readAll(file), QByteArray("saved"));

    // Once its save has ended, a save of the file removes it too.
    ::close(running);
    ASSERT_TRUE(plant(QString::fromLatin1(cases[0].name)));
    ASSERT_TRUE(writeFileSafely(file, "again"));
    EXPECT_FALSE(QFileInfo::exists(held));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QString::fromLatin1(cases[0].name))));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QString::fromLatin1(cases[2].name))));
    EXPECT_EQ(readAll(file), QByteArray("again"));
}

TEST(SafeFile, TheLeftoversOfANameTooLongToTellFromAnotherStay)
{
    QTemporaryDir dir;
    const QString name = QString(246, u'n') + QStringLiteral(".lxq");
    const QString file = dir.filePath(name);
    ASSERT_TRUE(writeFileSafely(file, "saved"));
    // Cut as the save cuts it: another file of the same beginning has the same temporary names.
    const QString leftover = dir.filePath(u'.' + name.left(255 - 1 - 8) + QStringLiteral(".abc.tmp"));
    ASSERT_TRUE(lx::testing::writeFile(leftover, "x"));
    EXPECT_EQ(lx::removeLeftoverCopies(file), 0);
    EXPECT_TRUE(QFileInfo::exists(leftover));
}
