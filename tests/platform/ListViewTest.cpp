#include "platform/ListView.h"

#include <gtest/gtest.h>

#include <QHeaderView>

using namespace lx;

TEST(ListViewTest, KeyedColumnsInTwipsAndLinesWithSubItems)
{
    ListView lv;
    EXPECT_EQ(lv.addColumn(QStringLiteral("No"), QStringLiteral("No."), 600), 0);
    EXPECT_EQ(lv.addColumn(QStringLiteral("Strain"), QStringLiteral("Axial Strain (%)"), 1500, ListView::lvwColumnRight), 1);
    EXPECT_EQ(lv.columnIndex(QStringLiteral("Strain")), 1);
    EXPECT_EQ(lv.columnIndex(QStringLiteral("missing")), -1);
    EXPECT_EQ(lv.columnWidth(0), 40);
    EXPECT_EQ(lv.columnWidth(1), 100);
    EXPECT_EQ(lv.headerItem()->text(1), u"Axial Strain (%)");

    EXPECT_EQ(lv.addLine(QStringLiteral("1"), {QStringLiteral("0.5")}, QStringLiteral("first point")), 0);
    lv.addLine(QStringLiteral("2"));
    lv.setSubItem(1, 1, QStringLiteral("1.0"), QStringLiteral("tip"));
    EXPECT_EQ(lv.lineCount(), 2);
    EXPECT_EQ(lv.cellText(0, 1), u"0.5");
    EXPECT_EQ(lv.cellText(1, 1), u"1.0");
    EXPECT_EQ(lv.topLevelItem(0)->toolTip(0), u"first point");
    EXPECT_EQ(lv.topLevelItem(1)->toolTip(1), u"tip");
    EXPECT_EQ(lv.topLevelItem(0)->textAlignment(1) & Qt::AlignRight, Qt::AlignRight);
    EXPECT_TRUE(lv.cellText(5, 0).isEmpty());
    lv.clearLines();
    EXPECT_EQ(lv.lineCount(), 0);
    EXPECT_EQ(lv.columnCount(), 2);
}
