// The real response library, called through the client as the report controls call it: the
// result files it writes, and its curves for the specimen of every stored sand and gravel
// test, checked against the ranges data/README.md gives (peak friction angles, dilation of
// dense and contraction of loose specimens, undrained pore pressures).
#include "soilnet/SoilNet.h"
#include "soilnet/SoilModel.h"

#include "platform/Database.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

using namespace lx;

namespace {

constexpr double kPi = 3.14159265358979323846;

class RealLibrary : public ::testing::Test {
protected:
    // Before the client is made: it finds the library in the install folder.
    bool installed = (setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR)), true);
    QTemporaryDir dir;
    SoilNet net;
    QString file() const { return dir.filePath(QStringLiteral("soilnet.txt")); }
    SoilNetResult run(SoilNetProcedure p, std::span<const double> values) { return net.simulate(p, values, file()); }
};

TEST_F(RealLibrary, DrainedFilesHoldTwelveHeaderLinesAnd301RowsToTheEndStrain)
{
    std::array<double, 8> values{0.38, 1.6, 1, 7, 11, 0.62, 233, 20};
    for (SoilNetProcedure p : {SoilNetProcedure::CidcGravel, SoilNetProcedure::CidcSandHigh, SoilNetProcedure::CidcSandLow}) {
        const SoilNetResult r = run(p, values);
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        ASSERT_EQ(r.rows.size(), 301u);
        EXPECT_EQ(r.rows.front().axialStrain, 0.0);
        EXPECT_EQ(r.rows.front().deviatorStress, 0.0);
        EXPECT_DOUBLE_EQ(r.rows.back().axialStrain, 20.0);
        // Read with one header line too many, the first row is lost: the header is exactly 12.
        EXPECT_EQ(readSoilNetResultFile(file(), 13).rows.size(), 300u);
    }
    values[7] = 0;   // no end strain given: 30 %
    EXPECT_DOUBLE_EQ(run(SoilNetProcedure::CidcSandLow, values).rows.back().axialStrain, 30.0);
    EXPECT_DOUBLE_EQ(run(SoilNetProcedure::CidcSandLow, std::span(values).first(7)).rows.back().axialStrain, 30.0);
}

TEST_F(RealLibrary, UndrainedFilesHoldEightHeaderLinesAndRowsEvery002Percent)
{
    const std::array<double, 4> values{40, 1.6, 1, 200};   // the undrained record: Dr, Cu, OCR, s3'
    const SoilNetResult r = run(SoilNetProcedure::CiucSand, values);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    ASSERT_EQ(r.rows.size(), 1251u);
    EXPECT_DOUBLE_EQ(r.rows[5].axialStrain, 0.1);
    EXPECT_DOUBLE_EQ(r.rows.back().axialStrain, 25.0);
    EXPECT_EQ(r.rows.front().third, 0.0);
}

TEST_F(RealLibrary, UnusableSpecimensAndShortRecordsFailTheCall)
{
    struct Case {
        SoilNetProcedure p;
        std::vector<double> values;
        int status;
    };
    const Case cases[] = {
        {SoilNetProcedure::CidcSandLow, {0.38, 1.6, 1, 7, 11, 0.62}, 1},               // six values
        {SoilNetProcedure::CidcSandLow, {0.38, 1.6, 1, 7, 11, 0.0, 233}, 2},           // void ratio 0
        {SoilNetProcedure::CidcGravel, {NAN, 1.6, 1, 7, 11, 0.62, 233}, 2},
        {SoilNetProcedure::CidcSandHigh, {0.38, 1.6, 1, 7, 11, 0.62, -5}, 2},          // tension
        {SoilNetProcedure::CiucSand, {40, 1.6, 1}, 1},
        {SoilNetProcedure::CiucSand, {140, 1.6, 1, 200}, 2},                           // Dr above 100 %
        {SoilNetProcedure::CiucSand, {40, 1.6, 0, 200}, 2},                            // OCR below 1
    };
    for (const Case& c : cases) {
        const SoilNetResult r = run(c.p, c.values);
        EXPECT_EQ(r.error, SoilNetError::CallFailed) << soilNetSymbol(c.p) << " " << c.values.size();
        EXPECT_EQ(r.status, c.status);
        EXPECT_FALSE(QFile::exists(file())) << "no result file is left for a failed call";
    }
}

TEST_F(RealLibrary, AResultFileThatCannotBeWrittenIsSaidSoNotBlamedOnTheSpecimen)
{
    const std::array<double, 7> values{0.38, 1.6, 1, 7, 11, 0.62, 233};
    const QString unwritable = dir.filePath(QStringLiteral("no such folder/soilnet.txt"));
    const SoilNetResult r = net.simulate(SoilNetProcedure::CidcSandLow, values, unwritable);
    EXPECT_EQ(r.error, SoilNetError::ResultFileUnwritable);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.message, QStringLiteral("The simulation's result file could not be written.\r(") + unwritable + u')');
    // The same specimen with a file that can be written runs.
    EXPECT_TRUE(run(SoilNetProcedure::CidcSandLow, values).ok());
}

// --- every stored sand and gravel test ---------------------------------------------------

struct StoredTest {
    double ref;
    QString id;
    std::array<double, 7> specimen;
    std::vector<SoilNetRow> points;   // strain %, q, volumetric strain % or pore pressure
};

std::vector<StoredTest> storedTests(const char* file, bool undrained)
{
    Connection c;
    c.Open(lx::ConnectionString::format(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/") + QLatin1String(file), QStringLiteral("mobkel"), true));
    std::vector<StoredTest> tests;
    Recordset info;
    info.Open(QStringLiteral("SELECT * FROM TestInfo"), c);
    for (; !info.eof(); info.MoveNext()) {
        StoredTest t{info.Fields(0).toDouble(), info.Fields(1).toText(), {}, {}};
        for (int i = 0; i < 7; ++i)
            t.specimen[size_t(i)] = info.Fields(2 + i).toDouble();
        tests.push_back(t);
    }
    for (StoredTest& t : tests) {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * from TestResults WHERE TestID = '%1' order by [Point Number]").arg(t.id), c);
        for (; !rs.eof(); rs.MoveNext())
            t.points.push_back({100 * rs.Fields(3).toDouble(), rs.Fields(4).toDouble(),
                                undrained ? rs.Fields(6).toDouble() : 100 * rs.Fields(5).toDouble()});
    }
    return tests;
}

double peakFrictionAngle(const std::vector<SoilNetRow>& rows, double sigma3)
{
    double q = 0;
    for (const SoilNetRow& r : rows)
        q = std::max(q, r.deviatorStress);
    return std::asin(q / (q + 2 * sigma3)) * 180 / kPi;
}

// The documented ranges of the peak angle (data/README.md, constants of the sands and gravels).
std::pair<double, double> documentedRange(double ref)
{
    static const std::map<double, std::pair<double, double>> ranges{
        {1, {36, 50}},  {26, {36, 50}}, {26.1, {36, 50}}, {26.3, {36, 50}},
        {7, {29, 41}},  {7.1, {30, 45}}, {20, {30, 45}},  {30, {38, 47}},
    };
    return ranges.at(ref);
}

TEST_F(RealLibrary, DrainedCurvesOfEveryStoredSandAndGravelAreCredible)
{
    const auto tests = storedTests("LXSandCIDC.lxr", false);
    ASSERT_GE(tests.size(), 60u);
    // (reference, void ratio in hundredths) -> confining stress -> peak angle: the stress series.
    std::map<std::pair<double, long>, std::map<double, double>> phiByStress;
    for (const StoredTest& t : tests) {
        SCOPED_TRACE(t.id.toStdString());
        const double s3 = t.specimen[6];
        std::array<double, 8> values{};
        std::copy(t.specimen.begin(), t.specimen.end(), values.begin());
        values[7] = t.points.back().axialStrain;   // as the database-simulation report asks
        const SoilNetProcedure p = drainedProcedureForDiameter(values[0], s3);
        const SoilNetResult r = run(p, values);
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        EXPECT_NEAR(r.rows.back().axialStrain, t.points.back().axialStrain, 1e-9);

        const double phi = peakFrictionAngle(r.rows, s3);
        const auto [lo, hi] = documentedRange(t.ref);
        EXPECT_GE(phi, lo);
        EXPECT_LE(phi, hi);

        double evMax = 0, evMin = 0, qMax = 0;
        for (const SoilNetRow& row : r.rows) {
            evMax = std::max(evMax, row.third);
            evMin = std::min(evMin, row.third);
            qMax = std::max(qMax, row.deviatorStress);
        }
        const double evEnd = r.rows.back().third, qEnd = r.rows.back().deviatorStress;
        EXPECT_GT(r.rows[1].third, 0.0) << "every specimen contracts first";
        EXPECT_GE(evMin, -9.0) << "dilation of a few per cent at most";
        EXPECT_LE(evMax, 16.0) << "contraction up to about 15 % for the loosest at several MPa";

        const double storedEnd = t.points.back().third;
        if (storedEnd < -3.0) {   // a dense specimen: it turns to dilation and softens after a peak
            EXPECT_LT(evEnd, evMax - 0.5);
            EXPECT_LT(qEnd, 0.97 * qMax);
        }
        if (storedEnd > 2.0) {    // a loose or highly stressed specimen hardens while it contracts
            EXPECT_GT(evEnd, 1.0);
            EXPECT_GT(qEnd, 0.95 * qMax);
        }
        phiByStress[{t.ref, std::lround(100 * t.specimen[5])}].emplace(s3, phi);
    }
    for (const auto& [series, byStress] : phiByStress) {
        if (byStress.size() < 2)
            continue;
        EXPECT_GT(byStress.begin()->second, byStress.rbegin()->second)
            << "reference " << series.first << ": the peak angle falls as the confining stress rises";
    }
}

TEST_F(RealLibrary, UndrainedCurvesOfEveryStoredSandAreCredible)
{
    const auto tests = storedTests("LXSandCIUC.lxr", true);
    ASSERT_GE(tests.size(), 20u);
    for (const StoredTest& t : tests) {
        SCOPED_TRACE(t.id.toStdString());
        const double s3 = t.specimen[6];
        soilnet::GranularSpecimen g{t.specimen[0], t.specimen[1], t.specimen[2], t.specimen[3],
                                    t.specimen[4], t.specimen[5], s3, 0};
        const std::array<double, 4> values{100 * soilnet::relativeDensity(g), t.specimen[1], 1.0, s3};
        const SoilNetResult r = run(SoilNetProcedure::CiucSand, values);
        ASSERT_TRUE(r.ok()) << r.message.toStdString();

        double uMax = -1e9, etaMax = 0;
        for (const SoilNetRow& row : r.rows) {
            const double p = s3 + row.deviatorStress / 3 - row.third;   // mean effective stress
            ASSERT_GT(p, 0.0) << "at " << row.axialStrain << " %";
            uMax = std::max(uMax, row.third);
            if (row.axialStrain > 0)
                etaMax = std::max(etaMax, row.deviatorStress / p);
        }
        const double phiMobilised = std::asin(3 * etaMax / (6 + etaMax)) * 180 / kPi;
        EXPECT_GE(phiMobilised, 28.0);
        EXPECT_LE(phiMobilised, 42.0);
        EXPECT_GT(uMax, 0.1 * s3) << "the pore pressure rises first";

        const double uEnd = r.rows.back().third, storedEnd = t.points.back().third;
        if (storedEnd < -0.2 * s3) {   // dilative: past the phase transformation the pore pressure falls
            EXPECT_LT(uEnd, uMax - 0.2 * s3);
        }
        if (storedEnd > 0.5 * s3) {    // contractive: the pore pressure stays high
            EXPECT_GT(uEnd, 0.3 * s3);
        }
    }
}

} // namespace
