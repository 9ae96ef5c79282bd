// Stored points read from a small TestResults table through column maps.
#include "lab/StoredPoints.h"

#include "DataPacker.h"
#include "platform/Database.h"
#include "tests/common/TestHelpers.h"
#include "platform/Numbers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "lab/StoredTest.h"
#include "platform/testing/ScriptedServices.h"

namespace {

using lx::ColumnRule;

// A TestResults table of one test in a plain database of its own: each row gives the
// fields at positions 3 to 6 (a null QVariant is a null field).
class PointsTable {
public:
    explicit PointsTable(const std::vector<QVariantList>& rows)
    {
        // An empty table packed as the installed databases are; the rows are added below.
        const QString source = dir.filePath(QStringLiteral("source"));
        lx::testing::writeFile(source + QStringLiteral("/schema.sql"),
                               "CREATE TABLE TestResults (ReferenceNumber REAL, TestID TEXT, [Point Number] INTEGER, "
                               "a REAL, b REAL, c REAL, d REAL);\n");
        lx::testing::writeFile(source + QStringLiteral("/TestResults.csv"),
                               "ReferenceNumber,TestID,Point Number,a,b,c,d\n");
        const QString path = dir.filePath(QStringLiteral("points.db"));
        lx::pack::packDatabase(source, QStringLiteral("mobkel"), path);
        connection = lx::ConnectionString::format(path, QStringLiteral("mobkel"));
        db.Open(connection);
        addTest(QStringLiteral("T1"), rows);
    }
    // Another test's rows in the same table.
    void addTest(const QString& id, const std::vector<QVariantList>& rows)
    {
        db.ExecuteNonQuery(QStringLiteral("BEGIN"));
        int point = 0;
        for (const QVariantList& row : rows) {
            QVariantList values{id, ++point};
            values += row;
            while (values.size() < 6)
                values << QVariant(0.0);
            db.ExecuteNonQuery(QStringLiteral("INSERT INTO TestResults VALUES (1, ?, ?, ?, ?, ?, ?)"), values);
        }
        db.ExecuteNonQuery(QStringLiteral("COMMIT"));
    }
    std::unique_ptr<lx::Recordset> points(const QString& id)
    {
        return db.Execute(QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]"), {id});
    }
    QString connection;
    void execute(const QString& sql) { db.ExecuteNonQuery(sql); }
    std::unique_ptr<lx::Recordset> points()
    {
        return db.Execute(QStringLiteral("SELECT * from TestResults WHERE TestID = 'T1'order by [Point Number]"));
    }

private:
    QTemporaryDir dir;
    lx::Connection db;
};

std::vector<QVariantList> rowsOf(int n)
{
    std::vector<QVariantList> rows;
    for (int i = 0; i < n; ++i)
        rows.push_back({i * 0.001, 10.0 * i});
    return rows;
}

// One stored value, one column rule: the single the curve holds, the double that single
// is, and the text the list and the export show.
struct Conversion {
    const char* what;
    ColumnRule rule;
    double stored;
    float expected;
    double asDouble;
    const char* text;
};

TEST(StoredPoints, EachColumnRuleGivesItsSingle)
{
    const Conversion cases[] = {
        {"screen strain: rounded first", ColumnRule::field(3).rounded(3).times(100), 0.01234, 1.2f, 1.2000000476837158, "1.2"},
        {"screen strain: a half goes to even", ColumnRule::field(3).rounded(3).times(100), 0.02345, 2.3f, 2.299999952316284, "2.3"},
        {"report strain: multiplied first", ColumnRule::field(3).times(100).rounded(3), 0.0123456, 1.235f, 1.2350000143051147, "1.235"},
        {"report strain of the screen's value", ColumnRule::field(3).times(100).rounded(3), 0.01234, 1.234f, 1.2339999675750732, "1.234"},
        {"database mode: no rounding", ColumnRule::field(3).times(100), 0.0123456, 1.23456f, 1.2345600128173828, "1.23456"},
        {"pore pressure to 0.1 kPa", ColumnRule::field(3).rounded(1), 12.36, 12.4f, 12.399999618530273, "12.4"},
        {"2.25 to one decimal", ColumnRule::field(3).rounded(1), 2.25, 2.2f, 2.200000047683716, "2.2"},
        {"2.75 to one decimal", ColumnRule::field(3).rounded(1), 2.75, 2.8f, 2.799999952316284, "2.8"},
    };
    std::vector<QVariantList> rows;
    for (const Conversion& c : cases)
        rows.push_back({c.stored});
    PointsTable table(rows);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Conversion& c = cases[i];
        lx::StoredCurve curve({c.rule});
        auto rs = table.points();
        ASSERT_EQ(curve.append(*rs), int(std::size(cases)));
        const float v = curve.value(int(i), 0);
        EXPECT_EQ(v, c.expected) << c.what;
        EXPECT_EQ(double(v), c.asDouble) << c.what;
        EXPECT_EQ(lx::SingleText(v), QString::fromLatin1(c.text)) << c.what;
    }
}

TEST(StoredPoints, TheOrderOfTheBuilderCallsIsTheOrderOfTheSteps)
{
    EXPECT_EQ(ColumnRule::field(3).rounded(3).times(100).order, ColumnRule::Order::RoundThenMultiply);
    EXPECT_EQ(ColumnRule::field(3).times(100).rounded(3).order, ColumnRule::Order::MultiplyThenRound);
    EXPECT_EQ(ColumnRule::field(3).times(100).order, ColumnRule::Order::MultiplyOnly);
}

TEST(StoredPoints, AReportCurveKeepsTheDouble)
{
    PointsTable table(std::vector<QVariantList>{{0.0123456}});
    lx::DoubleStoredCurve curve({ColumnRule::field(3).times(100).rounded(3)});
    auto rs = table.points();
    curve.append(*rs);
    EXPECT_EQ(curve.value(0, 0), 1.235);
    EXPECT_EQ(lx::DoubleText(curve.value(0, 0)), QStringLiteral("1.235"));
}

TEST(StoredPoints, ARowWithAMissingValueInAColumnReadIsSkipped)
{
    // The drained triaxial screen: strain, stress, volumetric strain; pore pressure unread.
    const lx::ColumnMap drained{ColumnRule::field(3).rounded(3).times(100), ColumnRule::field(4).rounded(1),
                                ColumnRule::field(5).rounded(3).times(100)};
    PointsTable table({
        {0.0, 0.0, 0.0, 0.0},
        {0.01, 50.04, QVariant(), 0.0},               // null volumetric strain
        {0.02, QStringLiteral("Null"), -0.001, 0.0},  // the text Null
        {0.03, 120.06, -0.002, QVariant()},           // null pore pressure: not read, kept
        {0.04, 150.0, -0.0031, 0.0},
    });
    lx::StoredCurve curve(drained, 301);
    auto rs = table.points();
    EXPECT_EQ(curve.append(*rs), 3);
    EXPECT_EQ(curve.skippedRows(), 2);
    EXPECT_FALSE(curve.truncated());
    const std::vector<float> strain(curve.column(0).begin(), curve.column(0).end());
    EXPECT_EQ(strain, (std::vector<float>{0.0f, 3.0f, 4.0f}));
    EXPECT_EQ(curve.row(1), (std::vector<float>{3.0f, 120.1f, -0.2f}));
    EXPECT_EQ(curve.row(2, 2), (std::vector<float>{4.0f, 150.0f}));
    EXPECT_EQ(curve.rowTexts(1), (QStringList{"3", "120.1", "-0.2"}));
    EXPECT_EQ(curve(2, 2), -0.3f);
}

TEST(StoredPoints, TheCapCutsAndNoCapGrows)
{
    struct Case {
        int rows;
        int cap;
        int points;
        bool truncated;
    } const cases[] = {
        {5, 3, 3, true},
        {3, 3, 3, false},
        {0, 301, 0, false},
        {302, 301, 301, true},
        {400, lx::StoredCurve::Unlimited, 400, false},
    };
    for (const Case& c : cases) {
        PointsTable table(rowsOf(c.rows));
        lx::StoredCurve curve({ColumnRule::field(3).rounded(3).times(100), ColumnRule::field(4).rounded(1)}, c.cap);
        auto rs = table.points();
        EXPECT_EQ(curve.append(*rs), c.points) << c.rows << " rows, cap " << c.cap;
        EXPECT_EQ(curve.points(), c.points);
        EXPECT_EQ(curve.truncated(), c.truncated) << c.rows << " rows, cap " << c.cap;
        if (c.points > 0) {
            EXPECT_EQ(curve.value(c.points - 1, 1), float(10 * (c.points - 1)));
        }
    }
}

TEST(StoredPoints, SeveralTestsShareOneCurveUpToTheCap)
{
    PointsTable table(rowsOf(4));
    lx::StoredCurve curve({ColumnRule::field(4).rounded(1)}, 10);
    for (int t = 0; t < 3; ++t) {
        auto rs = table.points();
        curve.append(*rs);
    }
    ASSERT_EQ(curve.tests(), 3);
    EXPECT_EQ(curve.points(), 10);
    EXPECT_EQ(curve.testStart(1), 4);
    EXPECT_EQ(curve.testPoints(1), 4);
    EXPECT_EQ(curve.testStart(2), 8);
    EXPECT_EQ(curve.testPoints(2), 2);
    EXPECT_TRUE(curve.truncated());
    EXPECT_EQ(curve.value(8, 0), 0.0f);
    EXPECT_FALSE(curve.addPoint({1.0}));

    curve.clear();
    EXPECT_EQ(curve.points(), 0);
    EXPECT_EQ(curve.tests(), 0);
    EXPECT_FALSE(curve.truncated());
    // A result file's rows are already in the curve's units; the map is not applied.
    EXPECT_TRUE(curve.addPoint({12.345678}));
    EXPECT_EQ(curve.tests(), 1);
    EXPECT_EQ(curve.value(0, 0), 12.345678f);
}

TEST(StoredPoints, TheLogarithmIsTakenOfTheStoredColumn)
{
    // Consolidation: stress to 3 decimals, void ratio to 4, log of the stress to 4.
    const lx::ColumnMap consolidation{ColumnRule::field(3).rounded(3), ColumnRule::field(4).rounded(4),
                                      ColumnRule::log10Of(0).rounded(4)};
    PointsTable table({
        {100.0, 0.91234},
        {12.3456, 0.9},   // 12.346f is 12.3459997...; its logarithm 1.0915263 -> 1.0915
        {0.0, 0.95},      // no logarithm: skipped
        {0.0004, 0.95},   // rounds to 0 before the logarithm: skipped
    });
    lx::StoredCurve curve(consolidation, 301);
    auto rs = table.points();
    ASSERT_EQ(curve.append(*rs), 2);
    EXPECT_EQ(curve.skippedRows(), 2);
    EXPECT_EQ(curve.row(0), (std::vector<float>{100.0f, 0.9123f, 2.0f}));
    EXPECT_EQ(curve.row(1), (std::vector<float>{12.346f, 0.9f, 1.0915f}));
}

TEST(StoredPoints, AMapIsCheckedWhenTheCurveIsMade)
{
    EXPECT_THROW(lx::StoredCurve({ColumnRule::log10Of(0)}), std::invalid_argument);
    EXPECT_THROW(lx::StoredCurve({ColumnRule::field(3), ColumnRule::log10Of(2), ColumnRule::field(4)}), std::invalid_argument);
    // A field the row does not have is a database error, as reading it by position is.
    PointsTable table(rowsOf(1));
    lx::StoredCurve curve({ColumnRule::field(9)});
    auto rs = table.points();
    EXPECT_THROW(curve.append(*rs), lx::DatabaseError);
}

TEST(StoredPoints, ThePeakIsTheFirstRowAtTheLargestSingle)
{
    struct Case {
        const char* what;
        std::vector<double> stress;
        int test;    // AllTests or a test of the curve
        int row;     // -1: no points
    } const cases[] = {
        {"a single peak", {1, 5, 3}, lx::StoredCurve::AllTests, 1},
        {"a tie goes to the earlier row", {1, 7, 2, 7, 7}, lx::StoredCurve::AllTests, 1},
        // 153.40000000001 and 153.4 are one single: the first of them is the peak.
        {"equal at single precision", {153.4, 153.40000000001, 153.4000001}, lx::StoredCurve::AllTests, 0},
        {"negative values only", {-3, -1, -2}, lx::StoredCurve::AllTests, 1},
        {"within the second test", {9, 1, 4, 4, 2}, 1, 2},
        {"no points", {}, lx::StoredCurve::AllTests, -1},
    };
    for (const Case& c : cases) {
        lx::DoubleStoredCurve curve({ColumnRule::field(3)});
        // Test 0 holds the first two values, test 1 the rest (or test 0 all of them).
        std::vector<QVariantList> first, second;
        for (size_t i = 0; i < c.stress.size(); ++i)
            (c.test == 1 && i >= 2 ? second : first).push_back({c.stress[i]});
        PointsTable table(first);
        table.addTest(QStringLiteral("T2"), second);
        curve.append(*table.points(QStringLiteral("T1")));
        if (c.test == 1)
            curve.append(*table.points(QStringLiteral("T2")));
        EXPECT_EQ(curve.peakRow(0, c.test), c.row) << c.what;
        // The float view is what the charts and the peak compare.
        const std::vector<float> singles = curve.singles(0, c.test);
        EXPECT_EQ(singles.size(), curve.column(0, c.test).size()) << c.what;
    }
}

TEST(StoredPoints, AWholeTestFitsOrIsLeftOut)
{
    // A study of three tests of 4, 3 and 2 points under a cap of 8: the third would be cut.
    PointsTable table(rowsOf(4));
    table.addTest(QStringLiteral("T2"), rowsOf(3));
    table.addTest(QStringLiteral("T3"), rowsOf(2));
    lx::StoredCurve curve({ColumnRule::field(4).rounded(1)}, 8);
    EXPECT_EQ(curve.append(*table.points(QStringLiteral("T1")), lx::TestFit::WholeOnly), 4);
    EXPECT_EQ(curve.append(*table.points(QStringLiteral("T2")), lx::TestFit::WholeOnly), 3);
    EXPECT_FALSE(curve.truncated());
    EXPECT_EQ(curve.append(*table.points(QStringLiteral("T3")), lx::TestFit::WholeOnly), 0);
    EXPECT_TRUE(curve.lastAppend().refused);
    EXPECT_TRUE(curve.truncated());
    // The refused test is no test of the curve: the counts a report gets are those taken.
    ASSERT_EQ(curve.tests(), 2);
    EXPECT_EQ(curve.points(), 7);
    EXPECT_EQ(curve.testPoints(1), 3);
    // A test that fits exactly is taken.
    lx::StoredCurve exact({ColumnRule::field(4).rounded(1)}, 9);
    for (const char* id : {"T1", "T2", "T3"})
        exact.append(*table.points(QString::fromLatin1(id)), lx::TestFit::WholeOnly);
    EXPECT_EQ(exact.tests(), 3);
    EXPECT_EQ(exact.points(), 9);
    EXPECT_FALSE(exact.truncated());
    // A test without points is no test of a study's curve either; a screen's curve keeps it.
    lx::StoredCurve study({ColumnRule::field(4).rounded(1)}, 9), screen({ColumnRule::field(4).rounded(1)}, 9);
    EXPECT_EQ(study.append(*table.points(QStringLiteral("none")), lx::TestFit::WholeOnly), 0);
    EXPECT_FALSE(study.lastAppend().refused);
    EXPECT_EQ(study.tests(), 0);
    screen.append(*table.points(QStringLiteral("none")));
    EXPECT_EQ(screen.tests(), 1);
}

TEST(StoredPoints, ATestCapLimitsEachTest)
{
    PointsTable table(rowsOf(5));
    table.addTest(QStringLiteral("T2"), rowsOf(2));
    table.addTest(QStringLiteral("T3"), rowsOf(4));
    struct Case {
        lx::TestFit fit;
        std::vector<int> counts;
    } const cases[] = {
        {lx::TestFit::Cut, {3, 2, 3}},       // each test cut at 3 points
        {lx::TestFit::WholeOnly, {2}},       // only the test of 2 points fits whole
    };
    for (const Case& c : cases) {
        lx::StoredCurve curve({ColumnRule::field(4).rounded(1)}, lx::StoredCurve::Unlimited, 3);
        for (const char* id : {"T1", "T2", "T3"})
            curve.append(*table.points(QString::fromLatin1(id)), c.fit);
        std::vector<int> counts;
        for (int t = 0; t < curve.tests(); ++t)
            counts.push_back(curve.testPoints(t));
        EXPECT_EQ(counts, c.counts);
        EXPECT_TRUE(curve.truncated());
    }
    // The total cap still holds with a test cap.
    lx::StoredCurve both({ColumnRule::field(4).rounded(1)}, 4, 3);
    both.append(*table.points(QStringLiteral("T1")));
    both.append(*table.points(QStringLiteral("T3")));
    EXPECT_EQ(both.testPoints(0), 3);
    EXPECT_EQ(both.testPoints(1), 1);
    EXPECT_EQ(both.lastAppend().points, 1);
    EXPECT_TRUE(both.lastAppend().cut);
}

double octahedral(std::span<const double> s)
{
    return std::sqrt(((s[0] - s[1]) * (s[0] - s[1]) + (s[1] - s[2]) * (s[1] - s[2]) + (s[2] - s[0]) * (s[2] - s[0])) / 9.0);
}

TEST(StoredPoints, AComputedColumnTakesSeveralFieldsOfTheRow)
{
    PointsTable table({
        {300.0, 200.0, 100.0, 5.0},     // sqrt(6 * 10^4 / 9) = 81.6496... -> 81.6
        {250.0, QVariant(), 100.0, 5.0},  // a missing input: skipped
        {100.0, 100.0, 100.0, 6.25},
    });
    lx::StoredCurve curve({ColumnRule::computed({3, 4, 5}, octahedral).rounded(1), ColumnRule::field(6).rounded(1),
                           ColumnRule::computed({3, 5}, [](std::span<const double> f) { return f[0] - f[1]; }).times(0.5)});
    ASSERT_EQ(curve.append(*table.points(QStringLiteral("T1"))), 2);
    EXPECT_EQ(curve.skippedRows(), 1);
    EXPECT_EQ(curve.row(0), (std::vector<float>{81.6f, 5.0f, 100.0f}));
    EXPECT_EQ(curve.row(1), (std::vector<float>{0.0f, 6.2f, 0.0f}));
    EXPECT_THROW(lx::StoredCurve({ColumnRule::computed({3}, nullptr)}), std::invalid_argument);
}

TEST(StoredTest, LoadsATestAndSaysWhatItLeftOut)
{
    lx::testing::ScriptedServices services;
    PointsTable table({{0.0, 0.0}, {0.01, QVariant()}, {0.02, 20.0}, {0.03, 30.0}, {0.04, 40.0}});
    table.addTest(QStringLiteral("Empty"), {{QVariant(), QVariant()}});
    const QString sql = QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]");
    const lx::ColumnMap map{ColumnRule::field(3).rounded(3).times(100), ColumnRule::field(4).rounded(1)};

    lx::StoredCurve curve(map, 3);
    lx::LoadedTest loaded = lx::loadStoredTest(curve, {table.connection, sql, {QStringLiteral("T1")}, QStringLiteral("T1")});
    EXPECT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.points, 3);
    EXPECT_EQ(loaded.skipped, 1);
    EXPECT_TRUE(loaded.cut);
    EXPECT_TRUE(loaded.message.isEmpty());
    EXPECT_TRUE(lx::reportLoadFailure(loaded));
    EXPECT_TRUE(services.messages->msgBoxCalls.empty());

    struct Case {
        const char* what;
        QString connection;
        QString id;
        lx::LoadedTest::Failure failure;
        QString message;
    } const cases[] = {
        {"no rows", table.connection, QStringLiteral("T9"), lx::LoadedTest::Failure::NoPoints,
         QStringLiteral("The database holds no points for the test T9.")},
        {"only missing values", table.connection, QStringLiteral("Empty"), lx::LoadedTest::Failure::NoPoints,
         QStringLiteral("The database holds no points for the test Empty.")},
        {"a wrong password", QString(table.connection).replace(QStringLiteral("mobkel"), QStringLiteral("wrong")),
         QStringLiteral("T1"), lx::LoadedTest::Failure::Unreadable, QStringLiteral("The stored test could not be read.\r")},
        {"no database", lx::ConnectionString::format(QStringLiteral("/nonexistent/points.db"), QStringLiteral("mobkel")), QStringLiteral("T1"),
         lx::LoadedTest::Failure::Unreadable, QStringLiteral("The stored test could not be read.\r")},
    };
    for (const Case& c : cases) {
        lx::StoredCurve fresh(map, 301);
        services.messages->msgBoxCalls.clear();
        loaded = lx::loadStoredTest(fresh, {c.connection, sql, {c.id}, c.id});
        EXPECT_EQ(loaded.failure, c.failure) << c.what;
        EXPECT_TRUE(loaded.message.startsWith(c.message)) << c.what << ": " << loaded.message.toStdString();
        EXPECT_FALSE(lx::reportLoadFailure(loaded)) << c.what;
        ASSERT_EQ(services.messages->msgBoxCalls.size(), 1u) << c.what;
        EXPECT_EQ(services.messages->msgBoxCalls[0].text, loaded.message) << c.what;
        if (c.failure == lx::LoadedTest::Failure::Unreadable) {
            EXPECT_EQ(fresh.tests(), 0) << c.what;   // an error adds nothing
        }
    }
}

// A point number twice, and values no curve can hold: the rows are left out, counted, and
// told in one box; the rest loads as before.
TEST(StoredTest, RepeatedAndNotFinitePointsAreLeftOutAndCounted)
{
    const QString repeated = QStringLiteral(" stored point(s) repeating the number of an earlier point are left out.");
    const QString notFinite = QStringLiteral(" stored point(s) holding a value that is not a finite number are left out.");
    const struct {
        const char* what;
        const char* change;   // on the five points 0, 10, ..., 40 of test T1
        bool single;
        std::vector<float> kept;   // column b of the points loaded
        int repeated;
        int notFinite;
    } cases[] = {
        {"as stored", "", true, {0, 10, 20, 30, 40}, 0, 0},
        {"one number twice", "UPDATE TestResults SET [Point Number] = 2 WHERE b = 20", true, {0, 10, 30, 40}, 1, 0},
        {"every point twice", "INSERT INTO TestResults SELECT * FROM TestResults", true, {0, 10, 20, 30, 40}, 5, 0},
        {"1e308 in a single", "UPDATE TestResults SET a = 1e308 WHERE b = 10", true, {0, 20, 30, 40}, 0, 1},
        // Beyond single precision, the precision the curves are drawn at: a double curve too.
        {"1e308 in a double", "UPDATE TestResults SET a = 1e308 WHERE b = 10", false, {0, 20, 30, 40}, 0, 1},
        {"3.5e38 in a double", "UPDATE TestResults SET a = 3.5e38 WHERE b = 10", false, {0, 20, 30, 40}, 0, 1},
        {"3.4e38 in a double", "UPDATE TestResults SET a = 3.4e38 WHERE b = 10", false, {0, 10, 20, 30, 40}, 0, 0},
        {"-1e308 times 100 in a double", "UPDATE TestResults SET b = -1e308 WHERE a = 0.003", false, {0, 10, 20, 40}, 0, 1},
        {"an infinity", "UPDATE TestResults SET b = 9e999 WHERE a = 0.004", true, {0, 10, 20, 30}, 0, 1},
        {"both", "UPDATE TestResults SET [Point Number] = CASE WHEN b = 30 THEN 1 ELSE [Point Number] END, "
                 "a = CASE WHEN b = 40 THEN -9e999 ELSE a END",
         true, {0, 10, 20}, 1, 1},
    };
    const QString sql = QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]");
    for (const auto& c : cases) {
        lx::testing::ScriptedServices services;
        PointsTable table(rowsOf(5));
        if (*c.change)
            table.execute(QString::fromLatin1(c.change));
        const lx::StoredTestQuery query{table.connection, sql, {QStringLiteral("T1")}, QStringLiteral("T1")};
        lx::LoadedTest loaded;
        std::vector<float> kept;
        if (c.single) {
            lx::StoredCurve curve({ColumnRule::field(3), ColumnRule::field(4)}, lx::ScreenCap);
            loaded = lx::loadStoredTest(curve, query);
            for (int k = 0; k < curve.points(); ++k)
                kept.push_back(curve(k, 1));
        } else {
            lx::DoubleStoredCurve curve({ColumnRule::field(3), ColumnRule::field(4).times(100)});
            loaded = lx::loadStoredTest(curve, query);
            for (int k = 0; k < curve.points(); ++k)
                kept.push_back(float(curve(k, 1) / 100));
        }
        EXPECT_TRUE(loaded.ok()) << c.what;
        EXPECT_EQ(kept, c.kept) << c.what;
        EXPECT_EQ(loaded.points, int(c.kept.size())) << c.what;
        EXPECT_EQ(loaded.repeated, c.repeated) << c.what;
        EXPECT_EQ(loaded.notFinite, c.notFinite) << c.what;
        QStringList notes;
        if (c.repeated)
            notes << QString::number(c.repeated) + repeated;
        if (c.notFinite)
            notes << QString::number(c.notFinite) + notFinite;
        EXPECT_EQ(loaded.leftOut(), notes) << c.what;
        lx::tellLeftOut(loaded);
        ASSERT_EQ(services.messages->msgBoxCalls.size(), notes.isEmpty() ? 0u : 1u) << c.what;
        if (!notes.isEmpty())
            EXPECT_EQ(services.messages->msgBoxCalls[0].text, notes.join(u'\r')) << c.what;
    }
}

TEST(OpenOrTell, AConnectionOrQueryThatFailsIsToldOnceWithItsReason)
{
    lx::testing::ScriptedServices services;
    PointsTable table({{0.0, 1.0}});
    lx::Connection connection;
    EXPECT_TRUE(lx::openOrTell(connection, table.connection, QStringLiteral("The stored tests could not be opened.\r")));
    EXPECT_EQ(connection.State(), lx::adStateOpen);
    EXPECT_TRUE(lx::queryOrTell(QStringLiteral("unused"), [&] { lx::Recordset rs; rs.Open(QStringLiteral("SELECT * FROM TestResults"), connection, lx::adOpenDynamic, lx::adLockUnspecified); }));
    EXPECT_TRUE(services.messages->msgBoxCalls.empty());

    lx::Connection missing;
    EXPECT_FALSE(lx::openOrTell(missing, lx::ConnectionString::format(QStringLiteral("/nonexistent/points.db"), QStringLiteral("mobkel")),
                                QStringLiteral("The stored tests could not be opened.\r")));
    EXPECT_NE(missing.State(), lx::adStateOpen);
    EXPECT_FALSE(lx::queryOrTell(QStringLiteral("The stored tests could not be read.\r"), [&] {
        lx::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM NoSuchTable"), connection, lx::adOpenDynamic, lx::adLockUnspecified);
    }));
    ASSERT_EQ(services.messages->msgBoxCalls.size(), 2u);
    for (const auto& [call, prefix] : {std::pair{services.messages->msgBoxCalls[0], "The stored tests could not be opened.\r"},
                                       std::pair{services.messages->msgBoxCalls[1], "The stored tests could not be read.\r"}}) {
        EXPECT_TRUE(call.text.startsWith(QString::fromLatin1(prefix))) << call.text.toStdString();
        EXPECT_GT(call.text.size(), QString::fromLatin1(prefix).size()) << "the reason follows";
        EXPECT_EQ(call.style, lx::vbOKOnly | lx::vbExclamation);
    }
}

} // namespace
