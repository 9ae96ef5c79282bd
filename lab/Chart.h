#pragma once
// The one chart drawer: a chart's grid, curves and markers on a picture surface, from two
// axes. A value (x, y) lies at ((x - x.min) * sx, (y.max - y) * sy), so the axis maximum
// is on the top edge. Whole curves are drawn with plot(); a replay grows a curve point by
// point with a ChartTrace. Segments are drawn in the curve's colour; markers are texts
// ("*") printed with their top-left at an offset from the point.
#include "lab/ChartAxis.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace lx {

class PictureBox;

struct GridStyle {
    int verticalLines = 8;      // at k * W / n for k = 1 .. n (the last on the right edge)
    int horizontalLines = 3;    // at k * H / (n + 1) for k = 1 .. n
    QColor verticalColor = Qt::black;
    QColor horizontalColor = Qt::black;
    bool wholeSteps = false;    // the spacing rounded to whole units first (halves to even)
    // Further vertical lines at fractions of the width, in their own colours.
    struct Line {
        double fraction;
        QColor color;
    };
    std::vector<Line> extraVertical = {};
};

// The grid of a log chart over LogDecades decades: no eighths, but a black line at each
// decade and a light grey one at five times each (lines past the right edge included,
// as the charts draw them).
GridStyle logGrid();

struct MarkerStyle {
    QString text = QStringLiteral("*");   // empty: no marker
    QPointF firstOffset{-40, -70};        // the marker of a curve's first point
    QPointF offset{-40, -70};             // every later marker
    QColor color;                         // invalid: the surface's text colour
};

struct CurveStyle {
    QColor color = Qt::black;
    int width = 2;                        // pixels
    MarkerStyle marker = {};
};

struct Curve {
    std::span<const float> x;
    std::span<const float> y;             // as many values as x (the shorter decides)
    CurveStyle style = {};
    bool thinned = false;                 // only the points of thinnedPoints()
    std::function<bool(int)> marked = {}; // which drawn points carry a marker; empty: all
};

class Chart {
public:
    // Scales are taken from the surface's ScaleWidth and ScaleHeight now.
    Chart(PictureBox& surface, Axis x, Axis y);

    PictureBox& surface() const { return *surface_; }
    const Axis& xAxis() const { return x_; }
    const Axis& yAxis() const { return y_; }
    QPointF map(float x, float y) const;

    // Clears the surface and sets the line width to 1.
    void clear() const;
    void drawGrid(const GridStyle& grid = {}) const;
    // One curve: n - 1 segments and a marker at each marked point.
    void plot(const Curve& curve) const;

private:
    PictureBox* surface_;
    Axis x_, y_;
    float sx_, sy_;
};

// A curve grown point by point, as a replay draws it. Keeps its own copy of the chart.
class ChartTrace {
public:
    ChartTrace(const Chart& chart, CurveStyle style);
    // The first point: its marker only.
    void start(float x, float y, bool marked = true);
    // A segment from the previous point, then the point's marker.
    void lineTo(float x, float y, bool marked = true);
    bool started() const { return started_; }
    QPointF previous() const { return previous_; }

private:
    void mark(QPointF at, QPointF offset) const;
    Chart chart_;
    CurveStyle style_;
    QPointF previous_;
    bool started_ = false;
};

// A legend entry drawn on a surface: a line in the curve's colour and its caption
// printed with its top-left at textAt.
struct LegendEntry {
    QColor color;
    QString text;
    QPointF lineFrom, lineTo, textAt;
    int width = 2;
};
void drawLegend(PictureBox& surface, std::span<const LegendEntry> entries);

} // namespace lx
