#include "Draw.h"

#include <QFontDatabase>
#include <QLinearGradient>

#include <cmath>

namespace genpictures::draw {

namespace {
double g_unit = 1.0;
}

double unit()
{
    return g_unit;
}

UnitScope::UnitScope(double unitsPerPixel) : saved_(g_unit)
{
    g_unit = unitsPerPixel;
}

UnitScope::~UnitScope()
{
    g_unit = saved_;
}

QImage scenePart(const TwipRectF& rect, QSize size, const std::function<void(QPainter&)>& scene, QColor fill)
{
    QImage img = canvas(size, fill);
    QPainter p(&img);
    prepare(p);
    p.scale(size.width() / rect.width, size.height() / rect.height);
    p.translate(-rect.left, -rect.top);
    UnitScope units(rect.width / size.width());
    scene(p);
    return img;
}

QImage canvas(QSize size, QColor fill)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont font(double pixelSize, bool bold, bool italic)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, int(std::lround(U(pixelSize)))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont scriptFont(double pixelSize)
{
    QFont f(QStringLiteral("Z003"));
    f.setPixelSize(std::max(1, int(std::lround(U(pixelSize)))));
    return f;
}

QColor shade(QColor c, double factor)
{
    if (factor >= 1.0) {
        const double t = std::min(1.0, factor - 1.0);
        return QColor(int(c.red() + (255 - c.red()) * t), int(c.green() + (255 - c.green()) * t),
                      int(c.blue() + (255 - c.blue()) * t), c.alpha());
    }
    return QColor(int(c.red() * factor), int(c.green() * factor), int(c.blue() * factor), c.alpha());
}

QLinearGradient turned(const QRectF& r, QColor base)
{
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0.0, shade(base, 0.62));
    g.setColorAt(0.28, shade(base, 1.45));
    g.setColorAt(0.45, shade(base, 1.12));
    g.setColorAt(1.0, shade(base, 0.55));
    return g;
}

QLinearGradient plateShade(const QRectF& r, QColor base)
{
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, shade(base, 1.35));
    g.setColorAt(0.35, base);
    g.setColorAt(1.0, shade(base, 0.72));
    return g;
}

void cylinder(QPainter& p, const QRectF& body, QColor base, double capHeight, bool outline)
{
    p.save();
    p.setPen(outline ? QPen(shade(base, 0.4), U(1)) : Qt::NoPen);
    QPainterPath path;
    if (capHeight > 0) {
        const QRectF top(body.left(), body.top() - capHeight / 2, body.width(), capHeight);
        const QRectF bottom(body.left(), body.bottom() - capHeight / 2, body.width(), capHeight);
        path.moveTo(body.left(), body.top());
        path.lineTo(body.left(), body.bottom());
        path.arcTo(bottom, 180, 180);
        path.lineTo(body.right(), body.top());
        path.arcTo(top, 0, -180);
        p.setBrush(turned(body, base));
        p.drawPath(path);
        p.setBrush(shade(base, 1.25));
        p.drawEllipse(top);
    } else {
        p.setBrush(turned(body, base));
        p.drawRect(body);
    }
    p.restore();
}

void block(QPainter& p, const QRectF& r, QColor base, bool outline)
{
    p.save();
    p.setPen(outline ? QPen(shade(base, 0.45), U(1)) : Qt::NoPen);
    p.setBrush(turned(r, base));
    p.drawRect(r);
    p.restore();
}

void hatch(QPainter& p, const QPainterPath& area, double spacing, QColor line, double angleDeg, double width)
{
    spacing = U(spacing);
    width = U(width);
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    p.setPen(QPen(line, width));
    const QRectF b = area.boundingRect();
    const double a = angleDeg * M_PI / 180.0;
    const double dx = std::cos(a), dy = -std::sin(a);
    const double reach = b.width() + b.height();
    // Lines perpendicular offsets across the bounding box.
    const double nx = -dy, ny = dx;
    const QPointF c = b.center();
    for (double t = -reach; t <= reach; t += spacing) {
        const QPointF o(c.x() + nx * t, c.y() + ny * t);
        p.drawLine(QPointF(o.x() - dx * reach, o.y() - dy * reach), QPointF(o.x() + dx * reach, o.y() + dy * reach));
    }
    p.restore();
}

void speckle(QPainter& p, const QPainterPath& area, QColor base, double density, double grain, std::uint32_t seed,
             double spread)
{
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    const QRectF b = area.boundingRect();
    Random rnd(seed);
    grain = U(grain);
    const int n = int(b.width() * b.height() * density / (unit() * unit()));
    for (int i = 0; i < n; ++i) {
        const double f = rnd.range(1.0 - spread, 1.0 + spread * 0.8);
        p.setBrush(shade(base, f));
        const double s = grain * rnd.range(0.6, 1.3);
        p.drawEllipse(QPointF(rnd.range(b.left(), b.right()), rnd.range(b.top(), b.bottom())), s / 2, s / 2);
    }
    p.restore();
}

void soil(QPainter& p, const QPainterPath& area, std::uint32_t seed, QColor base)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawPath(area);
    p.restore();
    speckle(p, area, base, 0.18, 1.3, seed, 0.22);
}

void sand(QPainter& p, const QPainterPath& area, std::uint32_t seed, double grain)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::sand);
    p.drawPath(area);
    p.restore();
    speckle(p, area, colour::sand, 0.35, grain, seed, 0.35);
}

void porousStone(QPainter& p, const QRectF& r, std::uint32_t seed)
{
    p.save();
    p.setPen(QPen(shade(colour::porous, 0.5), U(1)));
    p.setBrush(colour::porous);
    p.drawRect(r);
    p.restore();
    QPainterPath path;
    path.addRect(r.adjusted(U(1), U(1), -U(1), -U(1)));
    p.save();
    p.setClipPath(path);
    p.setPen(Qt::NoPen);
    Random rnd(seed);
    const int n = int(r.width() * r.height() * 0.22 / (unit() * unit()));
    for (int i = 0; i < n; ++i) {
        p.setBrush(rnd.next() < 0.5 ? shade(colour::porous, 0.55) : shade(colour::porous, 1.3));
        p.drawEllipse(QPointF(rnd.range(r.left(), r.right()), rnd.range(r.top(), r.bottom())), U(0.6), U(0.6));
    }
    p.restore();
}

void arrow(QPainter& p, QPointF from, QPointF to, double width, QColor c, double head)
{
    width = U(width);
    head = head <= 0 ? 3.0 * unit() + 2.5 * width : U(head);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-6) return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QPointF base = to - u * head;
    p.save();
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, base + u * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF tri;
    tri << to << base + n * head * 0.45 << base - n * head * 0.45;
    p.drawPolygon(tri);
    p.restore();
}

void doubleArrow(QPainter& p, QPointF a, QPointF b, double width, QColor c, double head)
{
    const QPointF mid = (a + b) / 2;
    arrow(p, mid, a, width, c, head);
    arrow(p, mid, b, width, c, head);
}

void leader(QPainter& p, QPointF target, QPointF textAnchor, const QString& t, double pixelSize, Qt::Alignment align,
            QColor c)
{
    p.save();
    p.setPen(QPen(c, U(0.8)));
    p.drawLine(textAnchor, target);
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawEllipse(target, U(1.2), U(1.2));
    p.setFont(font(pixelSize));
    p.setPen(c);
    const QFontMetricsF fm(p.font());
    const double w = fm.horizontalAdvance(t) + U(2);
    const double h = fm.height();
    QRectF r;
    if (align & Qt::AlignRight)
        r = QRectF(textAnchor.x() - w - U(1), textAnchor.y() - h / 2, w, h);
    else if (align & Qt::AlignHCenter)
        r = QRectF(textAnchor.x() - w / 2, (align & Qt::AlignBottom) ? textAnchor.y() - h : textAnchor.y(), w, h);
    else
        r = QRectF(textAnchor.x() + U(1), textAnchor.y() - h / 2, w, h);
    p.drawText(r, Qt::AlignCenter, t);
    p.restore();
}

void text(QPainter& p, const QRectF& r, const QString& t, double pixelSize, Qt::Alignment align, QColor c, bool bold,
          bool italic)
{
    p.save();
    p.setFont(font(pixelSize, bold, italic));
    p.setPen(c);
    p.drawText(r, int(align) | Qt::TextWordWrap, t);
    p.restore();
}

void hexNut(QPainter& p, const QRectF& r)
{
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(turned(r, colour::steel));
    p.drawRect(r);
    const double third = r.width() / 3;
    p.drawLine(QPointF(r.left() + third, r.top()), QPointF(r.left() + third, r.bottom()));
    p.drawLine(QPointF(r.right() - third, r.top()), QPointF(r.right() - third, r.bottom()));
    p.restore();
}

void ellipseRim(QPainter& p, const QRectF& r, QColor c, double width)
{
    p.save();
    p.setPen(QPen(c, U(width)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    p.restore();
}

QPainterPath rectPath(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

void pipe(QPainter& p, const QPolygonF& line, double width, QColor c)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(c, 0.6), U(width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(line);
    p.setPen(QPen(shade(c, 1.3), U(std::max(0.6, width * 0.4)), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(line);
    p.restore();
}

void valve(QPainter& p, QPointF centre, double radius, bool open)
{
    p.save();
    QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    g.setColorAt(0, QColor(250, 230, 160));
    g.setColorAt(1, colour::brass);
    p.setPen(QPen(shade(colour::brass, 0.45), U(1)));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(170, 30, 30), U(2.2), Qt::SolidLine, Qt::RoundCap));
    const QPointF h = open ? QPointF(radius * 0.95, 0) : QPointF(0, radius * 0.95);
    p.drawLine(centre - h, centre + h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(centre, radius * 0.22, radius * 0.22);
    p.restore();
}

void acrylicWall(QPainter& p, const QRectF& r)
{
    p.save();
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, QColor(150, 196, 226));
    g.setColorAt(0.5, QColor(214, 236, 250));
    g.setColorAt(1, QColor(136, 184, 218));
    p.setPen(QPen(QColor(70, 120, 160), U(0.8)));
    p.setBrush(g);
    p.drawRect(r);
    p.restore();
}

} // namespace genpictures::draw
