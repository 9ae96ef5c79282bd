#include "platform/Database.h"

#include "DataPacker.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace lx;

namespace {

// The sample database packed afresh into a temporary folder for each test.
class Database : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("Sample.lxr"));
        pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/sample"), QStringLiteral("mobkel"), path);
    }
    QTemporaryDir dir;
    QString path;
};

TEST(ConnectionStringTest, ReadsEveryPartWhateverTheCaseOfItsKeys)
{
    const auto cs = ConnectionString::parse(
        QStringLiteral("DBQ=/tmp/x/LXSandCIDC.lxr;Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;"));
    EXPECT_EQ(cs.path, u"/tmp/x/LXSandCIDC.lxr");
    EXPECT_EQ(cs.driver, u"Microsoft Access Driver (*.mdb)");
    EXPECT_EQ(cs.password, u"mobkel");
    EXPECT_FALSE(cs.readOnly);
    const auto ro = ConnectionString::parse(QStringLiteral("dbq=a.lxq; pwd=tarvinduso; ReadOnly=true"));
    EXPECT_EQ(ro.path, u"a.lxq");
    EXPECT_EQ(ro.password, u"tarvinduso");
    EXPECT_TRUE(ro.readOnly);
}

TEST(ConnectionStringTest, ABracedPathKeepsItsSemicolonsBracesAndBlanks)
{
    const QString path = QStringLiteral("/tmp/a;b}c/ x;y.lxq");
    EXPECT_EQ(ConnectionString::braced(path), u"{/tmp/a;b}}c/ x;y.lxq}");
    const QString text = ConnectionString::format(path, QStringLiteral("tarvinduso"));
    EXPECT_EQ(text, u"DBQ={/tmp/a;b}}c/ x;y.lxq};Driver={Microsoft Access Driver (*.mdb)};Pwd=tarvinduso;");
    const auto cs = ConnectionString::parse(text);
    EXPECT_EQ(cs.path, path);
    EXPECT_EQ(cs.driver, u"Microsoft Access Driver (*.mdb)");
    EXPECT_EQ(cs.password, u"tarvinduso");
    EXPECT_FALSE(cs.readOnly);
    const QString readOnly = ConnectionString::format(QStringLiteral("/tmp/Users.lxu"), QStringLiteral("mobkel"), true);
    EXPECT_EQ(readOnly, u"DBQ={/tmp/Users.lxu};Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;READONLY=True");
    EXPECT_TRUE(ConnectionString::parse(readOnly).readOnly);
}

TEST_F(Database, OpenFailsAtOnceOnAWrongPasswordAMissingFileOrAPlainFile)
{
    Connection ok;
    EXPECT_NO_THROW(ok.Open(ConnectionString::format(path, QStringLiteral("mobkel"))));
    EXPECT_EQ(ok.State(), adStateOpen);

    QFile plain(dir.filePath(QStringLiteral("notes.lxq")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write(QByteArray(4096, 'x'));
    plain.close();

    QFile empty(dir.filePath(QStringLiteral("empty.lxq")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    const QString bad[] = {
        ConnectionString::format(empty.fileName(), QStringLiteral("tarvinduso")),
        ConnectionString::format(path, QStringLiteral("wrong")),
        ConnectionString::format(path, QString()),
        ConnectionString::format(dir.filePath(QStringLiteral("missing.lxr")), QStringLiteral("mobkel")),
        ConnectionString::format(plain.fileName(), QStringLiteral("mobkel")),
    };
    for (const QString& cs : bad) {
        Connection c;
        EXPECT_THROW(c.Open(cs), DatabaseError) << cs.toStdString();
        EXPECT_EQ(c.State(), adStateClosed);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.lxr")))) << "opening must not create a file";
    EXPECT_EQ(empty.size(), 0) << "opening must not make the empty file a database";
}

TEST_F(Database, ADatabaseWithoutTablesIsNone)
{
    // A quiz or reference file is read by its tables: one without any fails at open.
    QTemporaryDir source;
    QFile schema(source.filePath(QStringLiteral("schema.sql")));
    ASSERT_TRUE(schema.open(QIODevice::WriteOnly));
    schema.write("CREATE VIEW Nothing AS SELECT 1;\n");
    schema.close();
    const QString bare = dir.filePath(QStringLiteral("bare.lxq"));
    pack::packDatabase(source.path(), QStringLiteral("tarvinduso"), bare);
    Connection c;
    try {
        c.Open(ConnectionString::format(bare, QStringLiteral("tarvinduso")));
        ADD_FAILURE() << "opened";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"is not a database")) << e.message().toStdString();
    }
}

TEST_F(Database, AFileHeldLockedIsReportedAsInUseNotAsAWrongPassword)
{
    Connection holder;
    holder.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
    holder.ExecuteNonQuery(QStringLiteral("BEGIN EXCLUSIVE"));
    holder.ExecuteNonQuery(QStringLiteral("UPDATE TestInfo SET [Sigma3 (kPa)] = 1"));
    Connection c;
    try {
        c.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
        ADD_FAILURE() << "opened";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(u"in use")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
        EXPECT_FALSE(e.message().contains(u"password")) << e.message().toStdString();
    }
    holder.ExecuteNonQuery(QStringLiteral("ROLLBACK"));
    EXPECT_NO_THROW(c.Open(ConnectionString::format(path, QStringLiteral("mobkel"))));
}

TEST_F(Database, AFurtherConnectionReusesTheKeyAndTheFileKeepsItsPassword)
{
    Connection::forgetDerivedKeys();
    const QString cs = ConnectionString::format(path, QStringLiteral("mobkel"));
    {
        Connection first;
        first.Open(cs);
        Connection further;
        further.Open(cs);
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM TestInfo WHERE TestID = 'BK-100'"), further, adOpenDynamic, adLockOptimistic);
        rs.Fields(3).Value = 135.0;
        rs.Update();
    }
    // A wrong password still fails, also once the right one's key is known.
    Connection wrong;
    EXPECT_THROW(wrong.Open(ConnectionString::format(path, QStringLiteral("mobkel2"))), DatabaseError);
    // The same path packed anew (another salt): the known key does not fit, the password does.
    const QString other = dir.filePath(QStringLiteral("Other.lxr"));
    pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/sample"), QStringLiteral("mobkel"), other);
    ASSERT_TRUE(QFile::rename(path, dir.filePath(QStringLiteral("Written.lxr"))));
    ASSERT_TRUE(QFile::rename(other, path));
    Connection replaced;
    EXPECT_NO_THROW(replaced.Open(cs));
    replaced.Close();

    // What was written through the reused key reads with the password in the sqlcipher tool.
    QProcess k;
    k.start(QStringLiteral("sqlcipher"), {dir.filePath(QStringLiteral("Written.lxr"))});
    if (!k.waitForStarted())
        GTEST_SKIP() << "sqlcipher command-line tool not installed";
    k.write("PRAGMA key = 'mobkel';\nSELECT [Sigma3 (kPa)] FROM TestInfo WHERE TestID = 'BK-100';\n");
    k.closeWriteChannel();
    k.waitForFinished();
    EXPECT_EQ(k.readAllStandardOutput().trimmed(), QByteArray("135.0"));
}

TEST_F(Database, PackedFileIsUnreadableWithoutItsKey)
{
    const QString cli = QStringLiteral("sqlcipher");
    QProcess p;
    p.start(cli, {path, QStringLiteral("SELECT count(*) FROM TestInfo;")});
    if (!p.waitForStarted())
        GTEST_SKIP() << "sqlcipher command-line tool not installed";
    p.waitForFinished();
    EXPECT_FALSE(p.readAllStandardOutput().contains("3"));

    QProcess k;
    k.start(cli, {path});
    k.waitForStarted();
    k.write("PRAGMA key = 'mobkel';\nSELECT count(*) FROM TestInfo;\n");
    k.closeWriteChannel();
    k.waitForFinished();
    EXPECT_EQ(k.readAllStandardOutput().trimmed(), QByteArray("3"));
}

TEST_F(Database, ReadsTheReplayStatementInPointOrderWithFieldsByPositionAndName)
{
    Connection c;
    c.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * from TestResults WHERE TestID = ") + u'\'' + QStringLiteral("bk-100") + u'\'' +
                QStringLiteral("order by [Point Number]"),
            c, adOpenDynamic, adLockUnspecified);
    ASSERT_EQ(rs.RecordCount(), 301) << "text keys match without regard to case";
    int expected = 1;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        ASSERT_EQ(rs.Fields(2).Value.toInt(), expected++);
        EXPECT_EQ(rs.Fields(1).toText(), u"BK-100");
    }
    EXPECT_EQ(expected, 302);
    rs.MoveFirst();
    EXPECT_DOUBLE_EQ(rs.Fields(QStringLiteral("axialstrain")).toDouble(), 0.0);
    EXPECT_THROW(rs.Fields(9), DatabaseError);
    EXPECT_THROW(rs.Fields(QStringLiteral("NoSuchColumn")), DatabaseError);
    while (!rs.eof())
        rs.MoveNext();
    EXPECT_THROW(rs.MoveNext(), DatabaseError);
    EXPECT_THROW(rs.Fields(0), DatabaseError);
}

TEST_F(Database, RunsTheStatementsOfTheTestWindowsAsWritten)
{
    Connection c;
    c.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
    struct C { const char* sql; long rows; };
    const C cases[] = {
        {"SELECT * FROM TestInfo WHERE ReferenceNumber =5", 1},
        {"SELECT * FROM TestInfo WHERE ReferenceNumber = 5.1 And [WaterContent(%)] BETWEEN 0 And 100", 0},
        {"SELECT * FROM TestInfo WHERE ReferenceNumber = 5 And [Sigma3 (kPa)] BETWEEN 50 And 150", 1},
        {"SELECT * from TestResults WHERE ReferenceNumber = 5 AND TestID = 'BK-100'order by [Point Number]", 301},
        {"SELECT * from TestResults WHERE ReferenceNumber = 5.1 AND TestID = 'BK-200'", 2},
        {"SELECT DISTINCT [Reference Number], Reference, Date, [Soil Description] from Reference WHERE [Reference Number] = 5", 1},
    };
    for (const C& k : cases) {
        Recordset rs;
        rs.Open(QString::fromLatin1(k.sql), c);
        EXPECT_EQ(rs.RecordCount(), k.rows) << k.sql;
    }
    Recordset ref;
    ref.Open(QString::fromLatin1(cases[5].sql), c);
    EXPECT_EQ(ref.Fields(QStringLiteral("Soil Description")).toText(), u"Soft clay, \"sample\"");
}

TEST_F(Database, NullAndTheTextNullAreBothMissing)
{
    Connection c;
    c.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = ?"), c, adOpenDynamic, adLockUnspecified, {5.1});
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_TRUE(rs.Fields(2).isMissing()) << "the text Null";
    EXPECT_EQ(rs.Fields(2).toDouble(), 0.0);
    rs.Open(QStringLiteral("SELECT * FROM TestInfo WHERE TestID = ?"), c, adOpenDynamic, adLockUnspecified, {QStringLiteral("ot-050")});
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_TRUE(rs.Fields(2).isMissing()) << "a database null";
    EXPECT_FALSE(rs.Fields(3).isMissing());
    EXPECT_EQ(rs.Fields(0).Value.typeId(), QMetaType::Double) << "reference numbers are REAL";
}

TEST_F(Database, BoundParametersAreNeverReadAsSql)
{
    Connection c;
    c.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TestInfo WHERE TestID = ?"), c, adOpenDynamic, adLockUnspecified,
            {QStringLiteral("x' OR '1'='1")});
    EXPECT_EQ(rs.RecordCount(), 0);
}

TEST_F(Database, UpdateWritesTheChangedFieldsAndReadOnlyRefusesWrites)
{
    {
        Connection c;
        c.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM TestInfo WHERE TestID = 'BK-100'"), c, adOpenDynamic, adLockOptimistic);
        ASSERT_EQ(rs.fieldCount(), 4) << "the row id stays hidden";
        rs.Fields(3).Value = 125.0;
        rs.Update();
    }
    {
        Connection c;
        c.Open(ConnectionString::format(path, QStringLiteral("mobkel"), true));
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM TestInfo WHERE TestID = 'BK-100'"), c, adOpenDynamic, adLockOptimistic);
        EXPECT_DOUBLE_EQ(rs.Fields(3).toDouble(), 125.0);
        EXPECT_DOUBLE_EQ(rs.Fields(2).toDouble(), 62.5);
        rs.Fields(3).Value = 1.0;
        EXPECT_THROW(rs.Update(), DatabaseError);
        EXPECT_THROW(c.ExecuteNonQuery(QStringLiteral("DELETE FROM TestInfo")), DatabaseError);
    }
    Recordset notUpdatable;
    Connection c;
    c.Open(ConnectionString::format(path, QStringLiteral("mobkel")));
    notUpdatable.Open(QStringLiteral("SELECT * FROM TestInfo"), c);
    notUpdatable.Fields(3).Value = 1.0;
    EXPECT_THROW(notUpdatable.Update(), DatabaseError);
}

TEST(CsvTest, ParsesQuotesEmptyFieldsAndLineEnds)
{
    const auto rows = pack::parseCsv(QStringLiteral("a,b,c\r\n1,\"x, \"\"y\"\"\",\n\"\",,3"));
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(rows[1].size(), 3u);
    EXPECT_EQ(rows[1][1].text, u"x, \"y\"");
    EXPECT_TRUE(rows[1][2].text.isEmpty());
    EXPECT_FALSE(rows[1][2].quoted);
    EXPECT_TRUE(rows[2][0].quoted);
    EXPECT_EQ(rows[2][2].text, u"3");
    EXPECT_THROW(pack::parseCsv(QStringLiteral("a,\"b")), std::runtime_error);
}

} // namespace
