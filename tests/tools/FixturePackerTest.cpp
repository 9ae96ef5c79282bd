// The fixture packer: a few rows per table under an installed schema, read back through the
// program's own connection; rows that do not fit the schema are refused with their place.
#include "tests/common/FixturePacker.h"
#include "tests/common/TestHelpers.h"

#include "platform/Database.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(FixturePacker, RowsPackUnderTheInstalledSchemaAndReadBackTyped)
{
    QTemporaryDir dir;
    const QString path = fixture::packDatabase(dir.path(), QStringLiteral("LXDirectShear"),
                                               {{QStringLiteral("TestInfo"), {QStringLiteral("103,DS-1,0.3,1.8,0.9,0.58,75,0.66,50,0.5"),
                                                                              QStringLiteral("103,DS-2,Null,,0.9,0.58,75,0.66,100,0.5")}},
                                                {QStringLiteral("TestResults"), {QStringLiteral("103,DS-1,1,0,0,0"),
                                                                                 QStringLiteral("103,DS-1,2,0.25,31.5,-0.01")}}},
                                               QStringLiteral("mobkel"));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("LXDirectShear.lxr")));
    lx::Connection c;
    ASSERT_NO_THROW(c.Open(lx::testing::connectionTo(path, QStringLiteral("mobkel"), true)));

    auto info = c.Execute(QStringLiteral("SELECT TestID, \"Average Particle Size (mm)\", \"Coefficient of Uniformity\","
                                         " \"Normal Stress (kPa)\" FROM TestInfo ORDER BY TestID"));
    ASSERT_EQ(info->RecordCount(), 2);
    EXPECT_EQ(info->Fields(0).Value.toString(), u"DS-1");
    EXPECT_EQ(info->Fields(1).Value.typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(info->Fields(3).Value.toDouble(), 50.0);
    info->MoveNext();
    // The text Null stays text and an empty field is a missing value: both read as missing.
    EXPECT_EQ(info->Fields(1).Value.toString(), u"Null");
    EXPECT_TRUE(info->Fields(1).isMissing());
    EXPECT_TRUE(info->Fields(2).Value.isNull());

    auto points = c.Execute(QStringLiteral("SELECT \"Point Number\", \"Shear Stress (kPa)\" FROM TestResults ORDER BY 1"));
    ASSERT_EQ(points->RecordCount(), 2);
    points->MoveNext();
    EXPECT_EQ(points->Fields(0).Value.typeId(), QMetaType::LongLong);
    EXPECT_DOUBLE_EQ(points->Fields(1).Value.toDouble(), 31.5);
    // A table not named is there, empty.
    EXPECT_EQ(c.Execute(QStringLiteral("SELECT * FROM Reference"))->RecordCount(), 0);
}

TEST(FixturePacker, RowsThatDoNotFitTheSchemaAreRefusedAndLeaveNoFile)
{
    struct Case {
        const char* what;
        std::vector<lx::pack::TableRows> tables;
        const char* message;
    } const cases[] = {
        {"a field short", {{QStringLiteral("TestResults"), {QStringLiteral("103,DS-1,1,0,0,0"), QStringLiteral("103,DS-1,2,0.25,31.5")}}},
         "TestResults row 2: 5 fields, 6 expected"},
        {"a table the schema lacks", {{QStringLiteral("Results"), {QStringLiteral("1")}}}, "has no table Results"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        QTemporaryDir dir;
        try {
            fixture::packDatabase(dir.path(), QStringLiteral("LXDirectShear"), k.tables, QStringLiteral("mobkel"));
            ADD_FAILURE() << "packed";
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QLatin1String(k.message))) << e.what();
        }
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("LXDirectShear.lxr"))));
    }
}

} // namespace
