#include "ExportText.h"
#include "basExport.h"

#include "platform/testing/FileLimit.h"
#include "platform/testing/ScriptedServices.h"
#include "platform/testing/SpecialFiles.h"
#include "tests/common/TestHelpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>


namespace {

using lx::testing::readAll;
using lx::testing::writeFile;

class ExportDataTest : public ::testing::Test {
protected:
    lx::testing::ScriptedServices services;
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST(ExportTextTest, TitleBlankLineHeaderAndOneLinePerPoint)
{
    ExportText text(QStringLiteral("CIDC Test on Ottawa sand"), {QStringLiteral("Axial Strain (%)"), QStringLiteral("q (kPa)")});
    EXPECT_EQ(text.text(), u"CIDC Test on Ottawa sand\n\nNo.\tAxial Strain (%)\tq (kPa)\t");
    text.addPoint({0.0f, 0.0f});
    text.addPoint({0.1f, 123.4567f});
    EXPECT_EQ(text.points(), 2);
    EXPECT_EQ(text.text(), u"CIDC Test on Ottawa sand\n\nNo.\tAxial Strain (%)\tq (kPa)\t\n1\t0\t0\t\n2\t0.1\t123.4567\t");
}

TEST(ExportTextTest, AnIncrementCurveEndsItsLinesWithoutATab)
{
    // The consolidation increment export: a header line ending in a TAB, data lines without one.
    ExportText text;
    text.begin(QStringLiteral("IL consolidation test: Clay"),
               {QStringLiteral("No."), QStringLiteral("Time (min)"), QStringLiteral("Void ratio - e")});
    text.addPoint({0.0f, 0.9f}, ExportText::LineEnd::NoTab);
    text.addPoint({0.6f, 0.8975f}, ExportText::LineEnd::NoTab);
    EXPECT_EQ(text.text(), u"IL consolidation test: Clay\n\nNo.\tTime (min)\tVoid ratio - e\t\n1\t0\t0.9\n2\t0.6\t0.8975");
    // begin() starts over, numbering from 1 again.
    text.begin(QStringLiteral("T"), {QStringLiteral("No.")});
    text.addPoint({2.5f});
    EXPECT_EQ(text.text(), u"T\n\nNo.\t\n1\t2.5\t");
}

TEST_F(ExportDataTest, WritesTheTextAndOneCrLfWhateverTheExtension)
{
    ExportText text(QStringLiteral("Title"), {QStringLiteral("A")});
    text.addPoint({1.5f});
    services.files->answers = {path("points.xls")};
    EXPECT_TRUE(ExportData(text.text()));
    EXPECT_EQ(readAll(path("points.xls")), QByteArray("Title\n\nNo.\tA\t\n1\t1.5\t\r\n"));
    ASSERT_EQ(services.files->saveCalls.size(), 1u);
    const lx::FileDialogRequest& r = services.files->saveCalls[0];
    EXPECT_EQ(r.title, u"Save Data As");
    EXPECT_TRUE(r.fileName.isEmpty());
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.filter, u"Excel files (*.xls)|*.xls|Lotus 1-2-3 files (*.wk4)|*.wk4|Microsoft Works files (*.wks)|*.wks|Text Files (*.txt)|*.txt");
    EXPECT_TRUE(services.messages->msgsCalls.empty());
}

TEST_F(ExportDataTest, NoPointsGivesTitleEmptyLineAndHeader)
{
    services.files->answers = {path("empty.txt")};
    EXPECT_TRUE(ExportData(ExportText(QStringLiteral("T"), {QStringLiteral("x"), QStringLiteral("y")}).text()));
    EXPECT_EQ(readAll(path("empty.txt")), QByteArray("T\n\nNo.\tx\ty\t\r\n"));
}

TEST_F(ExportDataTest, AnExistingFileIsOverwrittenOrAnotherChosen)
{
    ASSERT_TRUE(writeFile(path("old.txt"), "old contents"));
    // New File: the dialog comes back with an empty name, then Overwrite on the second choice.
    services.files->answers = {path("old.txt"), path("old.txt")};
    services.messages->msgsAnswers = {2, 1};
    EXPECT_TRUE(ExportData(QStringLiteral("new")));
    EXPECT_EQ(readAll(path("old.txt")), QByteArray("new\r\n"));
    ASSERT_EQ(services.messages->msgsCalls.size(), 2u);
    const lx::testing::MsgsCall& q = services.messages->msgsCalls[0];
    EXPECT_EQ(q.count, 2);
    EXPECT_EQ(q.title, u"Export Data");
    EXPECT_EQ(q.message, u"\r    Selected file already exits.\r    Do you wish to overwrire the file or open a new file?");
    EXPECT_EQ(q.captions, (QStringList{QStringLiteral("Overwrite"), QStringLiteral("New File"), QString(), QString()}));
    ASSERT_EQ(services.files->saveCalls.size(), 2u);
    EXPECT_TRUE(services.files->saveCalls[1].fileName.isEmpty());
}

TEST_F(ExportDataTest, ABlankNameAsksAgain)
{
    services.files->answers = {QStringLiteral("   "), path("after.txt")};
    EXPECT_TRUE(ExportData(QStringLiteral("x")));
    EXPECT_EQ(services.files->saveCalls.size(), 2u);
    EXPECT_TRUE(services.messages->msgsCalls.empty());
    EXPECT_EQ(readAll(path("after.txt")), QByteArray("x\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ExportDataTest, CancellingAtAnyTimeWritesNothingAndSaysNothing)
{
    ASSERT_TRUE(writeFile(path("keep.txt"), "keep"));
    services.files->answers = {path("keep.txt"), QString()};
    services.messages->msgsAnswers = {2};
    EXPECT_FALSE(ExportData(QStringLiteral("new")));
    EXPECT_EQ(readAll(path("keep.txt")), QByteArray("keep"));
    EXPECT_TRUE(services.messages->msgBoxCalls.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ExportDataTest, AFailedWriteKeepsTheOldFileAndSaysSo)
{
    const QString target = path("data.txt");
    ASSERT_TRUE(writeFile(target, "precious"));
    services.files->answers = {target};
    services.messages->msgsAnswers = {1};
    bool written = true;
    lx::testing::withSmallFileLimit([&] { written = ExportData(QString(4096, u'x')); });
    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(target), QByteArray("precious"));
    ASSERT_EQ(services.messages->msgBoxCalls.size(), 1u);
    EXPECT_TRUE(services.messages->msgBoxCalls[0].text.contains(target));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left behind";
}

TEST_F(ExportDataTest, AnUnwritablePathIsReportedWithItsName)
{
    // A missing folder, and a folder in place of the file (which is no file "already
    // there" to overwrite): no user can write either, root included.
    QDir(dir.path()).mkdir(QStringLiteral("adir"));
    for (const QString& target : {path("missing-folder/x.txt"), path("adir")}) {
        services.messages->msgBoxCalls.clear();
        services.files->answers = {target};
        EXPECT_FALSE(ExportData(QStringLiteral("new")));
        EXPECT_TRUE(services.messages->msgsCalls.empty()) << target.toStdString();
        ASSERT_EQ(services.messages->msgBoxCalls.size(), 1u);
        EXPECT_TRUE(services.messages->msgBoxCalls[0].text.contains(target));
    }
    EXPECT_FALSE(QFile::exists(path("missing-folder/x.txt")));
    EXPECT_TRUE(QFileInfo(path("adir")).isDir());
}

TEST_F(ExportDataTest, AFifoOrADeviceIsNeitherAskedAboutNorReplaced)
{
    using lx::testing::SpecialFile;
    for (const SpecialFile kind : {SpecialFile::Fifo, SpecialFile::Device}) {
        const QString target = lx::testing::makeSpecialFile(kind, dir.path());
        ASSERT_FALSE(target.isEmpty());
        services.messages->msgBoxCalls.clear();
        services.files->answers = {target};
        EXPECT_FALSE(ExportData(QStringLiteral("new")));
        EXPECT_TRUE(services.messages->msgsCalls.empty()) << target.toStdString();
        EXPECT_TRUE(lx::testing::isStillSpecial(kind, target)) << target.toStdString();
        ASSERT_EQ(services.messages->msgBoxCalls.size(), 1u);
        EXPECT_TRUE(services.messages->msgBoxCalls[0].text.contains(target));
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << "no temporary file is left behind";
}

} // namespace
