// The report controls' client of the response library: the procedure each specimen gets, the
// result file read back, and every failure of the library or its file as an error value.
#include "soilnet/SoilNet.h"

#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <optional>

using namespace lx;

namespace {

using P = SoilNetProcedure;

TEST(SoilNetChoice, DrainedBySoilLetterAndStress)
{
    struct Case {
        char soil;
        double confining;
        std::optional<P> expected;
    };
    const Case cases[] = {
        {'G', 50, P::CidcGravel},     {'G', 5000, P::CidcGravel},   {'S', 700, P::CidcSandHigh},
        {'S', 10000, P::CidcSandHigh}, {'S', 699.9, P::CidcSandLow}, {'S', 35, P::CidcSandLow},
        {'C', 700, std::nullopt},     {'s', 100, std::nullopt},     {' ', 100, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(drainedProcedureForSoil(QChar(c.soil), c.confining), c.expected) << c.soil << " at " << c.confining;
}

TEST(SoilNetChoice, DrainedByDiameterAndUndrainedBySoil)
{
    EXPECT_EQ(drainedProcedureForDiameter(1.5, 100), P::CidcSandLow);   // exactly 1.5 mm is sand
    EXPECT_EQ(drainedProcedureForDiameter(1.5, 700), P::CidcSandHigh);
    EXPECT_EQ(drainedProcedureForDiameter(1.51, 100), P::CidcGravel);
    EXPECT_EQ(undrainedProcedureForSoil(u'S'), P::CiucSand);
    EXPECT_EQ(undrainedProcedureForSoil(u'G'), std::nullopt);
    EXPECT_EQ(undrainedProcedureForSoil(u'C'), std::nullopt);
}

TEST(SoilNetChoice, SymbolsAndHeaders)
{
    EXPECT_STREQ(soilNetSymbol(P::CidcGravel), "cidcGravel_testing");
    EXPECT_STREQ(soilNetSymbol(P::CidcSandHigh), "cidcSandHigh_testing");
    EXPECT_STREQ(soilNetSymbol(P::CidcSandLow), "cidcSandLow_testing");
    EXPECT_STREQ(soilNetSymbol(P::CiucSand), "ciucSand_testing");
    EXPECT_EQ(soilNetHeaderLines(P::CidcSandLow), 12);
    EXPECT_EQ(soilNetHeaderLines(P::CiucSand), 8);
}

class ResultFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QByteArray& text)
    {
        const QString path = dir.filePath(QStringLiteral("result.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        return path;
    }
    static QByteArray header(int lines)
    {
        QByteArray h;
        for (int i = 0; i < lines; ++i)
            h += "header line, 1, 2, 3\n";   // numbers in a header are never data
        return h;
    }
};

TEST_F(ResultFile, SkipsTheHeaderAndReadsRowsToTheEnd)
{
    // Commas, blanks, CR LF and a row split over two lines all separate numbers.
    const QString path = write(header(12) + "0,0,0\r\n0.1, 12.5 ,-0.01\n  0.2 25E1\n -3.5e-1\n");
    const SoilNetResult r = readSoilNetResultFile(path, 12);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_DOUBLE_EQ(r.rows[1].axialStrain, 0.1);
    EXPECT_DOUBLE_EQ(r.rows[1].deviatorStress, 12.5);
    EXPECT_DOUBLE_EQ(r.rows[1].third, -0.01);
    EXPECT_DOUBLE_EQ(r.rows[2].deviatorStress, 250.0);
    EXPECT_DOUBLE_EQ(r.rows[2].third, -0.35);
    // The undrained layout has 8 header lines: with 12 skipped, its first rows would be lost.
    EXPECT_EQ(readSoilNetResultFile(write(header(8) + "1,2,3\n4,5,6\n"), 8).rows.size(), 2u);
    EXPECT_TRUE(readSoilNetResultFile(write(header(12)), 12).ok()) << "a file without rows is read as no rows";
}

TEST_F(ResultFile, MalformedTruncatedOrShortFilesAreErrorsThatKeepTheCompleteRows)
{
    struct Case {
        QByteArray body;
        SoilNetError error;
        size_t rows;
    };
    const Case cases[] = {
        {"1,2,3\n4,x,6\n7,8,9\n", SoilNetError::ResultFileMalformed, 1},
        {"1,2,3\n4,5,nan\n", SoilNetError::ResultFileMalformed, 1},
        {"1,2,3\n4,5,6e999\n", SoilNetError::ResultFileMalformed, 1},
        {"1,2,3\n4,5\n", SoilNetError::ResultFileTruncated, 1},
        {"1,2,3\n4,5,6\n7", SoilNetError::ResultFileTruncated, 2},
    };
    for (const Case& c : cases) {
        const SoilNetResult r = readSoilNetResultFile(write(header(12) + c.body), 12);
        EXPECT_EQ(r.error, c.error) << c.body.toStdString();
        EXPECT_EQ(r.rows.size(), c.rows) << c.body.toStdString();
        EXPECT_FALSE(r.message.isEmpty());
    }
    EXPECT_EQ(readSoilNetResultFile(write(header(5)), 12).error, SoilNetError::ResultFileMalformed)
        << "a file that ends inside its header";
    EXPECT_EQ(readSoilNetResultFile(dir.filePath(QStringLiteral("none.txt")), 12).error, SoilNetError::ResultFileMissing);
    const SoilNetResult tooLong = readSoilNetResultFile(write(header(12) + "1,2,3\n4,5,6\n7,8,9\n"), 12, 2);
    EXPECT_EQ(tooLong.error, SoilNetError::ResultFileTooLong);
    EXPECT_EQ(tooLong.rows.size(), 2u);
}

TEST(SoilNetLibrary, MissingLibraryIsReported)
{
    QTemporaryDir empty;
    SoilNet net(empty.path());
    const std::array<double, 8> values{0.38, 1.6, 1, 7, 11, 0.85, 100, 30};
    const SoilNetResult r = net.simulate(P::CidcSandLow, values, empty.filePath(QStringLiteral("r.txt")));
    EXPECT_EQ(r.error, SoilNetError::LibraryMissing);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("The simulation library cannot be loaded.")));
}

TEST(SoilNetLibrary, DefaultFolderIsTheInstallFoldersDllFolderNotTheCurrentDirectory)
{
    setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    SoilNet net;
    EXPECT_EQ(net.libraryFile(), QStringLiteral(LOAMIX_INSTALL_DIR "/DLL/soilnet"));
    const std::array<double, 8> values{0.38, 1.6, 1, 7, 11, 0.7, 233, 30};
    const SoilNetResult r = net.simulate(P::CidcSandLow, values, elsewhere.filePath(QStringLiteral("r.txt")));
    QDir::setCurrent(before);
    EXPECT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.rows.size(), 301u);
}

class StubLibrary : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SoilNet net{QStringLiteral(SOILNET_STUB_DIR)};
    std::array<double, 8> values{0.38, 1.6, 1, 7, 11, 0.85, 100, 30};
};

TEST_F(StubLibrary, MissingProcedureFailedCallAndMissingFileAreErrors)
{
    const QString path = dir.filePath(QStringLiteral("r.txt"));
    EXPECT_EQ(net.simulate(P::CidcSandHigh, values, path).error, SoilNetError::ProcedureMissing);
    const SoilNetResult failed = net.simulate(P::CidcGravel, values, path);
    EXPECT_EQ(failed.error, SoilNetError::CallFailed);
    EXPECT_EQ(failed.status, 2);
    // A file left by an earlier call must not pass for this one's result.
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("stale\n");
    old.close();
    EXPECT_EQ(net.simulate(P::CiucSand, values, path).error, SoilNetError::ResultFileMissing);
    EXPECT_EQ(net.simulate(P::CidcSandLow, {}, path).error, SoilNetError::BadArguments);
}

TEST_F(StubLibrary, PassesTheValuesWithTheirCountAndTheUtf8PathWithItsLength)
{
    const QString path = dir.filePath(QStringLiteral("Résultat σ3.txt"));
    const SoilNetResult r = net.simulate(P::CidcSandLow, std::span(values).first(7), path);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    ASSERT_EQ(r.rows.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(r.rows[i].axialStrain, 7.0);
        EXPECT_EQ(r.rows[i].deviatorStress, values[i]);
        EXPECT_EQ(r.rows[i].third, double(path.toUtf8().size()));
    }
}

TEST(SoilNetResultFolder, FilesGoIntoThePrivateFolderUnderTheirBareName)
{
    const QString folder = QStringLiteral("/run/user/1/loamix-abc/");
    EXPECT_EQ(SoilNet::resultFileIn(QStringLiteral("C:\\Temp\\ann.txt"), folder), QStringLiteral("/run/user/1/loamix-abc/ann.txt"));
    EXPECT_EQ(SoilNet::resultFileIn(QStringLiteral("../../etc/ann.txt"), folder), QStringLiteral("/run/user/1/loamix-abc/ann.txt"));
    EXPECT_EQ(SoilNet::resultFileIn(QStringLiteral("ann.txt"), QStringLiteral("/tmp/x")), QStringLiteral("/tmp/x/ann.txt"));
    EXPECT_EQ(SoilNet::resultFileIn(QStringLiteral("folder/"), folder), QString());
    // No folder handed: a private folder of the process, the same on every call.
    const QString own = SoilNet::defaultResultFolder();
    ASSERT_FALSE(own.isEmpty());
    EXPECT_EQ(QFileInfo(own).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), 0);
    EXPECT_EQ(SoilNet::defaultResultFolder(), own);
    EXPECT_EQ(SoilNet::resultFileIn(QStringLiteral("ann.txt"), {}), QDir(own).filePath(QStringLiteral("ann.txt")));
}

} // namespace
