// The parametric studies' walk over a query's rows: the first values in stored order, ascending.
#include "lab/StudyWalk.h"

#include "DataPacker.h"
#include "platform/Database.h"
#include "tests/common/TestHelpers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// TestInfo rows (TestID, varied value; a null QVariant is a missing value) in stored order.
class InfoTable {
public:
    explicit InfoTable(const std::vector<std::pair<QString, QVariant>>& rows)
    {
        const QString source = dir.filePath(QStringLiteral("source"));
        lx::testing::writeFile(source + QStringLiteral("/schema.sql"),
                               "CREATE TABLE TestInfo (ReferenceNumber REAL, TestID TEXT, v REAL);\n");
        lx::testing::writeFile(source + QStringLiteral("/TestInfo.csv"), "ReferenceNumber,TestID,v\n");
        const QString path = dir.filePath(QStringLiteral("info.db"));
        lx::pack::packDatabase(source, QStringLiteral("mobkel"), path);
        db.Open(lx::ConnectionString::format(path, QStringLiteral("mobkel")));
        for (const auto& [id, v] : rows)
            db.ExecuteNonQuery(QStringLiteral("INSERT INTO TestInfo VALUES (1, ?, ?)"), {id, v});
    }
    std::vector<lx::StudyValue> walk(int cap, int decimals)
    {
        const std::unique_ptr<lx::Recordset> rs = db.Execute(QStringLiteral("SELECT * FROM TestInfo"));
        return lx::studyWalk(*rs, cap, 2, decimals);
    }

private:
    QTemporaryDir dir;
    lx::Connection db;
};

QStringList texts(const std::vector<lx::StudyValue>& values)
{
    QStringList out;
    for (const lx::StudyValue& v : values)
        out << v.text + u'=' + v.testId;
    return out;
}

TEST(StudyWalk, KeepsTheFirstDistinctValuesInStoredOrderAndSortsThemAscending)
{
    // Eight distinct angles and a duplicate of 30 in between.
    InfoTable table({{"A90", 90}, {"A15", 15}, {"A30", 30}, {"A30b", 30.4}, {"A00", 0}, {"A75", 75},
                     {"A45", 45}, {"A60", 60}, {"A05", 5}});
    EXPECT_EQ(texts(table.walk(7, 0)), QStringList({"0=A00", "15=A15", "30=A30", "45=A45", "60=A60", "75=A75", "90=A90"}))
        << "the eighth value (5) is left out, the duplicate keeps the first test";
    EXPECT_EQ(texts(table.walk(5, 0)), QStringList({"0=A00", "15=A15", "30=A30", "75=A75", "90=A90"}));
    EXPECT_EQ(texts(table.walk(0, 0)), QStringList());
}

TEST(StudyWalk, RoundsToTheBoxDecimalsAndPassesOverMissingValues)
{
    InfoTable table({{"T1", 0.254}, {"T2", QVariant()}, {"T3", 0.25}, {"T4", 1}, {"T5", 0.1}});
    EXPECT_EQ(texts(table.walk(7, 2)), QStringList({"0.1=T5", "0.25=T1", "1=T4"}));
    InfoTable none({});
    EXPECT_TRUE(none.walk(7, 2).empty());
}

} // namespace
