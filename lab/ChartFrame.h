#pragma once
// A chart's frame (picFrame): the drawing surface (picDraw) and the labels around it,
// five tick captions per axis (index 0 at the origin end), the chart's title, the unit of
// its vertical axis and the name of its horizontal axis, all placed in twips. The
// caller's layout gives the positions; the screens and report pages differ in them.
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;

namespace lx {

class PictureBox;

struct ChartFrameLayout {
    QRectF frame;                       // the frame in its parent (left, top, width, height)
    QRectF surface;                     // picDraw in the frame
    std::array<double, 5> xTickLefts;   // lblX(0 .. 4)
    double xTickTop;
    double yTickLeft;
    std::array<double, 5> yTickTops;    // lblY(0 .. 4), index 0 lowest
    double tickWidth = 555, tickHeight = 195;
    double yTickWidth = 0;              // 0: tickWidth
    QRectF title, unit, xName;
    // The replay screens' charts (picFrame with picDraw of 2775 x 2505 at 600, 555).
    static ChartFrameLayout replayScreen();
    // The report pages' charts (picFrame of 3615 x 2865 with picDraw of 2775 x 2085).
    static ChartFrameLayout reportPage();
};

class ChartFrame : public QWidget {
    Q_OBJECT
public:
    explicit ChartFrame(const ChartFrameLayout& layout, QWidget* parent = nullptr);

    PictureBox* picDraw;
    std::array<QLabel*, 5> lblX;
    std::array<QLabel*, 5> lblY;
    QLabel* lblTitle;
    QLabel* lblUnit;
    QLabel* lblXAxisName;

    // Tick captions; missing ones leave their labels empty.
    void setCaptions(const QStringList& x, const QStringList& y);
};

} // namespace lx
