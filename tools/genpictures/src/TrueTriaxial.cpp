// The true triaxial test on a cubical specimen: the eleven slides of the set-up
// (isometric drawings of the flexible-boundary cube apparatus) and its preview.
#include "Draw.h"
#include "ScenePictures.h"
#include "lab/PictureLayout.h"
#include "Registry.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace genpictures {
namespace {

using namespace draw;

// Isometric projection of centimetres: x runs down to the right, y down to the
// left, z up. The faces towards the viewer are +x, +y and +z.
struct Iso {
    QPointF origin;
    double scale;
    QPointF operator()(double x, double y, double z) const
    {
        const double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
        return origin + QPointF((x - y) * c * scale, ((x + y) * s - z) * scale);
    }
};

struct Item {
    double depth;  // x + y + z of the item's centre: larger is nearer the viewer
    std::function<void(QPainter&)> draw;
};

class Scene {
public:
    explicit Scene(Iso iso) : iso_(iso) {}
    const Iso& iso() const { return iso_; }
    void add(double depth, std::function<void(QPainter&)> fn) { items_.push_back({depth, std::move(fn)}); }
    void box(double x0, double y0, double z0, double x1, double y1, double z1, QColor c, QColor edge = QColor(),
             double depthBias = 0)
    {
        const Iso iso = iso_;
        add((x0 + x1 + y0 + y1 + z0 + z1) / 2 + depthBias, [=](QPainter& p) {
            const QColor line = edge.isValid() ? edge : shade(c, 0.45);
            auto poly = [&](std::initializer_list<QPointF> pts, QColor fill) {
                p.setPen(QPen(line, 0.8));
                p.setBrush(fill);
                p.drawPolygon(QPolygonF(QList<QPointF>(pts)));
            };
            poly({iso(x0, y1, z0), iso(x1, y1, z0), iso(x1, y1, z1), iso(x0, y1, z1)}, shade(c, 0.92));  // +y face
            poly({iso(x1, y0, z0), iso(x1, y1, z0), iso(x1, y1, z1), iso(x1, y0, z1)}, shade(c, 0.72));  // +x face
            poly({iso(x0, y0, z1), iso(x1, y0, z1), iso(x1, y1, z1), iso(x0, y1, z1)}, shade(c, 1.22));  // +z face
        });
    }
    void render(QPainter& p)
    {
        std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) { return a.depth < b.depth; });
        for (const Item& i : items_) i.draw(p);
    }

private:
    Iso iso_;
    std::vector<Item> items_;
};

const QColor kClay(150, 118, 88);
const QColor kFrame(120, 130, 146);
const QColor kHousing(176, 184, 196);
const QColor kMembrane(60, 56, 54);
const QColor kRed(180, 30, 30);
const QColor kBlueLine(40, 90, 170);

// The clay cube, 10 cm, with speckles on its three visible faces.
void specimen(Scene& sc, double half = 5, std::uint32_t seed = 5, QColor clay = kClay, double lift = 0)
{
    const Iso base = sc.iso();
    const Iso iso{base(0, 0, lift), base.scale};
    sc.add(lift * 0.2, [=](QPainter& p) {
        const double h = half;
        auto face = [&](std::initializer_list<QPointF> pts, double f, std::uint32_t sd) {
            QPainterPath path;
            path.addPolygon(QPolygonF(QList<QPointF>(pts)));
            path.closeSubpath();
            p.setPen(QPen(shade(clay, 0.45), 0.9));
            p.setBrush(shade(clay, f));
            p.drawPath(path);
            speckle(p, path, shade(clay, f), 0.12, 1.3, sd, 0.2);
        };
        face({iso(-h, h, -h), iso(h, h, -h), iso(h, h, h), iso(-h, h, h)}, 0.95, seed);
        face({iso(h, -h, -h), iso(h, h, -h), iso(h, h, h), iso(h, -h, h)}, 0.75, seed + 1);
        face({iso(-h, -h, h), iso(h, -h, h), iso(h, h, h), iso(-h, h, h)}, 1.2, seed + 2);
    });
}

// The twelve bars of the space frame around the specimen.
void spaceFrame(Scene& sc, double a = 6.5, double t = 0.8)
{
    const double lo = -a - t, hi = a + t;
    for (double y : {lo, a})
        for (double z : {lo, a}) sc.box(lo, y, z, hi, y + t, z + t, kFrame);
    for (double x : {lo, a})
        for (double z : {lo, a}) sc.box(x, lo, z, x + t, hi, z + t, kFrame);
    for (double x : {lo, a})
        for (double y : {lo, a}) sc.box(x, y, lo, x + t, y + t, hi, kFrame);
}

// A pressure housing on the face normal to 'axis' (0 x, 1 y, 2 z) on the + side,
// with its LVDT at the centre and the two access holes.
void housing(Scene& sc, int axis, bool withLvdt = true)
{
    const double in = 5.6, out = 8.0, w = 6.0;
    double x0 = -w, y0 = -w, z0 = -w, x1 = w, y1 = w, z1 = w;
    if (axis == 0) { x0 = in; x1 = out; }
    if (axis == 1) { y0 = in; y1 = out; }
    if (axis == 2) { z0 = in; z1 = out; }
    sc.box(x0, y0, z0, x1, y1, z1, kHousing, QColor(70, 78, 90), 0.5);
    const Iso iso = sc.iso();
    // Flange of the membrane between housing and specimen.
    if (axis == 0) sc.box(5.0, -w, -w, in, w, w, kMembrane, QColor(30, 30, 30), 0.2);
    if (axis == 1) sc.box(-w, 5.0, -w, w, in, w, kMembrane, QColor(30, 30, 30), 0.2);
    if (axis == 2) sc.box(-w, -w, 5.0, w, w, in, kMembrane, QColor(30, 30, 30), 0.2);
    if (!withLvdt) return;
    sc.add(out * 3 + 1, [=](QPainter& p) {
        auto at = [&](double u, double v, double d) {
            if (axis == 0) return iso(d, u, v);
            if (axis == 1) return iso(u, d, v);
            return iso(u, v, d);
        };
        // LVDT body out of the centre.
        const QPointF a = at(0, 0, out), b = at(0, 0, out + 3.2);
        p.setPen(QPen(QColor(30, 50, 100), 7, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a, b);
        p.setPen(QPen(QColor(80, 120, 190), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a, b);
        p.setPen(QPen(QColor(30, 30, 30), 1.2));
        p.drawLine(b, at(0, 0, out + 4.6));
        // Access holes for the pressure.
        p.setPen(QPen(QColor(40, 40, 46), 1));
        p.setBrush(QColor(50, 54, 62));
        for (double u : {-3.5, 3.5}) p.drawEllipse(at(u, -3.5, out), 2.6, 2.0);
    });
}

void axisArrows(QPainter& p, const Iso& iso, QPointF at, double len)
{
    const QPointF o = at;
    const QPointF ex = iso(len, 0, 0) - iso(0, 0, 0), ey = iso(0, len, 0) - iso(0, 0, 0), ez = iso(0, 0, len) - iso(0, 0, 0);
    arrow(p, o, o + ex, 1.4, kRed, 6);
    arrow(p, o, o + ey, 1.4, QColor(20, 120, 40), 6);
    arrow(p, o, o + ez, 1.4, kBlueLine, 6);
    text(p, QRectF(o + ex + QPointF(0, -4), QSizeF(14, 14)), QStringLiteral("x"), 11, Qt::AlignCenter, kRed, true, true);
    text(p, QRectF(o + ey + QPointF(-14, -4), QSizeF(14, 14)), QStringLiteral("y"), 11, Qt::AlignCenter, QColor(20, 120, 40), true, true);
    text(p, QRectF(o + ez + QPointF(2, -14), QSizeF(14, 14)), QStringLiteral("z"), 11, Qt::AlignCenter, kBlueLine, true, true);
}

void drainLine(QPainter& p, const QPolygonF& line)
{
    pipe(p, line, 3, QColor(60, 130, 200));
}

struct Slide {
    QImage img;
    QPainter p;
    explicit Slide(QSize size) : img(canvas(size, colour::paper)), p(&img) { prepare(p); }
    QImage done(int step)
    {
        if (step >= 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 40, 110));
            p.drawRoundedRect(QRectF(6, 6, 56, 18), 4, 4);
            text(p, QRectF(6, 6, 56, 18), QStringLiteral("Step %1").arg(step), 11, Qt::AlignCenter, Qt::white, true);
        }
        p.end();
        return img;
    }
    double w() const { return img.width(); }
    double h() const { return img.height(); }
};

QPointF centre(QSize s, double dy = 0)
{
    return QPointF(s.width() / 2.0, s.height() / 2.0 + dy);
}

void principalArrows(QPainter& p, const Iso& iso, double half, double len)
{
    // σ1 on the z faces, σ2 on the x faces, σ3 on the y faces.
    struct A {
        double x, y, z, dx, dy, dz;
        QString name;
        QColor c;
    };
    const QString s1 = QStringLiteral("\u03c3\u2081"), s2 = QStringLiteral("\u03c3\u2082"), s3 = QStringLiteral("\u03c3\u2083");
    const A arrows[] = {{0, 0, half + len, 0, 0, -1, s1, kRed},
                        {half + len, 0, 0, -1, 0, 0, s2, QColor(20, 120, 40)},
                        {0, half + len, 0, 0, -1, 0, s3, kBlueLine}};
    for (const A& a : arrows) {
        const QPointF from = iso(a.x, a.y, a.z), to = iso(a.x + a.dx * (len - 0.3), a.y + a.dy * (len - 0.3), a.z + a.dz * (len - 0.3));
        arrow(p, from, to, 2.4, a.c, 9);
        if (!a.name.isEmpty()) {
            const QPointF off = (from - to) * 0.35;
            text(p, QRectF(from + off - QPointF(14, 9), QSizeF(28, 18)), a.name, 14, Qt::AlignCenter, a.c, true);
        }
    }
}

QImage slide0(QSize size)
{
    Slide s(size);
    const Iso iso{centre(size, 14), 11};
    Scene sc(iso);
    specimen(sc);
    sc.render(s.p);
    principalArrows(s.p, iso, 5, 4.5);
    text(s.p, QRectF(0, 4, s.w(), 20), QStringLiteral("True triaxial test on a cubical specimen"), 13, Qt::AlignCenter,
         colour::ink, true);
    text(s.p, QRectF(0, s.h() - 22, s.w(), 18),
         QStringLiteral("Three independent principal stresses: \u03c3\u2081 \u2265 \u03c3\u2082 \u2265 \u03c3\u2083"), 11,
         Qt::AlignCenter, colour::label);
    return s.done(-1);
}

QImage slide1(QSize size)
{
    // The specimen with its dimensions, each measured at three places.
    Slide s(size);
    const Iso iso{centre(size, 4), 11};
    Scene sc(iso);
    specimen(sc);
    sc.render(s.p);
    auto dim = [&](QPointF a, QPointF b, QPointF off, const QString& t) {
        s.p.setPen(QPen(QColor(90, 90, 90), 0.8, Qt::DashLine));
        s.p.drawLine(a, a + off);
        s.p.drawLine(b, b + off);
        doubleArrow(s.p, a + off * 0.8, b + off * 0.8, 1.2, kRed, 6);
        const QPointF m = (a + b) / 2 + off * 1.25;
        text(s.p, QRectF(m - QPointF(30, 8), QSizeF(60, 16)), t, 11, Qt::AlignCenter, kRed, true);
    };
    dim(iso(-5, 5, -5), iso(5, 5, -5), QPointF(-10, 18), QStringLiteral("10 cm"));
    dim(iso(5, -5, -5), iso(5, 5, -5), QPointF(12, 18), QStringLiteral("10 cm"));
    dim(iso(5, -5, -5), iso(5, -5, 5), QPointF(26, 0), QStringLiteral("10 cm"));
    // Three measuring places marked along each visible face.
    s.p.setPen(QPen(QColor(250, 240, 200), 1.2));
    for (double u : {-3.0, 0.0, 3.0}) {
        s.p.drawLine(iso(u, 5, -5), iso(u, 5, 5));
        s.p.drawLine(iso(5, u, -5), iso(5, u, 5));
    }
    text(s.p, QRectF(70, 4, s.w() - 76, 30),
         QStringLiteral("Clay cube about 10 \u00d7 10 \u00d7 10 cm; each side measured at three places and averaged"), 10,
         Qt::AlignLeft | Qt::AlignVCenter, colour::label);
    return s.done(1);
}

QImage slide2(QSize size)
{
    // Filter paper on every face, a little larger so that the sheets overlap.
    Slide s(size);
    const Iso iso{centre(size, 8), 12};
    Scene sc(iso);
    specimen(sc);
    sc.add(20, [=](QPainter& p) {
        const double h = 5.05, e = 5.5;
        p.setPen(QPen(QColor(170, 160, 120), 0.8));
        p.setBrush(QColor(248, 244, 226, 225));
        p.drawPolygon(QPolygonF() << iso(-e, h, -e) << iso(e, h, -e) << iso(e, h, e) << iso(-e, h, e));
        p.setBrush(QColor(236, 230, 208, 225));
        p.drawPolygon(QPolygonF() << iso(h, -e, -e) << iso(h, e, -e) << iso(h, e, e) << iso(h, -e, e));
        p.setBrush(QColor(252, 250, 238, 230));
        p.drawPolygon(QPolygonF() << iso(-e, -e, h) << iso(e, -e, h) << iso(e, e, h) << iso(-e, e, h));
        // Sprinkled water.
        Random rnd(9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 160, 220, 200));
        for (int i = 0; i < 26; ++i) {
            const QPointF c = iso(rnd.range(-4.5, 4.5), rnd.range(-4.5, 4.5), 5.2);
            p.drawEllipse(c, 1.6, 1.1);
        }
    });
    sc.render(s.p);
    leader(s.p, iso(-3, 4, 5.2), QPointF(s.w() - 96, 52), QStringLiteral("Filter paper"), 10);
    leader(s.p, iso(0, -2, 5.2), QPointF(s.w() - 96, 74), QStringLiteral("Water sprinkled"), 10);
    return s.done(2);
}

QImage slide3(QSize size)
{
    Slide s(size);
    const Iso iso{centre(size, -4), 8.2};
    Scene sc(iso);
    spaceFrame(sc);
    sc.render(s.p);
    leader(s.p, iso(7.3, -7.3, 3), QPointF(s.w() - 90, 60), QStringLiteral("Space frame"), 11);
    text(s.p, QRectF(10, s.h() - 34, s.w() - 20, 28),
         QStringLiteral("The frame holds the specimen and carries the six pressure housings"), 10, Qt::AlignCenter,
         colour::label);
    return s.done(3);
}

QImage slide4(QSize size)
{
    // Placing the specimen in the frame over the drain lines; axes marked.
    Slide s(size);
    const Iso iso{centre(size, 0), 7.6};
    Scene sc(iso);
    spaceFrame(sc);
    specimen(sc, 5, 5, kClay, 4);
    sc.add(-30, [=](QPainter& p) {
        // Filter paper and drain lines where the bottom housing is.
        p.setPen(QPen(QColor(170, 160, 120), 0.8));
        p.setBrush(QColor(248, 244, 226));
        p.drawPolygon(QPolygonF() << iso(-5.5, -5.5, -5.6) << iso(5.5, -5.5, -5.6) << iso(5.5, 5.5, -5.6) << iso(-5.5, 5.5, -5.6));
        drainLine(p, QPolygonF() << iso(-3, 0, -5.6) << iso(10, 0, -5.6));
        drainLine(p, QPolygonF() << iso(0, -3, -5.6) << iso(0, 10, -5.6));
    });
    sc.render(s.p);
    QPainter& p = s.p;
    arrow(p, iso(0, 0, 16), iso(0, 0, 11.5), 2, QColor(60, 60, 60), 8);
    axisArrows(p, iso, QPointF(46, s.h() - 50), 3.2);
    leader(p, iso(10, 0, -5.6), QPointF(s.w() - 90, s.h() - 40), QStringLiteral("Drain lines"), 10);
    text(p, QRectF(70, 4, s.w() - 76, 30), QStringLiteral("Filter paper over the drain lines; x, y and z marked; specimen lowered in"),
         10, Qt::AlignLeft | Qt::AlignVCenter, colour::label);
    return s.done(4);
}

QImage slide5(QSize size)
{
    Slide s(size);
    const Iso iso{centre(size, 4), 8};
    Scene sc(iso);
    spaceFrame(sc);
    specimen(sc);
    sc.add(40, [=](QPainter& p) {
        drainLine(p, QPolygonF() << iso(-3, 3, 5.1) << iso(3, -3, 5.1) << iso(3, -3, 5.1) << iso(3, -12, 10));
    });
    sc.render(s.p);
    doubleArrow(s.p, iso(5, 5.2, -5), iso(6.5, 5.2, -5), 1, kRed, 4);
    doubleArrow(s.p, iso(5.2, 5, -5), iso(5.2, 6.5, -5), 1, kRed, 4);
    leader(s.p, iso(3, -12, 10), QPointF(s.w() - 120, 40), QStringLiteral("Outlet drain line"), 10);
    text(s.p, QRectF(s.w() - 118, 48, 110, 14), QStringLiteral("on the top face"), 10, Qt::AlignLeft | Qt::AlignTop, colour::label);
    text(s.p, QRectF(10, s.h() - 30, s.w() - 20, 24), QStringLiteral("Specimen centred in the frame"), 10, Qt::AlignCenter,
         colour::label);
    return s.done(5);
}

QImage slide6(QSize size)
{
    // A flexible membrane: a square cushion with its flange, shown apart.
    Slide s(size);
    const Iso iso{centre(size, 6), 12};
    Scene sc(iso);
    sc.box(-6, -6, -0.4, 6, 6, 0.4, kMembrane, QColor(20, 20, 20));
    sc.box(-5, -5, 0.4, 5, 5, 1.6, QColor(96, 88, 82), QColor(30, 30, 30));
    sc.render(s.p);
    leader(s.p, iso(5, -2, 1.6), QPointF(s.w() - 110, 50), QStringLiteral("Rubber membrane"), 10);
    leader(s.p, iso(6, 3, 0), QPointF(s.w() - 110, s.h() - 60), QStringLiteral("Flange"), 10);
    text(s.p, QRectF(10, s.h() - 34, s.w() - 20, 28),
         QStringLiteral("Each face gets a membrane: it seals the specimen and passes the fluid pressure to the face"), 10,
         Qt::AlignCenter, colour::label);
    return s.done(6);
}

QImage slide7(QSize size)
{
    // A pressure housing with its LVDT and access holes, seen from outside.
    Slide s(size);
    const Iso iso{centre(size, 0) + QPointF(-78, -38), 12};
    Scene sc(iso);
    housing(sc, 0);
    sc.render(s.p);
    leader(s.p, iso(12.6, 0, 0), QPointF(s.w() - 110, 60), QStringLiteral("LVDT at the centre"), 10);
    leader(s.p, iso(8, -3.5, -3.5), QPointF(s.w() - 110, s.h() - 70), QStringLiteral("Access holes"), 10);
    leader(s.p, iso(5.3, 6, -4), QPointF(40, s.h() - 40), QStringLiteral("Membrane"), 10, Qt::AlignLeft | Qt::AlignVCenter);
    return s.done(7);
}

void assembly(Scene& sc, bool top, bool sides)
{
    spaceFrame(sc);
    specimen(sc);
    if (sides) {
        housing(sc, 0);
        housing(sc, 1);
    }
    if (top) housing(sc, 2);
}

QImage slide8(QSize size)
{
    Slide s(size);
    const Iso iso{centre(size, 6), 7.6};
    Scene sc(iso);
    assembly(sc, false, true);
    sc.add(60, [=](QPainter& p) {
        // Internal pore-pressure probe in the top face.
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(220, 180, 60));
        p.drawEllipse(iso(0, 0, 5.1), 4, 2.5);
        pipe(p, QPolygonF() << iso(0, 0, 5.1) << iso(0, 0, 9) << iso(-9, 0, 9), 2, QColor(200, 150, 40));
    });
    sc.render(s.p);
    leader(s.p, iso(0, 0, 5.1), QPointF(40, 46), QStringLiteral("Pore-pressure probe"), 10, Qt::AlignLeft | Qt::AlignVCenter);
    text(s.p, QRectF(10, s.h() - 30, s.w() - 20, 24),
         QStringLiteral("Membranes and housings on four sides; the bottom is complete from the start"), 10, Qt::AlignCenter,
         colour::label);
    return s.done(8);
}

QImage slide9(QSize size)
{
    Slide s(size);
    const Iso iso{centre(size, -2) + QPointF(30, 0), 7.0};
    Scene sc(iso);
    assembly(sc, false, true);
    sc.add(60, [=](QPainter& p) {
        // De-aired water up to about 10 mm over the top face.
        const double h = 6.0, e = 5.6;
        p.setPen(QPen(QColor(60, 130, 200), 1));
        p.setBrush(QColor(120, 190, 240, 170));
        p.drawPolygon(QPolygonF() << iso(-e, -e, h) << iso(e, -e, h) << iso(e, e, h) << iso(-e, e, h));
        // Inlet line at the bottom with the external pore-pressure transducer.
        pipe(p, QPolygonF() << iso(-3, 6, -8) << iso(-3, 16, -8), 3, QColor(60, 130, 200));
        valve(p, iso(-3, 11, -8), 5);
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(80, 120, 190));
        p.drawRect(QRectF(iso(-3, 14, -8) + QPointF(-8, -18), QSizeF(16, 14)));
        pipe(p, QPolygonF() << iso(-3, 14, -8) + QPointF(0, -4) << iso(-3, 14, -8), 2, QColor(60, 130, 200));
        arrow(p, iso(-3, 19, -8), iso(-3, 16.5, -8), 1.6, QColor(40, 110, 200), 6);
    });
    sc.render(s.p);
    leader(s.p, iso(-3, 14, -8) + QPointF(-8, -12), QPointF(12, s.h() - 78), QStringLiteral("External pore-"), 10,
           Qt::AlignLeft | Qt::AlignVCenter);
    text(s.p, QRectF(13, s.h() - 72, 140, 28), QStringLiteral("pressure transducer\non the inlet line"), 10,
         Qt::AlignLeft | Qt::AlignTop, colour::label);
    leader(s.p, iso(-2, -4, 6), QPointF(40, 46), QStringLiteral("Water 10 mm over the top"), 10, Qt::AlignLeft | Qt::AlignVCenter);
    return s.done(9);
}

QImage slide10(QSize size)
{
    // Also the screen's picture, shown there at about 0.6 of its size: large labels, no step badge.
    Slide s(size);
    const Iso iso{centre(size, -4) + QPointF(10, 0), 6.6};
    Scene sc(iso);
    assembly(sc, true, true);
    sc.add(80, [=](QPainter& p) {
        pipe(p, QPolygonF() << iso(-3, 6, -8) << iso(-3, 15, -8), 3, QColor(60, 130, 200));
        pipe(p, QPolygonF() << iso(-4, -4, 8) << iso(-4, -4, 11) << iso(-4, -12, 11), 3, QColor(60, 130, 200));
        arrow(p, iso(-3, 18, -8), iso(-3, 12, -8), 2.2, QColor(40, 110, 200), 9);
        arrow(p, iso(-4, -8, 11), iso(-4, -14, 11), 2.2, QColor(40, 110, 200), 9);
    });
    sc.render(s.p);
    text(s.p, QRectF(6, s.h() - 50, s.w() - 12, 46), QStringLiteral("Top housing fitted\nWater flushed from inlet to outlet"), 15,
         Qt::AlignCenter, colour::label, true);
    leader(s.p, iso(-4, -14, 11), QPointF(s.w() - 110, 40), QStringLiteral("Outlet"), 15);
    leader(s.p, iso(-3, 17, -8), QPointF(14, s.h() - 92), QStringLiteral("Inlet"), 15, Qt::AlignLeft | Qt::AlignVCenter);
    return s.done(-1);
}

QImage preview(QSize size)
{
    // Assmbly.jpg: the assembled apparatus, small, for the choice of test.
    Slide s(size);
    const Iso iso{centre(size, 6), size.width() / 38.0};
    Scene sc(iso);
    assembly(sc, true, true);
    sc.render(s.p);
    text(s.p, QRectF(0, s.h() - 16, s.w(), 14), QStringLiteral("Cubical specimen"), 10, Qt::AlignCenter, colour::label, true);
    return s.done(-1);
}

} // namespace

void addTrueTriaxial(Pictures& out)
{
    namespace T = lx::pictures::trueTriaxial;
    const QSize slide(T::imgTTT.width / 15, T::imgTTT.height / 15);
    const std::function<QImage(QSize)> slides[] = {slide0, slide1, slide2, slide3, slide4, slide5,
                                                   slide6, slide7, slide8, slide9, slide10};
    for (int i = 0; i <= 10; ++i)
        out.push_back(jpg(QStringLiteral("pictures/TTT/TTT_%1.jpg").arg(i), slide, slides[i],
                          i == 10 ? QStringLiteral("frmTTT.imgTTT (step 10), frmScreenDASTTT.imgTTT")
                                  : QStringLiteral("frmTTT.imgTTT (step %1)").arg(i)));
    out.push_back(jpg(QStringLiteral("pictures/TTT/Assmbly.jpg"), QSize(T::dlgImgAssembly.width / 15, T::dlgImgAssembly.height / 15),
                      preview, QStringLiteral("dlgTTT_HCT.imgAssembly (cube)")));
}

} // namespace genpictures
