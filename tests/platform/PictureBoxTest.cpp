#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/PictureBox.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

using namespace lx;

namespace {

// Counts pixels of one colour in a grab of the box.
int countColour(const QImage& image, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == c;
    return n;
}

TEST(PictureBoxTest, TwipsByDefaultAndUserScalesWithYUpwards)
{
    PictureBox box;
    box.resize(200, 100);
    EXPECT_DOUBLE_EQ(box.ScaleWidth(), 3000);
    EXPECT_DOUBLE_EQ(box.ScaleHeight(), 1500);
    box.Scale(0, 10, 100, 0);   // x 0..100 left to right, y 0..10 bottom to top
    box.setBackColor(Qt::white);
    box.DrawWidth = 1;
    box.Line(0, 0, 100, 10, QBColor(12));
    ASSERT_EQ(box.displayList().size(), 1u);
    const DrawOp& op = box.displayList().front();
    EXPECT_EQ(op.from, QPointF(0, 0));
    EXPECT_EQ(op.to, QPointF(100, 10));
    EXPECT_EQ(op.toPixels.map(QPointF(0, 0)), QPointF(0, 100));   // bottom-left
    EXPECT_EQ(op.toPixels.map(QPointF(100, 10)), QPointF(200, 0));
    EXPECT_EQ(box.CurrentX, 100);
    EXPECT_EQ(box.CurrentY, 10);
    const QImage shot = box.grab().toImage();
    EXPECT_GT(countColour(shot, QBColor(12)), 150) << "the line is painted from the list";
}

TEST(PictureBoxTest, PrintPutsTheTopLeftOfTheTextAtThePointAndMovesDown)
{
    PictureBox box;
    box.resize(300, 200);
    box.setBackColor(Qt::white);
    box.setFontSize(12);
    box.CurrentX = 600;
    box.CurrentY = 300;
    box.ForeColor = Qt::black;
    box.Print(QStringLiteral("Axial strain"));
    EXPECT_DOUBLE_EQ(box.CurrentX, 0);
    EXPECT_NEAR(box.CurrentY, 300 + box.TextHeight(), 1e-9);
    ASSERT_EQ(box.displayList().size(), 1u);
    EXPECT_EQ(box.displayList().front().text, u"Axial strain");

    // No ink above the point: the text hangs below it.
    const QImage shot = box.grab().toImage();
    int topInk = shot.height();
    for (int y = 0; y < shot.height() && topInk == shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) != QColor(Qt::white)) {
                topInk = y;
                break;
            }
    EXPECT_GE(topInk, tw(300));
    EXPECT_LE(topInk, tw(300) + 6);

    box.Print(QStringLiteral("kPa"), false);
    EXPECT_GT(box.CurrentX, 0);
}

TEST(PictureBoxTest, ClsEmptiesTheListAndPaintPictureTakesItsPlace)
{
    PictureBox box;
    box.resize(100, 100);
    box.setBackColor(Qt::white);
    box.Box(0, 0, 750, 750, QBColor(9), true);
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    box.PaintPicture(red, 750, 750, 750, 750);
    EXPECT_EQ(box.displayList().size(), 2u);
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QBColor(9));
    EXPECT_EQ(shot.pixelColor(70, 70), QColor(Qt::red));
    box.Cls();
    EXPECT_TRUE(box.displayList().empty());
    EXPECT_EQ(box.grab().toImage().pixelColor(10, 10), QColor(Qt::white));
}

TEST(ColorsTest, ClassicPaletteAndBlueGreenRedLiterals)
{
    EXPECT_EQ(QBColor(0), QColor(0, 0, 0));
    EXPECT_EQ(QBColor(1), QColor(0, 0, 128));
    EXPECT_EQ(QBColor(8), QColor(128, 128, 128));
    EXPECT_EQ(QBColor(9), QColor(0, 0, 255));
    EXPECT_EQ(QBColor(10), QColor(0, 255, 0));
    EXPECT_EQ(QBColor(12), QColor(255, 0, 0));
    EXPECT_EQ(QBColor(15), QColor(255, 255, 255));
    EXPECT_EQ(BgrColor(0x800000), QColor(0, 0, 128));
    EXPECT_EQ(BgrColor(0x404040), QColor(64, 64, 64));
    EXPECT_EQ(toBgr(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(tw(1500), 100);
    EXPECT_EQ(clientSizeForOuter(6800, 3870), QSize(445, 231));
}

} // namespace
