// The axial-torsional test on a hollow cylinder: the fifteen sketches that build
// the apparatus on the set-up form, drawn as one scene so that they stack, and the
// two sketches of the test.
#include "Draw.h"
#include "ScenePictures.h"
#include "lab/PictureLayout.h"
#include "Registry.h"

#include <QPainterPath>

#include <cmath>

namespace genpictures {
namespace {

using namespace draw;
namespace L = lx::pictures;
namespace T = L::trueTriaxial;

constexpr double A = T::axis;
constexpr double k = 0.12;  // seen from a little above: depth d shows k * d lower

constexpr double outerR = 1162, innerR = 810;
constexpr double specTop = 1560, specBottom = 5380;
const QColor kSoil(150, 120, 92);

void topFace(QPainter& p, double y, double r, QColor fill, QColor line)
{
    p.save();
    p.setPen(QPen(line, U(1)));
    p.setBrush(fill);
    p.drawEllipse(QRectF(A - r, y - k * r, 2 * r, 2 * k * r));
    p.restore();
}

void drum(QPainter& p, double r, double top, double bottom, QColor base, bool face = true)
{
    QPainterPath body;
    body.moveTo(A - r, top);
    body.lineTo(A - r, bottom);
    body.arcTo(QRectF(A - r, bottom - k * r, 2 * r, 2 * k * r), 180, 180);
    body.lineTo(A + r, top);
    body.closeSubpath();
    p.save();
    p.setPen(QPen(shade(base, 0.45), U(1)));
    p.setBrush(turned(QRectF(A - r, top, 2 * r, bottom - top), base));
    p.drawPath(body);
    p.restore();
    if (face) topFace(p, top, r, shade(base, 1.3), shade(base, 0.5));
}

// ---- the specimen's build-up (phase one) --------------------------------------------

void basePlate(QPainter& p)
{
    drum(p, 1200, 5650, 5700, colour::steel);
}

void pedestal(QPainter& p, bool spigot)
{
    basePlate(p);
    drum(p, 1170, 5380, 5640, colour::steel);
    if (spigot) drum(p, 250, 5145, 5380, shade(colour::steel, 0.9));  // the inner-pressure spigot
}

void bottomRing(QPainter& p)
{
    // The annular porous stone let into the pedestal's top.
    p.save();
    QPainterPath ring;
    ring.addEllipse(QRectF(A - 1150, 5380 - k * 1150, 2300, 2 * k * 1150));
    QPainterPath hole;
    hole.addEllipse(QRectF(A - innerR, 5380 - k * innerR, 2 * innerR, 2 * k * innerR));
    p.setPen(QPen(shade(colour::porous, 0.5), U(0.8)));
    p.setBrush(colour::porous);
    p.drawPath(ring.subtracted(hole));
    p.restore();
    speckle(p, ring.subtracted(hole), colour::porous, 0.3, 0.9, 7, 0.4);
    // Drainage from the ring through the base to its outlet.
    p.save();
    p.setPen(QPen(QColor(40, 70, 130), U(1), Qt::DashLine));
    p.drawLine(QPointF(A + 980, 5400), QPointF(A + 980, 5680));
    p.drawLine(QPointF(A + 980, 5680), QPointF(A + 1220, 5680));
    p.restore();
    pipe(p, QPolygonF() << QPointF(A + 1200, 5680) << QPointF(A + 1230, 5680), 2.5);
}

void innerMembrane(QPainter& p, double top, double bottom)
{
    const QRectF tube(A - innerR, top, 2 * innerR, bottom - top);
    p.save();
    QLinearGradient g(tube.left(), 0, tube.right(), 0);
    g.setColorAt(0, QColor(40, 38, 40));
    g.setColorAt(0.3, QColor(120, 112, 108));
    g.setColorAt(1, QColor(30, 28, 30));
    p.setPen(QPen(QColor(20, 20, 20), U(0.8)));
    p.setBrush(g);
    p.drawRect(tube);
    p.restore();
    topFace(p, top, innerR, QColor(70, 66, 64), QColor(20, 20, 20));
}

void specimen(QPainter& p)
{
    // The hollow cylinder: soil between the inner membrane and its outer face.
    QPainterPath body;
    body.addRect(QRectF(A - outerR, specTop, 2 * outerR, specBottom - specTop));
    soil(p, body, 11, kSoil);
    p.save();
    QLinearGradient g(A - outerR, 0, A + outerR, 0);
    g.setColorAt(0, QColor(0, 0, 0, 90));
    g.setColorAt(0.3, QColor(255, 255, 255, 45));
    g.setColorAt(1, QColor(0, 0, 0, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
    p.restore();
    // The annular top face with the hole, the inner membrane standing out of it.
    QPainterPath face;
    face.addEllipse(QRectF(A - outerR, specTop - k * outerR, 2 * outerR, 2 * k * outerR));
    QPainterPath hole;
    hole.addEllipse(QRectF(A - innerR, specTop - k * innerR, 2 * innerR, 2 * k * innerR));
    p.save();
    p.setPen(QPen(shade(kSoil, 0.5), U(0.8)));
    p.setBrush(shade(kSoil, 1.25));
    p.drawPath(face.subtracted(hole));
    p.restore();
    innerMembrane(p, 1380, specTop);
}

void innerCap(QPainter& p)
{
    drum(p, 150, 1095, 1470, colour::steel);
    drum(p, 817, 1450, 1540, colour::steel);
}

void topCap(QPainter& p)
{
    drum(p, 150, 1080, 1270, colour::steel);
    drum(p, 1215, 1270, 1560, colour::steel);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::porous);
    p.drawRect(QRectF(A - 1150, 1530, 2300, 30));
    p.restore();
}

void torquePlate(QPainter& p)
{
    drum(p, 817, 1090, 1180, shade(colour::steel, 0.9));
    for (double x : {-560.0, 560.0}) hexNut(p, QRectF(A + x - 60, 1030, 120, 70));
}

void outerMembrane(QPainter& p)
{
    // The outer membrane rolled over the specimen from the cap to the pedestal.
    p.save();
    const QRectF m(A - 1222, 1300, 2444, 4320);
    QLinearGradient g(m.left(), 0, m.right(), 0);
    g.setColorAt(0, QColor(30, 26, 24, 170));
    g.setColorAt(0.28, QColor(150, 140, 132, 90));
    g.setColorAt(0.5, QColor(40, 36, 34, 70));
    g.setColorAt(1, QColor(20, 18, 18, 190));
    p.setPen(QPen(QColor(20, 20, 20), U(0.8)));
    p.setBrush(g);
    p.drawRect(m);
    p.restore();
}

void oRing(QPainter& p, double centre)
{
    const QRectF r(A - 1245, centre - 55, 2490, 110);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(90, 90, 96));
    g.setColorAt(0.4, QColor(30, 30, 34));
    g.setColorAt(1, QColor(10, 10, 12));
    p.save();
    p.setPen(QPen(QColor(0, 0, 0), U(0.6)));
    p.setBrush(g);
    p.drawRoundedRect(r, 55, 55);
    p.restore();
}

constexpr double oRingCentres[4] = {5575, 5505, 1425, 1345};

void prepared(QPainter& p, bool withBase)
{
    // The specimen ready on its pedestal: membranes on, caps and O-rings fitted.
    if (withBase) basePlate(p);
    drum(p, 1170, 5380, 5640, colour::steel, false);
    specimen(p);
    topCap(p);
    torquePlate(p);
    outerMembrane(p);
    for (double c : oRingCentres) oRing(p, c);
}

void assembled8(QPainter& p)
{
    basePlate(p);
    drum(p, 1170, 5380, 5640, colour::steel, false);
    specimen(p);
    topCap(p);
    torquePlate(p);
    outerMembrane(p);
}

// ---- the cell (phase two) -----------------------------------------------------------

constexpr double phase2Scale = 0.75;
constexpr double phase2Top = 1530;  // where the prepared specimen's top (1000) lands

void scaledPrepared(QPainter& p)
{
    p.save();
    p.translate(A, phase2Top);
    p.scale(phase2Scale, phase2Scale);
    p.translate(-A, -1000);
    UnitScope units(unit() / phase2Scale);
    prepared(p, false);
    p.restore();
}

void cellBase(QPainter& p)
{
    // The cell's base: a thick plate with the tie-rod bosses, the cell-pressure
    // inlet, the inner-pressure line and the drainage outlet.
    drum(p, 1400, 4995, 5600, colour::steel);
    for (double x : {-1330.0, 1330.0}) {
        const QRectF stub(A + x - 45, 4830, 90, 180);
        block(p, stub, colour::steel);
    }
    pipe(p, QPolygonF() << QPointF(A - 1400, 5300) << QPointF(A - 1440, 5300), 3);
    pipe(p, QPolygonF() << QPointF(A + 1400, 5250) << QPointF(A + 1440, 5250), 3);
    pipe(p, QPolygonF() << QPointF(A + 1400, 5420) << QPointF(A + 1440, 5420), 3);
    p.save();
    p.setPen(QPen(QColor(40, 70, 130), U(1), Qt::DashLine));
    p.drawLine(QPointF(A - 1400, 5300), QPointF(A - 1150, 5300));
    p.drawLine(QPointF(A - 1150, 5300), QPointF(A - 1150, 5000));
    p.drawLine(QPointF(A, 5000), QPointF(A, 5420));
    p.drawLine(QPointF(A, 5420), QPointF(A + 1400, 5420));
    p.restore();
}

void loadHead(QPainter& p)
{
    // Axial-torsional load cell on the coupling that clamps the top plate.
    drum(p, 120, 945, 1110, colour::steel);
    drum(p, 500, 1100, 1530, QColor(200, 160, 80));
    drum(p, 915, 1530, 1660, shade(colour::steel, 0.95));
    text(p, QRectF(A - 500, 1200, 1000, 300), QStringLiteral("LOAD / TORQUE\nCELL"), 5, Qt::AlignCenter, QColor(60, 40, 10), true);
}

void chamber(QPainter& p, double top, double bottom)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 234, 250, 200));
    p.drawRect(QRectF(A - 1250, top + 150, 2500, bottom - top - 150));
    p.restore();
    acrylicWall(p, QRectF(A - 1310, top, 60, bottom - top));
    acrylicWall(p, QRectF(A + 1250, top, 60, bottom - top));
    p.save();
    p.setPen(QPen(QColor(70, 120, 160), U(0.8)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(A - 1310, bottom - k * 1310, 2620, 2 * k * 1310), 180 * 16, 180 * 16);
    p.restore();
}

void assembledCell(QPainter& p)
{
    for (double x : {-1330.0, 1330.0}) block(p, QRectF(A + x - 35, 1000, 70, 3900), colour::steel);
    cellBase(p);
    chamber(p, 1220, 4995);
    scaledPrepared(p);
    loadHead(p);
    for (double x : {-1330.0, 1330.0}) block(p, QRectF(A + x - 35, 1200, 70, 3700), shade(colour::steel, 1.05));
}

void topPlate(QPainter& p)
{
    drum(p, 1380, 980, 1200, colour::steel);
    drum(p, 400, 700, 980, shade(colour::steel, 0.95));
    for (double x : {-1330.0, 1330.0}) hexNut(p, QRectF(A + x - 90, 900, 180, 110));
}

void ram(QPainter& p)
{
    const L::TwipRect& r = T::imgHCT_15;
    const QRectF rod(r.left + 20, r.top, r.width - 40, r.height);
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(turned(rod, QColor(206, 212, 220)));
    p.drawRect(rod);
    p.restore();
}

// ---- the two sketches of the test -----------------------------------------------------

QImage sketchApparatus(QSize size)
{
    // Sketch_1.jpg: the assembled cell, small.
    QImage img = canvas(size, colour::paper);
    QPainter p(&img);
    prepare(p);
    const double s = size.height() / 5900.0 * 0.92;
    p.translate(size.width() / 2.0, size.height() * 0.02);
    p.scale(s, s);
    p.translate(-A, -150);
    {
        UnitScope units(1 / s);
        assembledCell(p);
        topPlate(p);
        ram(p);
    }
    p.resetTransform();
    text(p, QRectF(0, size.height() - 15, size.width(), 14), QStringLiteral("Hollow cylinder"), 10, Qt::AlignCenter,
         colour::label, true);
    return img;
}

QImage sketchLoads(QSize size)
{
    // Sketch_2.jpg: the hollow cylinder under axial load, torque and the inner and
    // outer pressures, with the stresses on an element of its wall.
    QImage img = canvas(size, colour::paper);
    QPainter p(&img);
    prepare(p);
    const double w = size.width(), h = size.height();
    const double cx = w * 0.34, top = 38, bottom = h - 30, ro = 36, ri = 22, kk = 0.28;
    const QColor red(180, 30, 30), blue(30, 70, 170);
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRect(QRectF(cx - ro, top, 2 * ro, bottom - top));
    body.addEllipse(QRectF(cx - ro, bottom - kk * ro, 2 * ro, 2 * kk * ro));
    soil(p, body, 17, kSoil);
    QLinearGradient g(cx - ro, 0, cx + ro, 0);
    g.setColorAt(0, QColor(0, 0, 0, 90));
    g.setColorAt(0.3, QColor(255, 255, 255, 45));
    g.setColorAt(1, QColor(0, 0, 0, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(QPen(shade(kSoil, 0.5), 1));
    p.setBrush(shade(kSoil, 1.25));
    p.drawEllipse(QRectF(cx - ro, top - kk * ro, 2 * ro, 2 * kk * ro));
    p.setBrush(QColor(60, 54, 50));
    p.drawEllipse(QRectF(cx - ri, top - kk * ri, 2 * ri, 2 * kk * ri));
    // Axial load W and torque T at the top.
    arrow(p, QPointF(cx, 2), QPointF(cx, top - 6), 2.2, red, 8);
    text(p, QRectF(cx + 4, 0, 30, 16), QStringLiteral("W"), 12, Qt::AlignLeft | Qt::AlignVCenter, red, true, true);
    p.setPen(QPen(red, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - ro - 10, top - 20, 2 * ro + 20, 26), 200 * 16, 140 * 16);
    arrow(p, QPointF(cx + ro - 4, top - 4), QPointF(cx + ro + 8, top - 12), 1.8, red, 7);
    text(p, QRectF(cx + ro + 8, top - 26, 24, 16), QStringLiteral("T"), 12, Qt::AlignLeft | Qt::AlignVCenter, red, true, true);
    // Outer pressure all round, inner pressure in the hole.
    for (double y : {top + 30, top + 70, top + 110}) {
        arrow(p, QPointF(cx - ro - 26, y), QPointF(cx - ro - 3, y), 1.6, blue, 6);
        arrow(p, QPointF(cx + ro + 26, y), QPointF(cx + ro + 3, y), 1.6, blue, 6);
    }
    text(p, QRectF(2, top + 38, 30, 16), QStringLiteral("p\u2092"), 12, Qt::AlignCenter, blue, true, true);
    p.setPen(QPen(QColor(255, 255, 255), 1, Qt::DashLine));
    p.drawLine(QPointF(cx - ri, top), QPointF(cx - ri, bottom));
    p.drawLine(QPointF(cx + ri, top), QPointF(cx + ri, bottom));
    arrow(p, QPointF(cx, top + 84), QPointF(cx - ri + 2, top + 84), 1.4, QColor(250, 230, 120), 5);
    arrow(p, QPointF(cx, top + 84), QPointF(cx + ri - 2, top + 84), 1.4, QColor(250, 230, 120), 5);
    text(p, QRectF(cx - 12, top + 62, 24, 16), QStringLiteral("p\u1d62"), 12, Qt::AlignCenter, QColor(250, 230, 120), true, true);

    // The wall element and its stresses.
    const QRectF el(w * 0.70, h * 0.36, 40, 40);
    p.setPen(QPen(colour::ink, 1));
    p.setBrush(shade(kSoil, 1.2));
    p.drawRect(el);
    p.setPen(QPen(QColor(90, 90, 90), 0.8, Qt::DashLine));
    p.drawLine(QPointF(cx + ro, el.center().y()), el.topLeft() + QPointF(0, 20));
    arrow(p, el.center() + QPointF(0, -44), QPointF(el.center().x(), el.top() - 2), 1.6, red, 6);
    arrow(p, el.center() + QPointF(0, 44), QPointF(el.center().x(), el.bottom() + 2), 1.6, red, 6);
    text(p, QRectF(el.center().x() + 3, el.top() - 38, 30, 16), QStringLiteral("\u03c3z"), 11, Qt::AlignLeft, red, true);
    arrow(p, el.center() + QPointF(46, 0), QPointF(el.right() + 2, el.center().y()), 1.6, blue, 6);
    text(p, QRectF(el.right() + 10, el.center().y() - 2, 30, 16), QStringLiteral("\u03c3\u03b8"), 11, Qt::AlignLeft, blue, true);
    // Shear on the element's faces.
    arrow(p, QPointF(el.left() + 4, el.top() - 6), QPointF(el.right() - 4, el.top() - 6), 1.3, QColor(20, 120, 40), 5);
    arrow(p, QPointF(el.right() - 4, el.bottom() + 6), QPointF(el.left() + 4, el.bottom() + 6), 1.3, QColor(20, 120, 40), 5);
    text(p, QRectF(el.left() - 34, el.bottom() + 2, 34, 16), QStringLiteral("\u03c4z\u03b8"), 11, Qt::AlignRight,
         QColor(20, 120, 40), true);
    text(p, QRectF(w * 0.56, h - 26, w * 0.44, 24), QStringLiteral("\u03c3r = p\u1d62 \u2026 p\u2092\nacross the wall"), 9,
         Qt::AlignCenter, colour::label);
    return img;
}

Picture png(const QString& name, const L::TwipRect& r, std::function<void(QPainter&)> fn)
{
    Picture p;
    p.path = QStringLiteral("forms/frmTTT/") + name + QStringLiteral(".png");
    p.size = px(r);
    p.format = Format::Png;
    p.draw = [r, fn](QSize s) { return scenePart(tr(r), s, fn); };
    p.usedBy = QStringLiteral("frmTTT.") + name;
    return p;
}

} // namespace

void addHollowCylinder(Pictures& out)
{
    out.push_back(png(QStringLiteral("imgHCT_1"), T::imgHCT_1, [](QPainter& p) { pedestal(p, true); }));
    out.push_back(png(QStringLiteral("imgHCT_2"), T::imgHCT_2, bottomRing));
    out.push_back(png(QStringLiteral("imgHCT_3"), T::imgHCT_3, [](QPainter& p) { innerMembrane(p, 1200, 5355); }));
    out.push_back(png(QStringLiteral("imgHCT_4"), T::imgHCT_4, specimen));
    out.push_back(png(QStringLiteral("imgHCT_5"), T::imgHCT_5, innerCap));
    out.push_back(png(QStringLiteral("imgHCT_6"), T::imgHCT_6, topCap));
    out.push_back(png(QStringLiteral("imgHCT_7"), T::imgHCT_7, torquePlate));
    out.push_back(png(QStringLiteral("imgHCT_8"), T::imgHCT_8, assembled8));
    out.push_back(png(QStringLiteral("imgHCT_9"), T::imgHCT_9[0], [](QPainter& p) { oRing(p, oRingCentres[0]); }));
    out.push_back(png(QStringLiteral("imgHCT_10"), T::imgHCT_10, scaledPrepared));
    out.push_back(png(QStringLiteral("imgHCT_11"), T::imgHCT_11, cellBase));
    out.push_back(png(QStringLiteral("imgHCT_12"), T::imgHCT_12, loadHead));
    out.push_back(png(QStringLiteral("imgHCT_13"), T::imgHCT_13, assembledCell));
    out.push_back(png(QStringLiteral("imgHCT_14"), T::imgHCT_14, topPlate));
    out.push_back(png(QStringLiteral("imgHCT_15"), T::imgHCT_15, ram));
    out.back().usedBy = QStringLiteral("frmTTT.imgHCT_15");
    out[out.size() - 7].usedBy = QStringLiteral("frmTTT.imgHCT_9(0 to 3)");

    out.push_back(jpg(QStringLiteral("pictures/HCT/Sketch_1.jpg"), px(T::dlgImgAssembly), sketchApparatus,
                      QStringLiteral("dlgTTT_HCT.imgAssembly (hollow cylinder)")));
    out.push_back(jpg(QStringLiteral("pictures/HCT/Sketch_2.jpg"), px(T::screenImgTTT), sketchLoads,
                      QStringLiteral("frmScreenDASTTT.imgTTT (hollow cylinder)")));
}

} // namespace genpictures
