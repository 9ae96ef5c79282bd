// Checks over the installed consolidation, direct shear, true triaxial, quiz and login databases,
// as built: every soil and option the windows offer finds its tests through the windows' own
// queries, the points keep the limits the readers rely on, and the curves behave as the soils do.
#include "DataTestSupport.h"
#include "platform/Database.h"
#include "platform/Numbers.h"
#include "quiz/QuizCatalogue.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace lx;

namespace {

using namespace datatest;

// The reference number as the windows write it into their SQL (default text of a single).
QString refText(double ref) { return SingleText(float(ref)); }

QString pointsQuery(const QString& id, bool blankBeforeOrder)
{
    return QStringLiteral("SELECT * from TestResults WHERE TestID = '") + id
           + (blankBeforeOrder ? QStringLiteral("' order by [Point Number]") : QStringLiteral("'order by [Point Number]"));
}

// Points of a test, checked against the limits every reader keeps: 2 to maxPoints rows in
// strictly ascending point numbers and no missing value in the columns read.
Rows points(Connection& db, const QString& id, int firstColumn, int lastColumn, int maxPoints)
{
    const Rows rows = query(db, pointsQuery(id, false));
    EXPECT_GE(rows.size(), 2u) << id.toStdString();
    EXPECT_LE(rows.size(), size_t(maxPoints)) << id.toStdString();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            EXPECT_GT(rows[i][2].toDouble(), rows[i - 1][2].toDouble()) << id.toStdString();
        }
        for (int c = firstColumn; c <= lastColumn; ++c)
            EXPECT_FALSE(rows[i][c].isMissing()) << id.toStdString() << " row " << i << " column " << c;
    }
    return rows;
}

// TestIDs are unique within the file, and TestInfo and TestResults name the same tests.
void expectTestIdsMatch(Connection& db)
{
    QSet<QString> info;
    for (const auto& r : query(db, QStringLiteral("SELECT * FROM TestInfo"))) {
        const QString id = r[1].toText().toUpper();
        EXPECT_FALSE(info.contains(id)) << "duplicate TestID " << id.toStdString();
        info.insert(id);
    }
    QSet<QString> results;
    for (const auto& r : query(db, QStringLiteral("SELECT DISTINCT TestID FROM TestResults")))
        results.insert(r[0].toText().toUpper());
    EXPECT_EQ(info, results);
}

// A fixture over one installed database, opened read-only.
class Db : public ::testing::Test {
protected:
    void open(const char* file, const char* password = "mobkel")
    {
        ASSERT_NO_THROW(db.Open(connectionString(installed(file), QString::fromLatin1(password))));
    }
    Rows points(const QString& id, int firstColumn, int lastColumn, int maxPoints)
    {
        return ::points(db, id, firstColumn, lastColumn, maxPoints);
    }
    void expectTestIdsMatch() { ::expectTestIdsMatch(db); }
    Connection db;
};

// ---------------------------------------------------------------- one-dimensional consolidation

struct ConsolidationSoil {
    const char* kind;
    double ref;
    double ccLow, ccHigh;   // documented range of the compression index
};

const ConsolidationSoil consolidationSoils[] = {
    {"IL", 1001, 0.6, 1.1},  {"IL", 1003, 0.25, 0.45}, {"IL", 1006, 0.10, 0.25},   {"IL", 1002, 0.08, 0.22},
    {"IL", 1002.2, 0.18, 0.38}, {"IL", 1002.3, 0.10, 0.22}, {"CRS", 2001, 0.6, 1.1}, {"CRS", 2002, 0.9, 1.6},
    {"CRS", 2003, 0.25, 0.50}, {"CRS", 2004, 0.35, 0.65},
};

class ConsolidationData : public Db {
protected:
    void SetUp() override { open("Database/LX1DConsolidation.lxr"); }
};

// Listed rows of an incremental-loading test: the even rows, the row of the largest stress, the last.
std::vector<size_t> listedRows(const std::vector<float>& stress)
{
    const float largest = *std::max_element(stress.begin(), stress.end());
    std::vector<size_t> listed;
    for (size_t i = 0; i < stress.size(); ++i)
        if (i % 2 == 0 || stress[i] == largest || i + 1 == stress.size())
            listed.push_back(i);
    return listed;
}

TEST_F(ConsolidationData, EverySoilOfBothListsHasItsTestReferenceAndPointsWithinTheScreensLimits)
{
    expectTestIdsMatch();
    for (const ConsolidationSoil& s : consolidationSoils) {
        SCOPED_TRACE(s.ref);
        const Rows info = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(s.ref));
        ASSERT_EQ(info.size(), 1u);
        for (int c : {1, 2, 3, 4})
            EXPECT_FALSE(info[0][c].isMissing()) << c;
        // The strain rate is shown for CRS tests only; IL tests have none.
        EXPECT_EQ(info[0][5].isMissing(), QString::fromLatin1(s.kind) == u"IL");
        const Rows ref = query(db, QStringLiteral("SELECT * FROM Reference WHERE ReferenceNumber =") + refText(s.ref));
        ASSERT_EQ(ref.size(), 1u);
        for (int c : {4, 5, 6})
            EXPECT_FALSE(ref[0][c].isMissing()) << c;
        EXPECT_TRUE(ref[0][1].toText().startsWith(u"Synthetic")) << "the reference must say the test is generated";

        const Rows pts = points(info[0][1].toText(), 3, 4, 301);
        ASSERT_GE(pts.size(), 2u);
        // The test starts at the seating stress with the initial void ratio of TestInfo.
        EXPECT_DOUBLE_EQ(Round(pts[0][4].toDouble(), 2), Round(info[0][4].toDouble(), 2));

        // Every stress lies inside the three-decade log window the charts take from the largest stress.
        std::vector<float> stress;
        for (const auto& p : pts)
            stress.push_back(float(Round(p[3].toDouble(), 3)));
        const float largest = *std::max_element(stress.begin(), stress.end());
        const float m = float(std::log10(largest));
        ASSERT_LE(m, 5.0f);
        const float windowLow = m <= 2.999f ? 0.f : m <= 3.999f ? 1.f : 2.f;
        for (float v : stress) {
            EXPECT_GT(v, 0.f);
            EXPECT_GE(std::log10(v), windowLow) << v;
            EXPECT_LE(std::log10(v), windowLow + 3.f) << v;
        }
    }
}

TEST_F(ConsolidationData, IncrementalLoadingDoublesTheLoadAtMostFourteenTimesAndUnloads)
{
    for (const ConsolidationSoil& s : consolidationSoils) {
        if (QString::fromLatin1(s.kind) != u"IL")
            continue;
        SCOPED_TRACE(s.ref);
        const Rows info = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(s.ref));
        const Rows pts = points(info[0][1].toText(), 3, 4, 301);
        std::vector<float> stress, e;
        for (const auto& p : pts) {
            stress.push_back(float(Round(p[3].toDouble(), 3)));
            e.push_back(float(Round(p[4].toDouble(), 4)));
        }
        const std::vector<size_t> listed = listedRows(stress);
        // The weight images of the screen: a loading step shows imgLoad(k - 2), an unloading step hides two.
        int offset = 1, loadingSteps = 0, unloadingSteps = 0;
        for (size_t k = 2; k <= listed.size(); ++k) {
            const size_t i = listed[k - 1];
            if (stress[i] > stress[i - 1]) {
                ++loadingSteps;
                EXPECT_LE(int(k) - 2, 13) << "no weight image for step " << k;
                EXPECT_EQ(unloadingSteps, 0) << "loading after unloading";
                EXPECT_NEAR(stress[i] / stress[listed[k - 2]], 2.0, 1e-3) << "load increment ratio 1";
                EXPECT_LT(e[i], e[listed[k - 2]]);
            } else {
                ++unloadingSteps;
                const int m = int(k) - 2 - offset;
                if (m > 0) {
                    EXPECT_LE(m, 13);
                    offset += 3;
                }
                EXPECT_GT(e[i], e[listed[k - 2]]) << "the clay swells on unloading";
            }
        }
        EXPECT_GE(loadingSteps, 6);
        EXPECT_LE(loadingSteps, 14);
        EXPECT_GE(unloadingSteps, 2);

        // Compression index: the steepest slope between load steps lies in the clay's range, and
        // the recompression below it is much flatter.
        double cc = 0, firstSlope = 0;
        for (size_t k = 1; k < listed.size(); ++k) {
            const size_t a = listed[k - 1], b = listed[k];
            if (stress[b] <= stress[a])
                break;
            const double slope = (e[a] - e[b]) / std::log10(double(stress[b]) / stress[a]);
            if (k == 1)
                firstSlope = slope;
            cc = std::max(cc, slope);
        }
        EXPECT_GE(cc, s.ccLow);
        EXPECT_LE(cc, s.ccHigh);
        EXPECT_LT(firstSlope, 0.35 * cc) << "recompression before the preconsolidation stress";
    }
}

TEST_F(ConsolidationData, ConstantRateOfStrainIsOneContinuousLoadingAndUnloadingCurve)
{
    for (const ConsolidationSoil& s : consolidationSoils) {
        if (QString::fromLatin1(s.kind) != u"CRS")
            continue;
        SCOPED_TRACE(s.ref);
        const Rows info = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(s.ref));
        const Rows pts = points(info[0][1].toText(), 3, 4, 301);
        ASSERT_GE(pts.size(), 50u) << "a continuous curve";
        size_t top = 0;
        for (size_t i = 1; i < pts.size(); ++i)
            if (pts[i][3].toDouble() > pts[top][3].toDouble())
                top = i;
        double cc = 0;
        for (size_t i = 1; i < pts.size(); ++i) {
            const double s0 = pts[i - 1][3].toDouble(), s1 = pts[i][3].toDouble();
            const double e0 = pts[i - 1][4].toDouble(), e1 = pts[i][4].toDouble();
            if (i <= top) {
                EXPECT_GT(s1, s0);
                EXPECT_LT(e1, e0);
                if (i >= 5) {
                    const double sa = pts[i - 5][3].toDouble(), ea = pts[i - 5][4].toDouble();
                    cc = std::max(cc, (ea - e1) / std::log10(s1 / sa));
                }
            } else {
                EXPECT_LT(s1, s0);
                EXPECT_GT(e1, e0);
            }
        }
        EXPECT_LT(top + 1, pts.size()) << "an unloading branch";
        EXPECT_GE(cc, s.ccLow);
        EXPECT_LE(cc, s.ccHigh);
    }
}

// ---------------------------------------------------------------- soil group symbols

// The group symbol Casagrande's plasticity chart gives the limits, by the two-band system the
// classification page teaches: a clay (C) on or above the A-line PI = 0.73 (LL - 20), a silt
// (M) below it; low plasticity (L) below a liquid limit of 50, high (H) from 50; the one
// double symbol CL-ML on or above the A-line with PI 4 to 7, and ML below PI 4.
std::string chartSymbol(double liquidLimit, double plasticityIndex)
{
    const bool high = liquidLimit >= 50;
    const bool clay = plasticityIndex >= 0.73 * (liquidLimit - 20) - 1e-9;   // 1e-9: decimals on the line
    if (!high && plasticityIndex < 4)
        return "ML";
    if (!high && clay && plasticityIndex <= 7)
        return "CL-ML";
    return std::string(clay ? "C" : "M") + (high ? "H" : "L");
}

TEST(SoilGroupSymbols, TheChartDecidesByTheALineTheFiftyPerCentLimitAndTheCLMLBand)
{
    const struct {
        double liquidLimit, plasticityIndex;
        const char* symbol;
    } cases[] = {
        {36, 11, "ML"},    {60, 30, "CH"}, {58, 28, "CH"},   {60, 29, "MH"},       // close to the line
        {50, 21.9, "CH"},  {60, 29.2, "CH"},                                      // on the line: a clay
        {49.9, 22, "CL"},  {50, 22, "CH"},  {49.9, 20, "ML"}, {50, 20, "MH"},      // the 50 % limit
        {25, 5, "CL-ML"},  {28, 7, "CL-ML"}, {28, 7.1, "CL"}, {28, 5, "ML"},       // the CL-ML band
        {20, 3.9, "ML"},   {25, 4, "CL-ML"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chartSymbol(c.liquidLimit, c.plasticityIndex), c.symbol) << c.liquidLimit << "/" << c.plasticityIndex;
}

// Every clay and silt of every database gives in its soil description the one group symbol its
// stored limits plot as and the plasticity word of that symbol, "low plasticity" below a liquid
// limit of 50 and "high plasticity" from 50 (no intermediate band), each once; its limits lie
// below the U-line PI = 0.9 (LL - 8), the upper limit of natural soils.
TEST(SoilGroupSymbols, EveryClayAndSiltGivesTheSymbolAndPlasticityWordOfItsStoredLimits)
{
    const char* const files[] = {"Database/LX1DConsolidation.lxr", "Database/LXClayCIUCnCIDCnUUC.lxr", "Database/LXClayTTT.lxr",
                                 "Database/LXClaynSandHCT.lxr"};
    static const QRegularExpression symbol(QStringLiteral("\\b(?:CL-ML|[CMO][LH]|Pt)\\b"));
    // The clause before "plasticity" (from the last comma or bracket); its word follows the last "of".
    static const QRegularExpression plasticity(QStringLiteral("([^,()]*)plasticity\\b")), leadingOf(QStringLiteral("^of "));
    int checked = 0;
    for (const char* file : files) {
        SCOPED_TRACE(file);
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed(file), QStringLiteral("mobkel"))));
        for (const auto& ref : query(db, QStringLiteral("SELECT * FROM Reference"))) {
            const QString description = ref[3].toText();
            SCOPED_TRACE(description.toStdString());
            const Rows tests = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = ") + refText(ref[0].toDouble()));
            ASSERT_FALSE(tests.empty());
            const double liquidLimit = tests[0][2].toDouble(), plasticityIndex = tests[0][3].toDouble();
            SCOPED_TRACE(std::to_string(liquidLimit) + "/" + std::to_string(plasticityIndex));
            EXPECT_LT(plasticityIndex, 0.9 * (liquidLimit - 8)) << "below the U-line";
            QStringList symbols, words;
            for (const QRegularExpressionMatch& m : symbol.globalMatch(description))
                symbols << m.captured();
            for (const QRegularExpressionMatch& m : plasticity.globalMatch(description)) {
                const QString clause = u' ' + m.captured(1).trimmed();
                words << clause.mid(clause.lastIndexOf(u" of ") + 1).remove(leadingOf).trimmed();
            }
            EXPECT_EQ(symbols.join(u" + ").toStdString(), chartSymbol(liquidLimit, plasticityIndex)) << "one symbol";
            EXPECT_EQ(words.join(u" + ").toStdString(), liquidLimit < 50 ? "low" : "high") << "one plasticity word";
            ++checked;
        }
    }
    EXPECT_EQ(checked, 24) << "ten consolidation soils, ten triaxial clays, the cube's and three hollow-cylinder clays";
}

// ---------------------------------------------------------------- direct shear

const double directShearSands[] = {103, 103.1, 103.3, 103.5, 103.51, 103.52, 103.6, 103.61, 101, 101.1};
const double directShearStudySands[] = {103.51, 103.52, 103.6, 103.61};

class DirectShearData : public Db {
protected:
    void SetUp() override { open("Database/LXDirectShear.lxr"); }
};

TEST_F(DirectShearData, EverySandHasItsParametersAndEveryTestItsPointsWithinTheReportsLimits)
{
    expectTestIdsMatch();
    for (double ref : directShearSands) {
        SCOPED_TRACE(ref);
        const Rows info = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref));
        ASSERT_GE(info.size(), 1u);
        const Rows refRows = query(db, QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] =") + refText(ref));
        ASSERT_EQ(refRows.size(), 1u);
        EXPECT_FALSE(refRows[0][4].isMissing());
        EXPECT_FALSE(refRows[0][5].isMissing());
        EXPECT_TRUE(refRows[0][1].toText().startsWith(u"Synthetic"));
        for (const auto& t : info) {
            for (int c : {1, 2, 3, 7, 8, 9})
                EXPECT_FALSE(t[c].isMissing()) << c;
            const Rows pts = points(t[1].toText(), 3, 5, 301);
            ASSERT_FALSE(pts.empty());
            EXPECT_EQ(pts[0][3].toDouble(), 0.0);
            EXPECT_EQ(pts[0][4].toDouble(), 0.0);
            EXPECT_EQ(pts[0][5].toDouble(), 0.0);
            for (size_t i = 0; i < pts.size(); ++i) {
                EXPECT_LE(std::abs(pts[i][5].toDouble()), 10.0) << "vertical displacement in mm";
                EXPECT_LE(pts[i][3].toDouble(), 15.0) << "horizontal displacement in mm";
                if (i > 0) {
                    EXPECT_GT(pts[i][3].toDouble(), pts[i - 1][3].toDouble());
                }
            }
        }
    }
}

TEST_F(DirectShearData, EachStudySandHasTwoOrThreeNormalStressesWithinThreeHundredAndOnePoints)
{
    for (double ref : directShearStudySands) {
        SCOPED_TRACE(ref);
        const Rows info = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref)
                                        + QStringLiteral(" order by [Normal Stress (kPa)]"));
        ASSERT_GE(info.size(), 2u);
        ASSERT_LE(info.size(), 3u);
        size_t total = 0;
        for (size_t k = 0; k < info.size(); ++k) {
            if (k > 0) {
                EXPECT_GT(info[k][8].toDouble(), info[k - 1][8].toDouble()) << "distinct normal stresses";
            }
            total += query(db, pointsQuery(info[k][1].toText(), true)).size();
        }
        EXPECT_LE(total, 301u);
    }
}

TEST_F(DirectShearData, PeaksGiveOneFrictionAngleDenseSandsDilateAndLooseOnesContract)
{
    for (double ref : directShearSands) {
        SCOPED_TRACE(ref);
        const Rows info = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref)
                                        + QStringLiteral(" order by [Normal Stress (kPa)]"));
        std::vector<double> angles;
        for (const auto& t : info) {
            const double sigma = t[8].toDouble(), density = t[6].toDouble();
            const Rows pts = points(t[1].toText(), 3, 5, 301);
            double peak = 0, maxV = -1e9, minV = 1e9;
            for (const auto& p : pts) {
                peak = std::max(peak, p[4].toDouble());
                maxV = std::max(maxV, p[5].toDouble());
                minV = std::min(minV, p[5].toDouble());
            }
            const double last = pts.back()[4].toDouble();
            const double angle = std::atan(peak / sigma) * 180 / M_PI;
            angles.push_back(angle);
            EXPECT_GE(angle, 30.0);
            EXPECT_LE(angle, 50.0);
            if (density >= 70) {
                EXPECT_GT(peak, 1.04 * last) << "a dense sand softens after its peak";
                EXPECT_LT(minV, 0.0) << "initial contraction";
                if (sigma <= 100) {
                    EXPECT_GT(pts.back()[5].toDouble(), 0.1) << "a dense sand dilates";
                }
            }
            if (density < 40) {
                EXPECT_LE(peak, 1.01 * last) << "a loose sand shows no peak";
                EXPECT_LE(maxV, 0.0) << "a loose sand only contracts";
            }
        }
        const auto [lo, hi] = std::minmax_element(angles.begin(), angles.end());
        EXPECT_LE(*hi - *lo, 5.0) << "one friction angle across the normal stresses";
    }
}

// A straight line through the peaks of a dense sand cuts the shear-stress axis above zero, as
// the simulation page says: 4 to 8 kPa for the least-squares line through the three peaks, 6 to
// 12 kPa for the line through those at 100 and 200 kPa; the loose sand's line passes through
// the origin.
TEST_F(DirectShearData, StraightLinesThroughTheDenseSandsPeaksCutTheAxisWhereThePageSays)
{
    std::vector<double> leastSquares, twoPoint;
    for (double ref : directShearSands) {
        SCOPED_TRACE(ref);
        const Rows info = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref));
        std::map<double, double> peaks;   // normal stress, peak shear stress
        for (const auto& t : info) {
            const Rows pts = points(t[1].toText(), 3, 5, 301);
            double& peak = peaks[t[8].toDouble()];
            for (const auto& p : pts)
                peak = std::max(peak, p[4].toDouble());
        }
        ASSERT_EQ(peaks.size(), 3u);
        ASSERT_TRUE(peaks.count(100) && peaks.count(200));
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (const auto& [x, y] : peaks)
            sx += x, sy += y, sxx += x * x, sxy += x * y;
        const double slope = (3 * sxy - sx * sy) / (3 * sxx - sx * sx);
        const double intercept = (sy - slope * sx) / 3, throughTwo = 2 * peaks[100] - peaks[200];
        if (info[0][6].toDouble() < 40) {
            EXPECT_NEAR(intercept, 0, 0.5) << "a loose sand";
            EXPECT_NEAR(throughTwo, 0, 0.5) << "a loose sand";
            continue;
        }
        EXPECT_GT(throughTwo, intercept) << "the higher the stresses, the higher the intercept";
        leastSquares.push_back(intercept);
        twoPoint.push_back(throughTwo);
    }
    ASSERT_EQ(leastSquares.size(), std::size(directShearSands) - 1);
    const auto [lo, hi] = std::minmax_element(leastSquares.begin(), leastSquares.end());
    EXPECT_EQ(std::lround(*lo), 4);
    EXPECT_EQ(std::lround(*hi), 8);
    const auto [lo2, hi2] = std::minmax_element(twoPoint.begin(), twoPoint.end());
    EXPECT_EQ(std::lround(*lo2), 6);
    EXPECT_EQ(std::lround(*hi2), 12);
}

// ---------------------------------------------------------------- true triaxial and hollow cylinder

struct TrueTriaxialSoil {
    const char* file;
    bool cube;
    double ref;
    double centre, tolerance;   // study window of the consolidation pressure
};

const TrueTriaxialSoil trueTriaxialSoils[] = {
    {"Database/LXClayTTT.lxr", true, 1000, 122, 2},
    {"Database/LXClaynSandHCT.lxr", false, 1000, 275, 1},
    {"Database/LXClaynSandHCT.lxr", false, 1001, 70, 1},
    {"Database/LXClaynSandHCT.lxr", false, 1005, 70, 1},
};

// The distinct values of a column as the set-up form lists them: rounded, written as text, in row order.
QStringList listed(const Rows& rows, int column, int decimals)
{
    QStringList out;
    for (const auto& r : rows) {
        const QString text = DoubleText(Round(r[column].toDouble(), decimals));
        if (!out.contains(text))
            out << text;
    }
    return out;
}

class TrueTriaxialData : public ::testing::Test {};

TEST_F(TrueTriaxialData, EveryAngleAndBValueTheListsOfferFindsOneTestWithItsParametersAndPoints)
{
    for (const char* file : {"Database/LXClayTTT.lxr", "Database/LXClaynSandHCT.lxr"}) {
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed(file), QStringLiteral("mobkel"))));
        expectTestIdsMatch(db);
    }
    for (const TrueTriaxialSoil& s : trueTriaxialSoils) {
        SCOPED_TRACE(s.ref);
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed(s.file), QStringLiteral("mobkel"))));
        const QString ref = refText(s.ref);
        const Rows all = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + ref + QStringLiteral(" order by [Beta angle]"));
        const QStringList betas = listed(all, 7, 0);
        ASSERT_GE(betas.size(), 2);
        for (const auto& r : all) {
            EXPECT_EQ(r[7].toDouble(), Round(r[7].toDouble(), 0)) << "whole degrees";
            EXPECT_EQ(r[6].toDouble(), Round(r[6].toDouble(), 2)) << "two decimals";
        }
        for (const QString& beta : betas) {
            const Rows withBeta = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + ref
                                                + QStringLiteral(" AND [Beta angle] =") + beta + QStringLiteral(" order by [b-value]"));
            ASSERT_FALSE(withBeta.empty()) << beta.toStdString();
            if (!s.cube) {
                EXPECT_EQ(withBeta.size(), 1u) << "one hollow-cylinder test per soil and angle";
            }
            for (const QString& b : listed(withBeta, 6, 2)) {
                QString sql = QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + ref + QStringLiteral(" AND [Beta angle] =") + beta;
                if (s.cube)
                    sql += QStringLiteral(" AND [b-value] =") + b;
                const Rows test = query(db, sql);
                ASSERT_FALSE(test.empty()) << beta.toStdString() << " " << b.toStdString();
                if (s.cube) {
                    EXPECT_EQ(test.size(), 1u);
                }
                const QString id = test[0][1].toText();
                EXPECT_TRUE(id.startsWith(s.cube ? u'T' : u'A')) << id.toStdString();
                for (int c : {2, 3, 4, 5, 8})
                    EXPECT_FALSE(test[0][c].isMissing()) << c;
                const Rows pts = points(db, id, 3, s.cube ? 9 : 7, 101);
                ASSERT_FALSE(pts.empty());
                for (int c = 3; c <= (s.cube ? 5 : 4); ++c)
                    EXPECT_EQ(pts[0][c].toDouble(), 0.0) << "shearing starts unstrained";
                EXPECT_EQ(pts[0][s.cube ? 9 : 7].toDouble(), 0.0) << "and with no excess pore pressure";
            }
        }
        const Rows refRows = query(db, QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] =") + ref);
        ASSERT_EQ(refRows.size(), 1u);
        for (int c : {4, 5, 6, 7})
            EXPECT_FALSE(refRows[0][c].isMissing()) << c;
        EXPECT_TRUE(refRows[0][1].toText().startsWith(u"Synthetic"));
    }
}

// The parametric study's loop: the first seven distinct values in stored order.
TEST_F(TrueTriaxialData, EachStudyWindowListsSeveralValuesWithinTheReportsLimits)
{
    for (const TrueTriaxialSoil& s : trueTriaxialSoils) {
        SCOPED_TRACE(s.ref);
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed(s.file), QStringLiteral("mobkel"))));
        const float lo = float(s.centre) - float(s.tolerance), hi = float(s.centre) + float(s.tolerance);
        const Rows rows = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = ") + refText(s.ref)
                                        + QStringLiteral(" And [Sigma_c (kPa)] BETWEEN ") + SingleText(lo) + QStringLiteral(" And ")
                                        + SingleText(hi));
        const int column = s.cube ? 6 : 7, decimals = s.cube ? 2 : 0;
        QStringList values, ids;
        for (const auto& r : rows) {
            if (values.size() > 6)
                break;
            const QString v = DoubleText(Round(r[column].toDouble(), decimals));
            if (!values.contains(v)) {
                values << v;
                ids << r[1].toText();
            }
            EXPECT_LT(std::abs(r[8].toDouble() - s.centre), 0.5 * s.tolerance) << "well inside the window";
        }
        EXPECT_GE(values.size(), 2) << "a study needs at least two values";
        size_t total = 0;
        for (const QString& id : ids)
            total += query(db, pointsQuery(id, false)).size();
        EXPECT_LE(total, 501u) << "points of one study report";
        std::vector<double> v;
        for (const QString& t : values)
            v.push_back(Val(t));
        EXPECT_EQ(*std::min_element(v.begin(), v.end()), 0.0);
        EXPECT_GE(*std::max_element(v.begin(), v.end()), s.cube ? 1.0 : 90.0) << "the study spans the whole range";
    }
}

// Peak octahedral shear stress of a stored test, and at that peak the effective friction angle,
// the excess pore pressure and the undrained strength (sigma1 - sigma3)/2.
struct Failure {
    double tauOct = 0, frictionAngle = 0, porePressure = 0, undrainedStrength = 0;
};

Failure failureOf(Connection& db, const QString& id, bool cube, double sigmaC)
{
    Failure f;
    for (const auto& p : query(db, pointsQuery(id, false))) {
        double tau, s1, s3, u;
        if (cube) {
            const double a = p[6].toDouble(), b = p[7].toDouble(), c = p[8].toDouble();
            tau = std::sqrt(((a - b) * (a - b) + (b - c) * (b - c) + (c - a) * (c - a)) / 9);
            s1 = a, s3 = c, u = p[9].toDouble();
        } else {
            const double ds = p[5].toDouble(), t = p[6].toDouble();
            tau = std::sqrt(2.0 / 9 * ds * ds + 2.0 / 3 * t * t);
            const double r = std::sqrt(ds * ds / 4 + t * t);
            s1 = sigmaC + ds / 2 + r, s3 = sigmaC + ds / 2 - r, u = p[7].toDouble();
        }
        if (tau > f.tauOct) {
            f.tauOct = tau;
            f.porePressure = u;
            f.undrainedStrength = (s1 - s3) / 2;
            f.frictionAngle = std::asin(((s1 - u) - (s3 - u)) / ((s1 - u) + (s3 - u))) * 180 / M_PI;
        }
    }
    return f;
}

TEST_F(TrueTriaxialData, StrengthFollowsTheBValueAndPrincipalStressAngleTrends)
{
    {
        // Cube, sigma1 vertical: the effective friction angle rises from b = 0 to b = 0.5 and stays
        // above its compression value at b = 1; sigma1 horizontal is weaker than vertical.
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed("Database/LXClayTTT.lxr"), QStringLiteral("mobkel"))));
        std::map<std::pair<int, int>, Failure> f;
        for (const auto& r : query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =1000")))
            f[{int(r[7].toDouble()), int(std::lround(r[6].toDouble() * 100))}] = failureOf(db, r[1].toText(), true, r[8].toDouble());
        const Failure compression = f[{0, 0}], intermediate = f[{0, 50}], extension = f[{0, 100}], horizontal = f[{90, 0}];
        ASSERT_GT(compression.tauOct * intermediate.tauOct * extension.tauOct * horizontal.tauOct, 0) << "tests missing";
        EXPECT_GT(intermediate.frictionAngle, compression.frictionAngle + 3);
        EXPECT_GT(extension.frictionAngle, compression.frictionAngle);
        EXPECT_NEAR(compression.frictionAngle, 33, 3) << "Bay Mud in triaxial compression";
        EXPECT_LT(horizontal.tauOct, compression.tauOct);
        // The anisotropy alone, at one b-value: 0.85 of the strength with sigma1 vertical, as the pages say.
        for (int b : {0, 50, 100}) {
            const Failure vertical = f[{0, b}], across = f[{90, b}];
            ASSERT_GT(vertical.tauOct * across.tauOct, 0) << "tests missing at b " << b;
            EXPECT_NEAR(across.tauOct / vertical.tauOct, 0.85, 0.005) << "b " << b;
        }
        EXPECT_GT(compression.porePressure, 0) << "a normally consolidated clay builds pore pressure";
    }
    // Hollow cylinder: the peak octahedral shear stress falls as sigma1 turns from vertical to
    // horizontal; the undrained strength is highest with sigma1 at or near the vertical (to 30
    // degrees) and lowest with it horizontal, as quiz 500 says.
    for (double ref : {1000.0, 1001.0, 1005.0}) {
        SCOPED_TRACE(ref);
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed("Database/LXClaynSandHCT.lxr"), QStringLiteral("mobkel"))));
        const Rows rows = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref)
                                        + QStringLiteral(" order by [Beta angle]"));
        double previous = 1e9;
        std::vector<double> strength;
        for (const auto& r : rows) {
            EXPECT_NEAR(r[6].toDouble(), Round(std::pow(std::sin(r[7].toDouble() * M_PI / 180), 2), 2), 1e-12)
                << "equal inner and outer pressures: b = sin^2(beta)";
            const Failure f = failureOf(db, r[1].toText(), false, r[8].toDouble());
            EXPECT_LE(f.tauOct, previous + 0.1);
            previous = f.tauOct;
            strength.push_back(f.undrainedStrength);
            EXPECT_GT(f.porePressure, 0);
        }
        ASSERT_EQ(rows.back()[7].toDouble(), 90.0);
        EXPECT_EQ(std::min_element(strength.begin(), strength.end()), strength.end() - 1) << "lowest at 90 degrees";
        const size_t strongest = size_t(std::max_element(strength.begin(), strength.end()) - strength.begin());
        EXPECT_LE(rows[strongest][7].toDouble(), 30.0) << "highest at or near the vertical";
        const Failure first = failureOf(db, rows.front()[1].toText(), false, rows.front()[8].toDouble());
        EXPECT_LT(previous, 0.9 * first.tauOct) << "b = sin^2(beta) and the anisotropy together";
    }
}

// The octahedral curve of a stored test as the report draws it: a definite peak with a
// small softening after it, so that the strain at failure is no accident of rounding.
struct OctCurve {
    std::vector<double> strain, stress;
    size_t peak() const { return size_t(std::max_element(stress.begin(), stress.end()) - stress.begin()); }
};

OctCurve octCurveOf(Connection& db, const QString& id, bool cube)
{
    OctCurve c;
    const auto spread = [](double a, double b, double d) { return std::sqrt(((a - b) * (a - b) + (b - d) * (b - d) + (d - a) * (d - a)) / 9); };
    for (const auto& p : query(db, pointsQuery(id, false))) {
        const auto v = [&](int i) { return p[i].toDouble(); };
        c.strain.push_back(cube ? spread(v(3), v(4), v(5)) : std::sqrt(v(3) * v(3) / 2 + v(4) * v(4) / 6));
        c.stress.push_back(Round(cube ? spread(v(6), v(7), v(8)) : std::sqrt(2.0 / 9 * v(5) * v(5) + 2.0 / 3 * v(6) * v(6)), 1));
    }
    return c;
}

TEST_F(TrueTriaxialData, EachTestPeaksAndSoftensAndItsFailureStrainFollowsItsNeighbours)
{
    for (const TrueTriaxialSoil& s : trueTriaxialSoils) {
        SCOPED_TRACE(s.ref);
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed(s.file), QStringLiteral("mobkel"))));
        double previous = -1, previousBeta = -1;
        for (const auto& r : query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(s.ref)
                                           + QStringLiteral(" order by [Beta angle], [b-value]"))) {
            const QString id = r[1].toText();
            SCOPED_TRACE(id.toStdString());
            const OctCurve c = octCurveOf(db, id, s.cube);
            ASSERT_GT(c.stress.size(), 20u);
            const size_t peak = c.peak();
            EXPECT_GT(peak, 5u);
            EXPECT_LT(peak, c.stress.size() - 10) << "the peak comes well before the end";
            const double drop = (c.stress[peak] - c.stress.back()) / c.stress[peak];
            EXPECT_GT(drop, 0.02) << "a softening after the peak";
            EXPECT_LT(drop, 0.10) << "a small one";
            // Along one series (b-values of a cube angle, angles of a cylinder) the failure
            // strain moves by small steps.
            const double failure = c.strain[peak];
            const bool sameSeries = !s.cube || r[7].toDouble() == previousBeta;
            if (previous >= 0 && sameSeries) {
                EXPECT_LT(std::abs(failure - previous), 0.6) << failure << " after " << previous;
                if (s.cube) {
                    EXPECT_LE(failure, previous + 0.01) << "smaller strains towards extension";
                }
            }
            previous = failure;
            previousBeta = r[7].toDouble();
        }
    }
}

// q/p' at failure by the Lade-Duncan criterion fitted to the friction angle in triaxial
// compression, at a b-value.
double ladeDuncanStressRatio(double phiDegrees, double b)
{
    const double sine = std::sin(phiDegrees * M_PI / 180), n = (1 + sine) / (1 - sine);
    const double eta1 = std::pow(n + 2, 3) / n;
    double lo = 0, hi = 3 / (1 + b) * (1 - 1e-9);
    for (int i = 0; i < 100; ++i) {
        const double d = (lo + hi) / 2;   // sigma1 - sigma3 at unit mean stress
        const double s3 = 1 - d * (1 + b) / 3, s1 = s3 + d, s2 = s3 + b * d;
        (27 / (s1 * s2 * s3) < eta1 ? lo : hi) = d;
    }
    return (lo + hi) / 2 * std::sqrt(1 - b + b * b);
}

// With equal inner and outer pressures b = sin^2(beta), so a study's fall of strength from
// beta = 0 to 90 is the b-value effect times the clay's anisotropy. The page tabulates, per
// soil: the peak octahedral shear stress at 0 and 90 and their ratio, the b-value effect
// (Lade-Duncan fitted to the friction angle of the beta = 0 test), the anisotropy, and the
// octahedral shear strain at the first point of each peak, as the report lists them.
TEST_F(TrueTriaxialData, HollowCylinderStudiesShowWhatTheSimulationPageTabulates)
{
    const std::map<QString, std::vector<double>> page = pageTable("Simulations/SimTTT.htm", "hollow-cylinder-peaks");
    const std::pair<const char*, double> soils[] = {
        {"Kaolin Clay", 1000}, {"McGill Clay (Hydrite 121)", 1001}, {"Edgar Plastic Kaolin", 1005}};
    ASSERT_EQ(page.size(), std::size(soils)) << "the page's table has a row per soil";
    Connection db;
    ASSERT_NO_THROW(db.Open(connectionString(installed("Database/LXClaynSandHCT.lxr"), QStringLiteral("mobkel"))));
    for (const auto& [soil, ref] : soils) {
        SCOPED_TRACE(soil);
        ASSERT_TRUE(page.count(QString::fromLatin1(soil)));
        const std::vector<double>& says = page.at(QString::fromLatin1(soil));
        ASSERT_EQ(says.size(), 7u);
        const Rows tests = query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref)
                                         + QStringLiteral(" order by [Beta angle]"));
        ASSERT_EQ(tests.size(), 7u);
        ASSERT_EQ(tests.front()[7].toDouble(), 0.0);
        ASSERT_EQ(tests.back()[7].toDouble(), 90.0);
        std::vector<double> peakStress, peakStrain;
        for (const auto& t : tests) {
            const OctCurve c = octCurveOf(db, t[1].toText(), false);
            peakStress.push_back(c.stress[c.peak()]);
            peakStrain.push_back(c.strain[c.peak()]);
            EXPECT_GE(peakStrain.back(), 2.0) << t[1].toText().toStdString();
            EXPECT_LE(peakStrain.back(), 2.6) << t[1].toText().toStdString();
        }
        const double ratio = peakStress.back() / peakStress.front();
        const double phi = failureOf(db, tests.front()[1].toText(), false, tests.front()[8].toDouble()).frictionAngle;
        const double bValueEffect = ladeDuncanStressRatio(phi, 1) / ladeDuncanStressRatio(phi, 0);
        EXPECT_NEAR(peakStress.front(), says[0], 0.05);
        EXPECT_NEAR(peakStress.back(), says[1], 0.05);
        EXPECT_NEAR(ratio, says[2], 0.005);
        EXPECT_NEAR(bValueEffect, says[3], 0.005);
        EXPECT_NEAR(ratio / bValueEffect, says[4], 0.005);
        EXPECT_LT(says[4], 1) << "an anisotropic clay";
        EXPECT_LT(says[3], says[4]) << "the b-value effect is the larger part of the fall";
        EXPECT_NEAR(peakStrain.front(), says[5], 0.0005);
        EXPECT_NEAR(peakStrain.back(), says[6], 0.0005);
        EXPECT_LT(peakStrain.back(), peakStrain.front()) << "the peak comes sooner at 90 degrees";
    }
}

// Undrained strength in compression (b = 0, the major stress vertical or horizontal) over the
// consolidation pressure: su / sigma'c of a normally consolidated clay, about 0.25 to 0.35.
TEST_F(TrueTriaxialData, CompressionStrengthsAreThoseOfNormallyConsolidatedClays)
{
    for (const TrueTriaxialSoil& s : trueTriaxialSoils) {
        SCOPED_TRACE(s.ref);
        Connection db;
        ASSERT_NO_THROW(db.Open(connectionString(installed(s.file), QStringLiteral("mobkel"))));
        int checked = 0;
        for (const auto& r : query(db, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(s.ref))) {
            if (r[6].toDouble() != 0)
                continue;
            double su = 0;
            for (const auto& p : query(db, pointsQuery(r[1].toText(), false))) {
                const double halfDifference = s.cube ? (p[6].toDouble() - p[8].toDouble()) / 2
                                                     : std::hypot(p[5].toDouble() / 2, p[6].toDouble());
                su = std::max(su, halfDifference);
            }
            EXPECT_GE(su / r[8].toDouble(), 0.25) << r[1].toText().toStdString();
            EXPECT_LE(su / r[8].toDouble(), 0.35) << r[1].toText().toStdString();
            ++checked;
        }
        EXPECT_GE(checked, 1);
    }
}

TEST_F(TrueTriaxialData, TheCubeIsTheTenCentimetreCubeTheSetUpShows)
{
    Connection db;
    ASSERT_NO_THROW(db.Open(connectionString(installed("Database/LXClayTTT.lxr"), QStringLiteral("mobkel"))));
    const Rows rows = query(db, QStringLiteral("SELECT * FROM Reference"));
    ASSERT_EQ(rows.size(), 1u);
    for (int c : {4, 5, 6})
        EXPECT_EQ(rows[0][c].toDouble(), 100.0) << "length, width and height: about 10 x 10 x 10 cm";
}

// ---------------------------------------------------------------- quiz and login files

bool isActivity(int id) { return id % 100 > 10; }

TEST(QuizFiles, TemplateHasTheTwentyThreeRowsOneBlankUserAndSlotsForEveryQuiz)
{
    Connection quiz;
    ASSERT_NO_THROW(quiz.Open(connectionString(installed("QuizTemplate.lxq"), QStringLiteral("tarvinduso"))));
    Connection resource;
    ASSERT_NO_THROW(resource.Open(connectionString(installed("Resources/QuizResource.lxr"), QStringLiteral("mobkel"))));

    const Rows users = query(quiz, QStringLiteral("SELECT * FROM UserInfo"));
    ASSERT_EQ(users.size(), 1u);
    ASSERT_EQ(users[0].size(), 5u);
    EXPECT_TRUE(users[0][0].toText().trimmed().isEmpty());
    EXPECT_TRUE(users[0][1].toText().trimmed().isEmpty());
    EXPECT_TRUE(users[0][2].toText().isEmpty());

    const Rows ordered = query(quiz, QStringLiteral("SELECT * FROM QuizInfo order by QuizID"));
    const Rows stored = query(quiz, QStringLiteral("SELECT * FROM QuizInfo"));
    ASSERT_EQ(ordered.size(), quiz::Catalogue.size());
    ASSERT_EQ(stored.size(), quiz::Catalogue.size());
    for (size_t i = 0; i < ordered.size(); ++i) {
        const int id = quiz::Catalogue[i].quizId;
        SCOPED_TRACE(id);
        ASSERT_EQ(ordered[i].size(), 10u);
        EXPECT_EQ(ordered[i][0].toDouble(), id);
        EXPECT_EQ(ordered[i][1].toText(), QString::fromLatin1(quiz::Catalogue[i].description))
            << "the installed file was written from the catalogue the score sheet shows";
        EXPECT_EQ(stored[i][0].toDouble(), id) << "stored in QuizID order";
        for (int c = 0; c < 10; ++c)
            EXPECT_FALSE(ordered[i][c].isMissing()) << c;
        EXPECT_EQ(ordered[i][2].toDouble(), 0) << "no attempts in a fresh copy";
        EXPECT_EQ(ordered[i][6].toDouble(), 0);
        EXPECT_EQ(ordered[i][7].toDouble(), 0);
        const int bank = int(ordered[i][4].toDouble()), asked = int(ordered[i][5].toDouble());
        EXPECT_GE(asked, 1);
        EXPECT_LE(asked, 10);
        EXPECT_GT(ordered[i][9].toDouble(), 0) << "marks per question";
        const int rowsOfQuiz = int(query(quiz, QStringLiteral("SELECT * FROM QuizInfo WHERE QuizID = ") + QString::number(id)).size());
        EXPECT_EQ(rowsOfQuiz, 1);
        if (isActivity(id)) {
            EXPECT_EQ(asked, 1) << "an activity is worth one question";
            continue;
        }
        EXPECT_GE(ordered[i][3].toDouble(), 1) << "attempts allowed";
        EXPECT_GE(bank, asked);
        EXPECT_GE(bank, 2) << "a block never starts at the last question, so a bank needs two";
        const Rows seq = query(quiz, QStringLiteral("SELECT * FROM QuestionSeq WHERE QuizID = ") + QString::number(id));
        EXPECT_GE(int(seq.size()), asked);
        const Rows keys = query(resource, QStringLiteral("SELECT * FROM AnswerKey WHERE QuizID = ") + QString::number(id));
        EXPECT_EQ(int(keys.size()), bank);
        for (const auto& k : keys) {
            EXPECT_GE(k[2].toDouble(), 1);
            EXPECT_LE(k[2].toDouble(), 4);
        }
    }
}

TEST(QuizFiles, AWrongPasswordFailsToOpenEveryInstalledFile)
{
    struct Case {
        const char* file;
        const char* wrong;
    };
    for (const Case& c : {Case{"QuizTemplate.lxq", "mobkel"}, Case{"Resources/QuizResource.lxr", "tarvinduso"},
                          Case{"Users.lxu", "x"}, Case{"Database/LX1DConsolidation.lxr", "tarvinduso"},
                          Case{"Database/LXDirectShear.lxr", ""}, Case{"Database/LXClayTTT.lxr", "Mobkel"},
                          Case{"Database/LXClaynSandHCT.lxr", "mobke"}}) {
        Connection db;
        EXPECT_THROW(db.Open(connectionString(installed(c.file), QString::fromLatin1(c.wrong))), DatabaseError) << c.file;
    }
}

TEST(QuizFiles, LoginDatabaseHoldsOnlyTheDemonstrationUser)
{
    Connection db;
    ASSERT_NO_THROW(db.Open(connectionString(installed("Users.lxu"), QStringLiteral("mobkel"))));
    auto count = [&](const QString& user, const QString& password) {
        return query(db, QStringLiteral("SELECT COUNT (*) FROM MemberInfo WHERE UserName='") + user + QStringLiteral("' AND Password='")
                             + password + QStringLiteral("'"))[0][0].toDouble();
    };
    EXPECT_EQ(count(QStringLiteral("guest"), QString()), 1);
    EXPECT_EQ(count(QStringLiteral("guest"), QStringLiteral("guest")), 0);
    EXPECT_EQ(query(db, QStringLiteral("SELECT * FROM MemberInfo")).size(), 1u);
}

} // namespace
