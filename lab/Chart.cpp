#include "lab/Chart.h"

#include "platform/Colors.h"
#include "platform/Numbers.h"
#include "platform/PictureBox.h"

#include <algorithm>
#include <cmath>

namespace lx {

GridStyle logGrid()
{
    GridStyle g;
    g.verticalLines = 0;
    const double five = std::log10(5.0);
    for (int j = 1; j <= 8; ++j) {
        if (j % 2 == 0)
            g.extraVertical.push_back({(j / 2) / double(LogDecades), QBColor(0)});
        else
            g.extraVertical.push_back({((j - 1) / 2 + five) / double(LogDecades), QBColor(7)});
    }
    return g;
}

Chart::Chart(PictureBox& surface, Axis x, Axis y)
    : surface_(&surface), x_(checkedAxis(x.min, x.max)), y_(checkedAxis(y.min, y.max)),
      sx_(x_.scale(surface.ScaleWidth())), sy_(y_.scale(surface.ScaleHeight()))
{
}

QPointF Chart::map(float x, float y) const
{
    return {double((x - x_.min) * sx_), double((y_.max - y) * sy_)};
}

void Chart::clear() const
{
    surface_->Cls();
    surface_->DrawWidth = 1;
}

void Chart::drawGrid(const GridStyle& grid) const
{
    PictureBox& s = *surface_;
    const double w = s.ScaleWidth(), h = s.ScaleHeight();
    s.DrawWidth = 1;
    if (grid.verticalLines > 0) {
        const double dx = grid.wholeSteps ? double(CLng(w / grid.verticalLines)) : w / grid.verticalLines;
        for (int k = 1; k <= grid.verticalLines; ++k)
            s.Line(k * dx, 0, k * dx, h, grid.verticalColor);
    }
    if (grid.horizontalLines > 0) {
        const int parts = grid.horizontalLines + 1;
        const double dy = grid.wholeSteps ? double(CLng(h / parts)) : h / parts;
        for (int k = 1; k <= grid.horizontalLines; ++k)
            s.Line(0, k * dy, w, k * dy, grid.horizontalColor);
    }
    for (const GridStyle::Line& line : grid.extraVertical)
        s.Line(line.fraction * w, 0, line.fraction * w, h, line.color);
}

void Chart::plot(const Curve& curve) const
{
    const int n = int(std::min(curve.x.size(), curve.y.size()));
    std::vector<int> points;
    if (curve.thinned) {
        points = thinnedPoints(n);
    } else {
        points.resize(size_t(n));
        for (int i = 0; i < n; ++i)
            points[size_t(i)] = i;
    }
    ChartTrace trace(*this, curve.style);
    for (int i : points) {
        const bool marked = !curve.marked || curve.marked(i);
        if (!trace.started())
            trace.start(curve.x[size_t(i)], curve.y[size_t(i)], marked);
        else
            trace.lineTo(curve.x[size_t(i)], curve.y[size_t(i)], marked);
    }
}

ChartTrace::ChartTrace(const Chart& chart, CurveStyle style) : chart_(chart), style_(std::move(style)) {}

void ChartTrace::start(float x, float y, bool marked)
{
    previous_ = chart_.map(x, y);
    started_ = true;
    if (marked)
        mark(previous_, style_.marker.firstOffset);
}

void ChartTrace::lineTo(float x, float y, bool marked)
{
    if (!started_) {
        start(x, y, marked);
        return;
    }
    const QPointF at = chart_.map(x, y);
    PictureBox& s = chart_.surface();
    s.DrawWidth = style_.width;
    s.Line(previous_.x(), previous_.y(), at.x(), at.y(), style_.color);
    previous_ = at;
    if (marked)
        mark(at, style_.marker.offset);
}

void ChartTrace::mark(QPointF at, QPointF offset) const
{
    if (style_.marker.text.isEmpty())
        return;
    PictureBox& s = chart_.surface();
    const QColor text = s.ForeColor;
    if (style_.marker.color.isValid())
        s.ForeColor = style_.marker.color;
    s.CurrentX = at.x() + offset.x();
    s.CurrentY = at.y() + offset.y();
    s.Print(style_.marker.text);
    s.ForeColor = text;
}

void drawLegend(PictureBox& surface, std::span<const LegendEntry> entries)
{
    for (const LegendEntry& e : entries) {
        surface.DrawWidth = e.width;
        surface.Line(e.lineFrom.x(), e.lineFrom.y(), e.lineTo.x(), e.lineTo.y(), e.color);
        surface.CurrentX = e.textAt.x();
        surface.CurrentY = e.textAt.y();
        surface.Print(e.text);
    }
}

} // namespace lx
