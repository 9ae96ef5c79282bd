#include "lab/ParamBoxes.h"

#include "platform/Database.h"

#include "DataPacker.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace lx;

namespace {

// One stored row: a number, an integer, a zero, a database null, the text "Null", a text,
// a value that rounds, and two texts in a number's column.
class StoredRow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        write(QStringLiteral("schema.sql"),
              "CREATE TABLE TestInfo (ReferenceNumber REAL, TestID TEXT, a REAL, b INTEGER, c REAL, d REAL, e TEXT, f TEXT, g REAL, h REAL, i REAL);\n");
        write(QStringLiteral("TestInfo.csv"),
              "ReferenceNumber,TestID,a,b,c,d,e,f,g,h,i\n7.1,CH-100,0.85,12,0,,Null,Silty,2.345,1.236 (about),about 2\n");
        const QString path = dir.filePath(QStringLiteral("Row.lxr"));
        pack::packDatabase(dir.path(), QStringLiteral("mobkel"), path);
        db.Open(lx::ConnectionString::format(path, QStringLiteral("mobkel")));
        rs.Open(QStringLiteral("SELECT * FROM TestInfo"), db);
    }
    void write(const QString& name, const QByteArray& text)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir dir;
    Connection db;
    Recordset rs;
};

} // namespace

TEST(ParamBoxes, NumberTextsClassicAndPlainInBothPrecisions)
{
    struct Case { double v; ParamFormat f; const char* text; };
    const Case cases[] = {
        {0.85, {}, "0.85"},
        {0.85, {.classic = true}, " .85"},
        {-0.5, {.classic = true}, "-.5"},
        {12, {.classic = true}, " 12"},
        {0, {}, "0"},
        {0, {.classic = true}, " 0"},
        {0, {.zeroIsMissing = true}, "N/A"},
        {0, {.classic = true, .zeroIsMissing = true}, "N/A"},
        {0, {.zeroIsMissing = true, .missing = QString()}, ""},
        {0.1 + 0.2, {}, "0.3"},
        {1.0 / 3, {.single = true}, "0.3333333"},
        {1.0 / 3, {.classic = true, .single = true}, " .3333333"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParamText(c.v, c.f), QString::fromLatin1(c.text)) << c.v << " -> " << c.text;
}

TEST(ParamBoxes, NotAvailableReadsBackAsZero)
{
    EXPECT_EQ(ParamValue(NotAvailable), 0.0);
    EXPECT_EQ(ParamValue(u""), 0.0);
    EXPECT_EQ(ParamValue(u" .85"), 0.85);
    EXPECT_EQ(ParamValue(u"120abc"), 120.0);
    // A text written by either form reads back as its value.
    for (double v : {0.85, 1.5, 3805.0, 0.075})
        for (bool classic : {false, true})
            EXPECT_EQ(ParamValue(ParamText(v, {.classic = classic})), v);
}

TEST_F(StoredRow, FieldsMissingAsNullOrAsTheTextNullShowTheMissingText)
{
    EXPECT_EQ(ParamText(rs.Fields(2)), u"0.85");
    EXPECT_EQ(ParamText(rs.Fields(3)), u"12");
    EXPECT_EQ(ParamText(rs.Fields(4)), u"0");
    EXPECT_EQ(ParamText(rs.Fields(4), {.zeroIsMissing = true}), u"N/A");
    EXPECT_EQ(ParamText(rs.Fields(5)), u"N/A");
    EXPECT_EQ(ParamText(rs.Fields(6)), u"N/A");
    EXPECT_EQ(ParamText(rs.Fields(6), {.missing = QString()}), u"");
    EXPECT_EQ(ParamText(rs.Fields(7)), u"Silty");
    EXPECT_EQ(ParamText(rs.Fields(8), {}, 2), u"2.34");   // a half goes to the even neighbour
    // A slot that rounds shows the leading number of a text, rounded, and 0 without one;
    // a slot that does not shows the text.
    EXPECT_EQ(ParamText(rs.Fields(9), {}, 2), u"1.24");
    EXPECT_EQ(ParamText(rs.Fields(10), {}, 2), u"0");
    EXPECT_EQ(ParamText(rs.Fields(9)), u"1.236 (about)");
    EXPECT_EQ(ParamText(rs.Fields(5), {}, 2), u"N/A");
    EXPECT_EQ(ParamText(rs.Fields(2), {.classic = true}), u" .85");
}

TEST_F(StoredRow, ATableOfPositionsFillsItsBoxesAndLeavesTheOthersMissing)
{
    // Boxes 0, 1, 5 and 6 of seven from positions 2, 3, 4 and 5, zero and null missing.
    const ParamSlot table[] = {{0, 2}, {1, 3}, {5, 4}, {6, 5}};
    EXPECT_EQ(ParamTexts(rs, table, 7, {.zeroIsMissing = true}),
              QStringList({"0.85", "12", "N/A", "N/A", "N/A", "N/A", "N/A"}));
    // A rounded slot, a slot past the row's end and a box past the count are harmless.
    const ParamSlot odd[] = {{0, 8, 1}, {1, 40}, {9, 2}};
    EXPECT_EQ(ParamTexts(rs, odd, 2), QStringList({"2.3", "N/A"}));
    rs.MoveNext();
    EXPECT_EQ(ParamTexts(rs, table, 2), QStringList({"N/A", "N/A"}));
}

TEST(ParamBoxes, ATableOfPositionsMapsAnArrayOfValues)
{
    const double init[8] = {35, 20, 0.5, 41, 0, 0, 100, 30};
    const ParamSlot table[] = {{0, 0}, {1, 1}, {5, 2}, {6, 3}, {7, 6}, {2, 12}};
    EXPECT_EQ(ParamTexts(init, table, 8, {.classic = true, .zeroIsMissing = true}),
              QStringList({" 35", " 20", "N/A", "N/A", "N/A", " .5", " 41", " 100"}));
}
