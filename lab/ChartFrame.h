#pragma once
// A chart's frame (picFrame): the drawing surface (picDraw) and the labels around it,
// five tick captions per axis (index 0 at the origin end), the chart's title, the unit of
// its vertical axis and the name of its horizontal axis, all placed in twips. The
// caller's layout gives the positions; the screens and report pages differ in them. A
// chart of two curves (the hollow cylinder's) also has a second title and a legend mark
// beside each title, hidden until the chart shows them.
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace lx {

class LegendMark;
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
    // The second curve's title (lblTitle2); an empty rectangle: none.
    QRectF secondTitle = {};
    // Legend marks (marks[i]) in twips within the frame: the line beside the title first.
    struct Mark {
        QPointF from, to;
        int width = 2;
    };
    std::vector<Mark> marks = {};
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
    // The second title (bold, hidden; null when the layout has none) and the legend marks
    // (hidden until shown with their curves' colours).
    QLabel* lblTitle2 = nullptr;
    std::vector<LegendMark*> marks;

    // The vertical axis's title ("(kPa)", "Vert. Disp. (mm)"): its label grows to the right
    // to hold it whole, and the chart's title moves right to clear it where they share a row.
    void setUnit(const QString& text);
    // Tick captions; missing ones leave their labels empty.
    void setCaptions(const QStringList& x, const QStringList& y);
    // Centres lblX(0 .. divisions) under the lines that cut the surface's width into
    // 'divisions' equal parts (a log axis's decades) and hides the labels beyond. A caption
    // at the surface's end narrows to stay inside the frame, still centred on its line.
    void centreXCaptions(int divisions);
};

} // namespace lx
