// The one-dimensional consolidation test: the parts of the oedometer and CRS cell
// assembly, drawn as one scene so that they stack where the animation puts them,
// and the loading frames of the data-acquisition screen.
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
namespace C = L::consolidationAssembly;

constexpr double A = C::axis;
// The CRS cell is seen from a little above: a depth dz in plan shows k * dz lower.
constexpr double k = 0.055;

// Sizes in plan (twips): the ring, the specimen inside it, the porous stones.
constexpr double ringOuter = 1130, ringInner = 980;
constexpr double stoneHalf = 965;
constexpr double ringHeight = 580;      // the ring with the trimmed specimen
constexpr double specimenRecess = 175;  // the specimen's top below the ring's rim
constexpr double cellOuter = 2050, cellWall = 150;

const QColor kSpecimen(134, 110, 86);

void steelSection(QPainter& p, const QRectF& r)
{
    // A cut steel wall: shaded with section hatching.
    p.save();
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(r, colour::steel));
    p.drawRect(r);
    p.restore();
    hatch(p, rectPath(r), 3.2, QColor(70, 78, 88, 170), 45, 0.8);
}

void ellipseFace(QPainter& p, double cx, double cy, double r, QColor fill, QColor line)
{
    p.save();
    p.setPen(QPen(line, U(1)));
    p.setBrush(fill);
    p.drawEllipse(QRectF(cx - r, cy - k * r, 2 * r, 2 * k * r));
    p.restore();
}

// A vertical cylinder seen from a little above, its top face centred at 'top'.
void cylinderK(QPainter& p, double cx, double r, double top, double bottom, QColor base, bool topFace = true)
{
    p.save();
    QPainterPath body;
    body.moveTo(cx - r, top);
    body.lineTo(cx - r, bottom);
    body.arcTo(QRectF(cx - r, bottom - k * r, 2 * r, 2 * k * r), 180, 180);
    body.lineTo(cx + r, top);
    body.closeSubpath();
    p.setPen(QPen(shade(base, 0.45), U(1)));
    p.setBrush(turned(QRectF(cx - r, top, 2 * r, bottom - top), base));
    p.drawPath(body);
    p.restore();
    if (topFace) ellipseFace(p, cx, top, r, shade(base, 1.3), shade(base, 0.5));
}

// ---- the assembly parts -------------------------------------------------------------

void bench(QPainter& p)
{
    const QRectF top(-200, 4600, 6400, 180);
    p.setPen(QPen(shade(colour::wood, 0.5), U(1)));
    p.setBrush(plateShade(top, colour::wood));
    p.drawRect(top);
    const QRectF front(-200, 4780, 6400, 300);
    p.setBrush(shade(colour::wood, 0.78));
    p.drawRect(front);
    p.setPen(QPen(shade(colour::wood, 0.6), U(0.6)));
    for (double x = 200; x < 6000; x += 900) p.drawLine(QPointF(x, 4800), QPointF(x + 300, 4990));
}

void ilBase(QPainter& p)
{
    // The oedometer's base: a thick plate with the groove for the cell wall and the
    // drainage from under the bottom stone out to its valve.
    const QRectF plate(A - 2350, 3945, 4700, 645);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(plate, colour::steel));
    p.drawRect(plate);
    p.setPen(QPen(QColor(40, 70, 130), U(1.2), Qt::DashLine));
    p.drawLine(QPointF(A, 3960), QPointF(A, 4300));
    p.drawLine(QPointF(A, 4300), QPointF(A + 2350, 4300));
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.drawLine(QPointF(A - cellOuter, 3945), QPointF(A - cellOuter, 3985));
    p.drawLine(QPointF(A + cellOuter, 3945), QPointF(A + cellOuter, 3985));
    valve(p, QPointF(A + 2230, 4300), U(5));
}

void sampleBlock(QPainter& p, double top)
{
    // The sample as brought to the cell, wider than the ring that will cut it.
    QPainterPath block;
    block.addRoundedRect(QRectF(A - 1300, top, 2600, 885), 60, 60);
    soil(p, block, 61, kSpecimen);
    p.save();
    p.setPen(QPen(shade(kSpecimen, 0.55), U(1)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(block);
    p.restore();
}

void ringWalls(QPainter& p, double top, double height, bool cuttingEdge)
{
    for (int side : {-1, 1}) {
        const double outer = A + side * ringOuter, inner = A + side * ringInner;
        const QRectF wall(std::min(outer, inner), top, ringOuter - ringInner, height);
        if (!cuttingEdge) {
            steelSection(p, wall);
            continue;
        }
        // The cutting ring's bevelled lower edge.
        QPainterPath path;
        path.moveTo(outer, top);
        path.lineTo(inner, top);
        path.lineTo(inner, top + height);
        path.lineTo(outer, top + height - 90);
        path.closeSubpath();
        p.save();
        p.setPen(QPen(colour::steelDark, U(1)));
        p.setBrush(plateShade(wall, colour::steel));
        p.drawPath(path);
        p.restore();
        hatch(p, path, 3.2, QColor(70, 78, 88, 170), 45, 0.8);
    }
}

void steelRing(QPainter& p, double top)
{
    ringWalls(p, top + 70, ringHeight, true);
}

void specimenInRing(QPainter& p, double top)
{
    const QRectF spec(A - ringInner, top + specimenRecess, 2 * ringInner, ringHeight - specimenRecess);
    soil(p, rectPath(spec), 63, kSpecimen);
}

void sampleIn(QPainter& p, double top)
{
    specimenInRing(p, top);
    ringWalls(p, top, ringHeight, false);
}

void porousStoneOn(QPainter& p, double top, double height)
{
    porousStone(p, QRectF(A - stoneHalf, top, 2 * stoneHalf, height), 67);
}

void bottomStone(QPainter& p)
{
    // The bottom porous stone in its carrier disc, slid under the ring.
    const double top = 3580, stone = 190, bottom = 3940;
    const QRectF carrier(A - stoneHalf - 60, top + stone, 2 * stoneHalf + 120, bottom - top - stone);
    p.save();
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(carrier, colour::brass));
    p.drawRect(carrier);
    p.restore();
    porousStoneOn(p, top, stone);
}

void plunger(QPainter& p, double top)
{
    // The loading cap: its porous stone below (it enters the ring), the cap above
    // with the seat for the ball.
    porousStoneOn(p, top + 350, specimenRecess);
    const QRectF cap(A - 900, top, 1800, 350);
    QPainterPath body;
    body.addRect(cap);
    QPainterPath seat;
    seat.moveTo(A - 200, top);
    seat.lineTo(A, top + 140);
    seat.lineTo(A + 200, top);
    seat.closeSubpath();
    p.save();
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(cap, colour::steel));
    p.drawPath(body.subtracted(seat));
    p.restore();
    hatch(p, body.subtracted(seat), 3.2, QColor(70, 78, 88, 150), 45, 0.8);
}

void ball(QPainter& p, double top)
{
    const QPointF c(A, top + 180);
    QRadialGradient g(c - QPointF(60, 60), 220);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(0.5, QColor(170, 178, 190));
    g.setColorAt(1, QColor(80, 88, 100));
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(g);
    p.drawEllipse(c, 178, 178);
    p.restore();
}

void acrylicCell(QPainter& p, double top, double bottom)
{
    // The clear cell round the ring: walls, the rim seen from a little above, and
    // the steel collar at its foot.
    for (int side : {-1, 1}) {
        const double x = side < 0 ? A - cellOuter : A + cellOuter - cellWall;
        acrylicWall(p, QRectF(x, top, cellWall, bottom - top));
    }
    p.save();
    p.setPen(QPen(QColor(70, 120, 160), U(1)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(A - cellOuter, top - k * cellOuter, 2 * cellOuter, 2 * k * cellOuter), 0, 180 * 16);
    p.setPen(QPen(QColor(70, 120, 160, 150), U(0.8)));
    p.drawArc(QRectF(A - cellOuter + cellWall, top - k * (cellOuter - cellWall), 2 * (cellOuter - cellWall),
                     2 * k * (cellOuter - cellWall)),
              0, 180 * 16);
    p.drawArc(QRectF(A - cellOuter, top - k * cellOuter, 2 * cellOuter, 2 * k * cellOuter), 180 * 16, 180 * 16);
    p.restore();
    for (int side : {-1, 1}) {
        const double x = side < 0 ? A - cellOuter - 40 : A + cellOuter - cellWall - 40;
        block(p, QRectF(x, bottom - 160, cellWall + 80, 160), colour::steel);
    }
}

void outerCell(QPainter& p, double top)
{
    acrylicCell(p, top, top + 1680);
}

void water(QPainter& p, double cx, double top, double bottom, double half)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 226, 246));
    p.drawRect(QRectF(cx - half, top, 2 * half, bottom - top));
    p.setPen(QPen(QColor(90, 150, 200), U(1)));
    p.drawLine(QPointF(cx - half, top), QPointF(cx + half, top));
    p.restore();
}

void assembledOedo(QPainter& p)
{
    // Incremental-loading cell ready for the test, filled with water.
    water(p, A, C::cellFinalTop + 260, 3940, cellOuter - cellWall);
    bottomStone(p);
    sampleIn(p, C::sampleInLiftedTop);
    plunger(p, C::plungerFinalTopIL);
    ball(p, C::ballFinalTopIL);
    outerCell(p, C::cellFinalTop);
}

// ---- the CRS cell -------------------------------------------------------------------

constexpr double crsBaseR = 2375, crsBaseTop = 3815, crsBaseBottom = 4480;
constexpr double plateR = 2340, plateTop = 1745, plateBottom = 2090;
constexpr double bossR = 900, bossTop = 1650;
constexpr double sleeveR = 380, sleeveTop = 1095;

void crsBase(QPainter& p)
{
    cylinderK(p, A, crsBaseR, crsBaseTop, crsBaseBottom, colour::steel);
    // The built-in bottom porous stone under the ring's seat.
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(shade(colour::steel, 1.15));
    p.drawEllipse(QRectF(A - 1190, 3780 - k * 1190, 2380, 2 * k * 1190));
    p.restore();
    porousStone(p, QRectF(A - stoneHalf, 3780 - 30, 2 * stoneHalf, 60), 71);
    // Pore-pressure port on the left, back-pressure line on the right.
    pipe(p, QPolygonF() << QPointF(A - crsBaseR, 4150) << QPointF(A - crsBaseR - 200, 4150), 3);
    pipe(p, QPolygonF() << QPointF(A + crsBaseR, 4200) << QPointF(A + crsBaseR + 300, 4200), 3);
    p.setPen(QPen(QColor(40, 70, 130), U(1.2), Qt::DashLine));
    p.drawLine(QPointF(A, 3800), QPointF(A, 4200));
    p.drawLine(QPointF(A, 4200), QPointF(A + crsBaseR, 4200));
    p.drawLine(QPointF(A - 600, 3800), QPointF(A - 600, 4150));
    p.drawLine(QPointF(A - 600, 4150), QPointF(A - crsBaseR, 4150));
    // Feet of the base.
    block(p, QRectF(A - crsBaseR + 100, crsBaseBottom + 40, 500, 80), colour::steelDark);
    block(p, QRectF(A + crsBaseR - 600, crsBaseBottom + 40, 500, 80), colour::steelDark);
}

void crsTop(QPainter& p)
{
    // The top plate (a thick disc), the boss in its middle and the piston's sleeve.
    cylinderK(p, A, plateR, plateTop, plateBottom, colour::steel);
    cylinderK(p, A, bossR, bossTop, plateTop, shade(colour::steel, 1.05));
    cylinderK(p, A, sleeveR, sleeveTop, bossTop, shade(colour::steel, 0.95));
    // The air bleed on the plate.
    pipe(p, QPolygonF() << QPointF(A + 1600, plateTop + 40) << QPointF(A + 1600, plateTop - 260), 3);
    valve(p, QPointF(A + 1600, plateTop - 330), U(4));
}

void sideRod(QPainter& p, const L::TwipRect& r)
{
    const QRectF rod(r.left, r.top, r.width, r.height);
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.6)));
    p.setBrush(turned(rod, QColor(180, 186, 194)));
    p.drawRect(rod);
    p.restore();
}

void sideRodNut(QPainter& p, const L::TwipRect& r)
{
    hexNut(p, QRectF(r.left, r.top, r.width, r.height));
}

void crsTopRod(QPainter& p, double top)
{
    // The loading piston: its coupling to the frame above, then the rod.
    const L::TwipRect& r = C::imgCRSTopRod;
    const double cx = r.left + r.width / 2.0;
    const QRectF head(r.left + 10, top, r.width - 20, 300);
    block(p, head, shade(colour::steel, 0.9));
    const QRectF rod(cx - 130, top + 300, 260, r.height - 300);
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(turned(rod, QColor(206, 212, 220)));
    p.drawRect(rod);
    p.restore();
}

void crsTopRodHidden(QPainter& p)
{
    // The piston inside the chamber, seen through the acrylic, down onto the ball.
    const L::TwipRect& r = C::imgCRSTopRodHidden;
    const double cx = C::imgCRSTopRod.left + C::imgCRSTopRod.width / 2.0;
    const QRectF rod(cx - 130, r.top, 260, r.height - 40);
    p.save();
    p.setPen(QPen(QColor(90, 110, 130), U(0.8)));
    p.setBrush(turned(rod, QColor(188, 204, 218)));
    p.drawRect(rod);
    // Cup that sits on the ball.
    QPainterPath cup;
    cup.addRect(QRectF(cx - 230, r.top + r.height - 110, 460, 110));
    p.setBrush(turned(QRectF(cx - 230, 0, 460, 1), QColor(188, 204, 218)));
    p.drawPath(cup);
    p.restore();
}

void assembledCRS(QPainter& p)
{
    crsBase(p);
    const double top = 2280, bottom = crsBaseTop;
    water(p, A, top + 120, bottom, cellOuter - cellWall);
    sampleIn(p, C::imgSampleIN.top);
    plunger(p, C::plungerFinalTopCRS);
    ball(p, C::ballFinalTopCRS);
    // The chamber: clear acrylic from the base to the top plate.
    for (int side : {-1, 1}) {
        const double x = side < 0 ? A - cellOuter : A + cellOuter - cellWall;
        acrylicWall(p, QRectF(x, top, cellWall, bottom - top));
    }
    p.save();
    p.setPen(QPen(QColor(70, 120, 160), U(1)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(A - cellOuter, bottom - k * cellOuter, 2 * cellOuter, 2 * k * cellOuter), 180 * 16, 180 * 16);
    p.restore();
}

// ---- the data-acquisition screen ----------------------------------------------------

namespace S = L::consolidationScreen;

constexpr double pivotX = 270, pivotY = 920;  // the lever's fulcrum
constexpr double cellX = 600;                 // the cell's axis under the lever
constexpr double hangerX = 3975;
constexpr double armTop = 840, armBottom = 1000;

void ilFrame(QPainter& p)
{
    // The oedometer frame: its bed and feet, the fulcrum column and the dial gauge
    // on its bracket over the cell.
    const QRectF bed(60, 2940, 4380, 200);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(bed, QColor(96, 110, 130)));
    p.drawRect(bed);
    block(p, QRectF(120, 3140, 300, 120), colour::steelDark);
    block(p, QRectF(4080, 3140, 300, 120), colour::steelDark);
    const QRectF column(120, armBottom + 60, 200, 2940 - armBottom - 60);
    p.setBrush(turned(column, QColor(96, 110, 130)));
    p.drawRect(column);
    // Fulcrum block with its knife edge.
    QPainterPath fulcrum;
    fulcrum.moveTo(100, armBottom + 60);
    fulcrum.lineTo(340, armBottom + 60);
    fulcrum.lineTo(pivotX + 30, armBottom + 10);
    fulcrum.lineTo(pivotX - 30, armBottom + 10);
    fulcrum.closeSubpath();
    p.setBrush(colour::steelDark);
    p.drawPath(fulcrum);
    // Dial gauge bracket from the column, gauge over the cell.
    block(p, QRectF(320, 1700, 700, 70), colour::steel);
    const QPointF dial(cellX + 230, 1600);
    p.setPen(QPen(QColor(30, 30, 30), U(1)));
    p.setBrush(Qt::white);
    p.drawEllipse(dial, 190, 190);
    p.setPen(QPen(QColor(30, 30, 30), U(0.6)));
    for (int i = 0; i < 20; ++i) {
        const double a = i * M_PI / 10;
        p.drawLine(dial + QPointF(std::cos(a) * 150, std::sin(a) * 150), dial + QPointF(std::cos(a) * 185, std::sin(a) * 185));
    }
    p.setPen(QPen(QColor(170, 20, 20), U(1)));
    p.drawLine(dial, dial + QPointF(100, -110));
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(colour::steel);
    p.drawRect(QRectF(dial.x() - 25, dial.y() + 190, 50, 510));  // stem down to the cap's bracket
}

void ilArm(QPainter& p)
{
    // The lever: counterweight behind the fulcrum, the beam, the loading yoke
    // down to the cell's ball and the hanger with its plate for the weights.
    const QRectF beam(120, armTop, hangerX + 200 - 120, armBottom - armTop);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(beam, QColor(120, 132, 150)));
    p.drawRect(beam);
    block(p, QRectF(20, armTop - 140, 260, 440), QColor(70, 76, 86));
    const QRectF yoke(cellX - 40, armBottom, 80, 2300 - armBottom);
    p.setBrush(turned(yoke, colour::steel));
    p.drawRect(yoke);
    const QRectF hanger(hangerX - 35, armBottom, 70, S::imgLoad0.bottom() - armBottom);
    p.setBrush(turned(hanger, colour::steel));
    p.drawRect(hanger);
    const QRectF plateR(S::imgLoad0.left - 30, S::imgLoad0.bottom(), S::imgLoad0.width + 60, 70);
    p.setBrush(plateShade(plateR, colour::steelDark));
    p.drawRect(plateR);
    // Ratio mark on the beam.
    text(p, QRectF(1500, armTop, 1400, armBottom - armTop), QStringLiteral("LEVER 11 : 1"), 6, Qt::AlignCenter, Qt::white, true);
}

void ilCellSmall(QPainter& p)
{
    // The assembled oedometer cell, small, with the cap's ball at the top.
    const L::TwipRect& r = S::imgAssembly;
    const double cx = cellX;
    const double bottom = r.bottom();
    const QRectF base(cx - 410, bottom - 150, 820, 150);
    block(p, base, colour::steel);
    water(p, cx, r.top + 260, bottom - 150, 300);
    for (int side : {-1, 1}) acrylicWall(p, QRectF(side < 0 ? cx - 340 : cx + 290, r.top + 200, 50, bottom - 150 - r.top - 200));
    porousStone(p, QRectF(cx - 200, bottom - 250, 400, 100), 73);
    const QRectF spec(cx - 200, bottom - 390, 400, 140);
    soil(p, rectPath(spec), 75, kSpecimen);
    for (int side : {-1, 1}) steelSection(p, QRectF(side < 0 ? cx - 250 : cx + 200, bottom - 430, 50, 180));
    porousStone(p, QRectF(cx - 195, bottom - 460, 390, 70), 77);
    block(p, QRectF(cx - 190, bottom - 560, 380, 100), colour::steel);
    p.save();
    QRadialGradient g(QPointF(cx - 15, bottom - 610), 60);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(1, QColor(100, 108, 120));
    p.setPen(QPen(colour::steelDark, U(0.6)));
    p.setBrush(g);
    p.drawEllipse(QPointF(cx, bottom - 600), 50, 50);
    p.restore();
    // The gauge's bracket on the cap.
    block(p, QRectF(cx - 20, bottom - 600, 300, 40), colour::steel);
}

void slottedWeight(QPainter& p, const L::TwipRect& r)
{
    const QRectF w(r.left, r.top + 8, r.width, r.height - 16);
    p.save();
    p.setPen(QPen(QColor(30, 30, 34), U(0.8)));
    p.setBrush(turned(w, QColor(84, 90, 100)));
    p.drawRoundedRect(w, U(1.5), U(1.5));
    p.setPen(QPen(QColor(20, 20, 24), U(0.8)));
    p.drawLine(QPointF(w.center().x() + 20, w.top()), QPointF(w.center().x() + 20, w.bottom()));
    p.restore();
}

void crsFrame(QPainter& p)
{
    // CRS loading frame: the motorised base that raises the platen, two columns, the
    // cross-head with the load cell and the piston into the cell, the LVDT, the
    // pore-pressure transducer at the cell's base and the back-pressure line.
    const double cx = 2100;
    const QRectF bed(900, 2760, 2400, 300);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(bed, QColor(96, 110, 130)));
    p.drawRect(bed);
    text(p, bed, QStringLiteral("MOTOR DRIVE"), 6, Qt::AlignCenter, Qt::white, true);
    block(p, QRectF(960, 3060, 300, 100), colour::steelDark);
    block(p, QRectF(2940, 3060, 300, 100), colour::steelDark);
    for (double x : {1050.0, 3000.0}) {
        const QRectF col(x, 240, 150, 2520);
        p.setPen(QPen(colour::steelDark, U(1)));
        p.setBrush(turned(col, QColor(180, 186, 194)));
        p.drawRect(col);
    }
    const QRectF head(900, 240, 2400, 240);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(head, QColor(96, 110, 130)));
    p.drawRect(head);
    // Platen and the cell on it: base, clear chamber, top plate, specimen in its ring.
    block(p, QRectF(cx - 650, 2610, 1300, 150), colour::steel);
    block(p, QRectF(cx - 600, 2390, 1200, 220), colour::steel);
    water(p, cx, 1500, 2390, 460);
    for (int side : {-1, 1}) acrylicWall(p, QRectF(side < 0 ? cx - 520 : cx + 460, 1450, 60, 940));
    block(p, QRectF(cx - 600, 1330, 1200, 120), colour::steel);
    porousStone(p, QRectF(cx - 300, 2310, 600, 80), 79);
    soil(p, rectPath(QRectF(cx - 300, 2160, 600, 150)), 81, kSpecimen);
    for (int side : {-1, 1}) steelSection(p, QRectF(side < 0 ? cx - 370 : cx + 300, 2110, 70, 200));
    porousStone(p, QRectF(cx - 295, 2080, 590, 80), 83);
    block(p, QRectF(cx - 280, 1960, 560, 120), colour::steel);
    // Piston from the load cell through the top plate onto the cap.
    const QRectF piston(cx - 70, 1000, 140, 960);
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(turned(piston, QColor(206, 212, 220)));
    p.drawRect(piston);
    const QRectF loadCell(cx - 240, 480, 480, 520);
    p.setBrush(turned(loadCell, QColor(200, 160, 80)));
    p.drawRect(loadCell);
    // LVDT on a bracket clamped to the piston, its core resting on the cell's top.
    block(p, QRectF(cx + 70, 1100, 620, 70), colour::steel);
    const QRectF lvdt(cx + 560, 650, 130, 450);
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(turned(lvdt, QColor(60, 90, 150)));
    p.drawRect(lvdt);
    p.setPen(QPen(colour::steelDark, U(1.5)));
    p.drawLine(QPointF(cx + 625, 1170), QPointF(cx + 625, 1330));
    // Pore-pressure transducer on the base, back-pressure line to its controller.
    pipe(p, QPolygonF() << QPointF(cx - 600, 2500) << QPointF(500, 2500), 3);
    const QRectF ppt(250, 2400, 250, 200);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(turned(ppt, QColor(60, 90, 150)));
    p.drawRect(ppt);
    pipe(p, QPolygonF() << QPointF(cx + 600, 2500) << QPointF(4150, 2500) << QPointF(4150, 2180), 3);
    const QPointF gauge(4150, 2000);
    p.setPen(QPen(QColor(30, 30, 30), U(1)));
    p.setBrush(Qt::white);
    p.drawEllipse(gauge, 180, 180);
    p.setPen(QPen(QColor(170, 20, 20), U(1)));
    p.drawLine(gauge, gauge + QPointF(100, -100));
    // Leaders from the captions the screen places beside the parts.
    auto lead = [&](QPointF from, QPointF part) {
        p.setPen(QPen(colour::label, U(0.8)));
        p.drawLine(from, part);
        p.setBrush(colour::label);
        p.setPen(Qt::NoPen);
        p.drawEllipse(part, U(1.2), U(1.2));
    };
    lead(QPointF(S::lblLVDT.left - 45, S::lblLVDT.top + 120), QPointF(lvdt.right(), S::lblLVDT.top + 120));
    lead(QPointF(S::lblLoadCell.left - 45, S::lblLoadCell.top + 120), QPointF(loadCell.right(), 560));
    lead(QPointF(375, S::lblTransducer.bottom() + 15), QPointF(375, ppt.top()));
    lead(QPointF(3600, S::lblBackPressure.top - 15), QPointF(3600, 2500));
}

} // namespace

void addConsolidation(Pictures& out)
{
    const QString d = QStringLiteral("pictures/1DConsol/");
    const QString f = QStringLiteral("frm1DConsolidation.");
    out.push_back(gif(d + QStringLiteral("TopBottom.gif"), C::imgTopBottom, bench, f + QStringLiteral("imgTopBottom")));
    out.push_back(gif(d + QStringLiteral("ILBase.gif"), C::imgILbase, ilBase, f + QStringLiteral("imgILbase")));
    out.push_back(gif(d + QStringLiteral("CRSBase.gif"), C::imgCRSBase, crsBase, f + QStringLiteral("imgCRSBase")));
    out.push_back(gif(d + QStringLiteral("Sample.gif"), withTop(C::imgSample, C::sampleFinalTop),
                      [](QPainter& p) { sampleBlock(p, C::sampleFinalTop); }, f + QStringLiteral("imgSample")));
    out.push_back(gif(d + QStringLiteral("SteelRing.gif"), withTop(C::imgSteelRing, C::steelRingFinalTop),
                      [](QPainter& p) { steelRing(p, C::steelRingFinalTop); }, f + QStringLiteral("imgSteelRing")));
    out.push_back(gif(d + QStringLiteral("SampleIN.gif"), withTop(C::imgSampleIN, C::sampleInLiftedTop),
                      [](QPainter& p) { sampleIn(p, C::sampleInLiftedTop); }, f + QStringLiteral("imgSampleIN")));
    out.push_back(gif(d + QStringLiteral("PorousStone.gif"), withLeft(C::imgPorousStone, C::porousStoneFinalLeft),
                      bottomStone, f + QStringLiteral("imgPorousStone")));
    out.push_back(gif(d + QStringLiteral("Plunger.gif"), withTop(C::imgPlunger, C::plungerFinalTopIL),
                      [](QPainter& p) { plunger(p, C::plungerFinalTopIL); }, f + QStringLiteral("imgPlunger")));
    out.push_back(gif(d + QStringLiteral("Ball.gif"), withTop(C::imgBall, C::ballFinalTopIL),
                      [](QPainter& p) { ball(p, C::ballFinalTopIL); }, f + QStringLiteral("imgBall")));
    out.push_back(gif(d + QStringLiteral("OuterCell.gif"), withTop(C::imgCell, C::cellFinalTop),
                      [](QPainter& p) { outerCell(p, C::cellFinalTop); }, f + QStringLiteral("imgCell")));
    out.push_back(gif(d + QStringLiteral("assembledOedo.gif"), C::imgAssembledOedo, assembledOedo,
                      f + QStringLiteral("imgAssembledOedo")));
    out.push_back(gif(d + QStringLiteral("assembledCRS.gif"), C::imgAssembledCRS, assembledCRS,
                      f + QStringLiteral("imgAssembledCRS")));
    out.push_back(gif(d + QStringLiteral("CRSTop.gif"), C::imgCRSTop, crsTop, f + QStringLiteral("imgCRSTop")));
    out.push_back(gif(d + QStringLiteral("SideRod.gif"), C::imgSideRod[0], [](QPainter& p) { sideRod(p, C::imgSideRod[0]); },
                      f + QStringLiteral("imgSideRod(0 to 3)")));
    out.push_back(gif(d + QStringLiteral("SideRodNut.gif"), C::imgSideRodNut[0],
                      [](QPainter& p) { sideRodNut(p, C::imgSideRodNut[0]); }, f + QStringLiteral("imgSideRodNut(0 to 5)")));
    out.push_back(gif(d + QStringLiteral("CRSTopRod.gif"), withTop(C::imgCRSTopRod, C::crsTopRodFinalTop),
                      [](QPainter& p) { crsTopRod(p, C::crsTopRodFinalTop); }, f + QStringLiteral("imgCRSTopRod")));
    out.push_back(png(QStringLiteral("forms/frm1DConsolidation/imgCRSTopRodHidden.png"), C::imgCRSTopRodHidden,
                      crsTopRodHidden, f + QStringLiteral("imgCRSTopRodHidden")));

    const QString s = QStringLiteral("frmScreenDAS1D.");
    out.push_back(gif(d + QStringLiteral("Base.gif"), S::imgOedometer, ilFrame, s + QStringLiteral("imgOedometer"),
                      colour::formGrey));
    out.push_back(gif(d + QStringLiteral("arm.gif"), S::imgArm, ilArm, s + QStringLiteral("imgArm"), colour::formGrey));
    out.push_back(gif(d + QStringLiteral("AssemblySmall.gif"), S::imgAssembly, ilCellSmall, s + QStringLiteral("imgAssembly"),
                      colour::formGrey));
    out.push_back(gif(d + QStringLiteral("CRSLoadingFrame.gif"), S::imgCRS, crsFrame, s + QStringLiteral("imgCRS"),
                      colour::formGrey));
    out.push_back(png(QStringLiteral("forms/frmScreenDAS1D/imgLoad.png"), S::imgLoad0,
                      [](QPainter& p) { slottedWeight(p, S::imgLoad0); }, s + QStringLiteral("imgLoad(0 to 13)")));
}

} // namespace genpictures
