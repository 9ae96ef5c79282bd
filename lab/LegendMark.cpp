#include "lab/LegendMark.h"

#include "platform/Geometry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lx {

LegendMark::LegendMark(QWidget* parent, QPointF from, QPointF to, int width, QColor color)
    : QWidget(parent), width_(std::max(1, width)), color_(std::move(color))
{
    const QPointF a(from.x() / TwipsPerPixel, from.y() / TwipsPerPixel), b(to.x() / TwipsPerPixel, to.y() / TwipsPerPixel);
    // The widget holds the line with room for its width on every side.
    const double pad = std::ceil(width_ / 2.0) + 1;
    const QRectF box = QRectF(a, b).normalized().adjusted(-pad, -pad, pad, pad);
    const QRect at = box.toAlignedRect();
    setGeometry(at);
    line_ = QLineF(a - at.topLeft(), b - at.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void LegendMark::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void LegendMark::showAs(const QColor& color)
{
    setColor(color);
    show();
}

void LegendMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QPen pen(color_);
    pen.setWidth(width_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(line_);
}

} // namespace lx
