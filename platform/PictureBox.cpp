#include "PictureBox.h"

#include "Geometry.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>
#include <QPaintEvent>

namespace lx {

namespace {

// A picture box is a picture to a screen reader (a plain widget would be a bare filler).
QAccessibleInterface* pictureAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("lx::PictureBox"))
        if (auto* w = qobject_cast<PictureBox*>(object))
            return new QAccessibleWidget(w, QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(pictureAccessible), true);
    Q_UNUSED(accessible);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double PictureBox::ScaleWidth() const { return userScale ? scaleWidth : toTwips(width()); }
double PictureBox::ScaleHeight() const { return userScale ? scaleHeight : toTwips(height()); }

void PictureBox::Scale(double x1, double y1, double x2, double y2)
{
    userScale = true;
    scaleLeft = x1;
    scaleTop = y1;
    scaleWidth = x2 - x1;
    scaleHeight = y2 - y1;
}

void PictureBox::setBackColor(const QColor& c)
{
    backColor = c;
    update();
}

void PictureBox::setFontName(const QString& name)
{
    QFont f = font();
    f.setFamily(name);
    setFont(f);
}

void PictureBox::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void PictureBox::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void PictureBox::setPicture(const QImage& image)
{
    background = image;
    update();
}

QTransform PictureBox::currentTransform() const
{
    const double sw = ScaleWidth(), sh = ScaleHeight();
    const double kx = sw != 0 ? width() / sw : 1.0;
    const double ky = sh != 0 ? height() / sh : 1.0;
    // x_px = (x - ScaleLeft) * kx, y_px = (y - ScaleTop) * ky
    return QTransform(kx, 0, 0, ky, -scaleLeft * kx, -scaleTop * ky);
}

void PictureBox::add(DrawOp op)
{
    op.toPixels = currentTransform();
    ops.push_back(std::move(op));
    update();
}

void PictureBox::Cls()
{
    ops.clear();
    CurrentX = scaleLeft;
    CurrentY = scaleTop;
    update();
}

void PictureBox::addShape(DrawOp::Kind kind, QPointF from, QPointF to, double radius, const QColor& color)
{
    DrawOp op;
    op.kind = kind;
    op.from = from;
    op.to = to;
    op.radius = radius;
    op.color = colorOr(color);
    op.width = DrawWidth;
    add(op);
    // The pen ends where the shape ends, as later relative drawing and Print expect.
    CurrentX = to.x();
    CurrentY = to.y();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, const QColor& color)
{
    addShape(DrawOp::Line, {x1, y1}, {x2, y2}, 0, color);
}

void PictureBox::Box(double x1, double y1, double x2, double y2, const QColor& color, bool filled)
{
    addShape(filled ? DrawOp::FilledBox : DrawOp::Box, {x1, y1}, {x2, y2}, 0, color);
}

void PictureBox::Circle(double x, double y, double radius, const QColor& color)
{
    addShape(DrawOp::Circle, {x, y}, {x, y}, radius, color);
}

double PictureBox::TextWidth(const QString& text) const
{
    const double px = QFontMetricsF(font()).horizontalAdvance(text);
    return width() > 0 ? px * ScaleWidth() / width() : toTwips(int(px));
}

double PictureBox::TextHeight(const QString&) const
{
    const double px = QFontMetricsF(font()).height();
    return height() > 0 ? px * ScaleHeight() / height() : toTwips(int(px));
}

void PictureBox::Print(const QString& text, bool newline)
{
    DrawOp op;
    op.kind = DrawOp::Text;
    op.from = {CurrentX, CurrentY};
    op.text = text;
    op.font = font();
    op.color = ForeColor;
    add(op);
    if (newline) {
        CurrentX = scaleLeft;
        CurrentY += TextHeight(text);
    } else {
        CurrentX += TextWidth(text);
    }
}

void PictureBox::PaintPicture(const QImage& image, double x, double y, double w, double h)
{
    DrawOp op;
    op.kind = DrawOp::Picture;
    op.image = image;
    op.from = {x, y};
    if (w < 0 || h < 0) {
        // Its own size, as twips converted into the current scale.
        const QTransform t = currentTransform();
        const double kx = t.m11() != 0 ? 1.0 / t.m11() : 1.0;
        const double ky = t.m22() != 0 ? 1.0 / t.m22() : 1.0;
        w = image.width() * kx;
        h = image.height() * ky;
    }
    op.to = {x + w, y + h};
    add(op);
}

void PictureBox::drawOps(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const DrawOp& op : ops) {
        const QPointF a = op.toPixels.map(op.from);
        const QPointF b = op.toPixels.map(op.to);
        QPen pen(op.color);
        pen.setWidth(op.width);
        pen.setCosmetic(true);
        switch (op.kind) {
        case DrawOp::Line:
            p.setPen(pen);
            p.drawLine(a, b);
            break;
        case DrawOp::Box:
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(a, b).normalized());
            break;
        case DrawOp::FilledBox:
            p.setPen(pen);
            p.setBrush(op.color);
            p.drawRect(QRectF(a, b).normalized());
            break;
        case DrawOp::Circle: {
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            const double rx = std::abs(op.radius * op.toPixels.m11());
            p.drawEllipse(a, rx, rx);
            break;
        }
        case DrawOp::Text: {
            p.setPen(op.color);
            p.setFont(op.font);
            // Qt draws from the baseline; the text's top-left is at the point.
            const QFontMetricsF fm(op.font);
            p.drawText(QPointF(a.x(), a.y() + fm.ascent()), op.text);
            break;
        }
        case DrawOp::Picture:
            p.drawImage(QRectF(a, b).normalized(), op.image);
            break;
        }
    }
}

void PictureBox::render(QPainter& painter, const QRectF& target) const
{
    // Drawn at screen resolution first, so that texts keep their place on any device.
    QImage image(size(), QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.fillRect(image.rect(), backColor);
        if (!background.isNull())
            p.drawImage(QPointF(0, 0), background);
        drawOps(p);
    }
    painter.drawImage(target, image);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColor);
    if (!background.isNull())
        p.drawImage(QPointF(0, 0), background);
    drawOps(p);
}

} // namespace lx
