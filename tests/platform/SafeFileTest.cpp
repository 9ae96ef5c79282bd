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
// only its own temporary copies, named with this program's mark, and only those no running
// save holds. A user's own files of a like name stay.
TEST(SafeFile, LeftoversOfKilledSavesOfTheSameFileAreRemoved)
{
    QTemporaryDir dir;
    const QString quiz = QStringLiteral("Quiz_SmithAnn.lxq");
    const QString file = dir.filePath(quiz);
    ASSERT_TRUE(writeFileSafely(file, "saved"));
    auto plant = [&](const QString& name) { return lx::testing::writeFile(dir.filePath(name), "name and password"); };
    const struct {
        const char* saved;
        const char* name;
        bool removed;
    } cases[] = {
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-00000000k3j2h.tmp", true},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-3w5e11264sgsf.tmp", true},
        // A user's own files of a like name.
        {"notes.txt", ".notes.txt.old.tmp", false},
        {"results.txt", ".results.txt.1.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.k3j2h1.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-k3j2h1.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-3w5e11264sgsf0.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-3W5E11264SGSF.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-3w5e1126-sgsf.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.Loamix-3w5e11264sgsf.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix_3w5e11264sgsf.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.old.loamix-3w5e11264sgsf.tmp", false},
        // Another file's, or not one of these temporary names at all.
        {"Quiz_SmithAnn.lxq", ".Quiz_LeeBo.lxq.loamix-3w5e11264sgsf.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lx.loamix-3w5e11264sgsf.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.tmp", false},
        {"Quiz_SmithAnn.lxq", "Quiz_SmithAnn.lxq.loamix-3w5e11264sgsf.tmp", false},
        {"Quiz_SmithAnn.lxq", ".Quiz_SmithAnn.lxq.loamix-3w5e11264sgsf.tmp~", false},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(plant(QString::fromLatin1(c.name))) << c.name;
    // Held by a running save (its lock), a folder and a link of the name: all stay.
    const QString held = dir.filePath(QStringLiteral(".Quiz_SmithAnn.lxq.loamix-000000runn1ng.tmp"));
    ASSERT_TRUE(plant(QStringLiteral(".Quiz_SmithAnn.lxq.loamix-000000runn1ng.tmp")));
    const int running = ::open(QFile::encodeName(held).constData(), O_RDONLY);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    const QString folder = QStringLiteral(".Quiz_SmithAnn.lxq.loamix-0000000f0lder.tmp");
    const QString link = QStringLiteral(".Quiz_SmithAnn.lxq.loamix-000000000l1nk.tmp");
    ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral(".notes.txt.old.tmp")), dir.filePath(link)));

    int removed = 0;
    for (const auto& c : cases)
        removed += lx::removeLeftoverCopies(dir.filePath(QString::fromLatin1(c.saved)));
    EXPECT_EQ(removed, 2);
    for (const auto& c : cases)
        EXPECT_EQ(QFileInfo::exists(dir.filePath(QString::fromLatin1(c.name))), !c.removed) << c.name;
    EXPECT_TRUE(QFileInfo::exists(held));
    EXPECT_TRUE(QFileInfo(dir.filePath(folder)).isDir());
    EXPECT_TRUE(QFileInfo(dir.filePath(link)).isSymLink());
    EXPECT_EQ(readAll(file), QByteArray("saved"));

    // Saving the look-alikes' files keeps them; once its save has ended, a save of the quiz
    // file removes the held copy too.
    for (const char* saved : {"notes.txt", "results.txt"})
        ASSERT_TRUE(writeFileSafely(dir.filePath(QString::fromLatin1(saved)), "notes"));
    ::close(running);
    ASSERT_TRUE(plant(QString::fromLatin1(cases[0].name)));
    ASSERT_TRUE(writeFileSafely(file, "again"));
    EXPECT_FALSE(QFileInfo::exists(held));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QString::fromLatin1(cases[0].name))));
    for (const auto& c : cases)
        if (!c.removed)
            EXPECT_TRUE(QFileInfo::exists(dir.filePath(QString::fromLatin1(c.name)))) << c.name;
    EXPECT_EQ(readAll(file), QByteArray("again"));
}

TEST(SafeFile, TheLeftoversOfANameTooLongToTellFromAnotherStay)
{
    QTemporaryDir dir;
    const QString name = QString(246, u'n') + QStringLiteral(".lxq");
    const QString file = dir.filePath(name);
    ASSERT_TRUE(writeFileSafely(file, "saved"));
    // Cut as the save cuts it: another file of the same beginning has the same temporary names.
    const QString leftover = dir.filePath(u'.' + name.left(255 - 1 - 25) + QStringLiteral(".loamix-0000000000abc.tmp"));
    ASSERT_TRUE(lx::testing::writeFile(leftover, "x"));
    EXPECT_EQ(lx::removeLeftoverCopies(file), 0);
    EXPECT_TRUE(QFileInfo::exists(leftover));
}
