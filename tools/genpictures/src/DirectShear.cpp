// The direct shear test: the shear box assembly (seen from the front and a little
// above), and the box on the data-acquisition screen, cut open to show the sand.
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
namespace D = L::directShearAssembly;
namespace S = L::directShearScreen;

constexpr double A = D::axis;
const QColor kBox(150, 160, 172);

// A block seen from the front and a little above: top face over the front face.
void box3(QPainter& p, const QRectF& top, const QRectF& front, QColor base)
{
    p.save();
    p.setPen(QPen(shade(base, 0.45), U(1)));
    p.setBrush(plateShade(top, shade(base, 1.25)));
    p.drawRect(top);
    p.setBrush(plateShade(front, base));
    p.drawRect(front);
    p.restore();
}

void cavity(QPainter& p, const QRectF& r)
{
    // The inside of an empty box seen through its opening.
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(60, 64, 72));
    g.setColorAt(1, QColor(120, 126, 136));
    p.save();
    p.setPen(QPen(QColor(40, 40, 46), U(1)));
    p.setBrush(g);
    p.drawRect(r);
    // The grooved grid plate at the bottom.
    p.setPen(QPen(QColor(150, 156, 166), U(0.8)));
    for (double x = r.left() + 120; x < r.right(); x += 160) p.drawLine(QPointF(x, r.bottom() - 90), QPointF(x, r.bottom() - 8));
    p.restore();
}

void ballAt(QPainter& p, QPointF c, double r)
{
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(0.5, QColor(170, 178, 190));
    g.setColorAt(1, QColor(80, 88, 100));
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

// ---- the assembly ---------------------------------------------------------------------

void base(QPainter& p)
{
    // Machine bed, the carriage's ball race, the carriage with its end walls.
    const QRectF bed(-100, 5000, 6200, 500);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(bed, QColor(96, 110, 130)));
    p.drawRect(bed);
    const QRectF race(300, 4900, 5300, 100);
    p.setBrush(QColor(60, 64, 72));
    p.drawRect(race);
    for (double x = 420; x < 5600; x += 260) ballAt(p, QPointF(x, 4950), 48);
    box3(p, QRectF(300, 4600, 5300, 95), QRectF(300, 4695, 5300, 205), kBox);
    for (double x0 : {300.0, 5100.0}) {
        box3(p, QRectF(x0, 3960, 500, 120), QRectF(x0, 4080, 500, 520), shade(kBox, 0.92));
        // Clamping screw through the end wall.
        const double cx = x0 + 250;
        p.setPen(QPen(colour::steelDark, U(0.8)));
        p.setBrush(turned(QRectF(cx - 60, 4250, 120, 200), colour::steel));
        p.drawEllipse(QPointF(cx, 4340), 90, 90);
        p.setPen(QPen(QColor(40, 40, 46), U(1.2)));
        p.drawLine(QPointF(cx - 60, 4340), QPointF(cx + 60, 4340));
    }
}

void lowerBox(QPainter& p, double left)
{
    const double dx = left - D::bottomFinalLeft;
    const QRectF top(830 + dx, 3600, 4125, 525), front(830 + dx, 4125, 4125, 570);
    box3(p, top, front, kBox);
    cavity(p, QRectF(1680 + dx, 3700, 2340, 360));
    text(p, front.adjusted(0, 200, 0, 0), QStringLiteral("LOWER HALF"), 6, Qt::AlignCenter, QColor(60, 66, 76), true);
}

void screw(QPainter& p, double top)
{
    // Clamping screw: hex head, washer, threaded shank (it ends in the lug).
    const double x0 = D::imgScrew1.left, w = D::imgScrew1.width;
    const double cx = x0 + w / 2.0;
    hexNut(p, QRectF(x0 + 30, top, w - 60, 110));
    block(p, QRectF(x0 + 10, top + 110, w - 20, 25), colour::steel);
    const QRectF shank(cx - 48, top + 135, 96, 265);
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.6)));
    p.setBrush(turned(shank, colour::steel));
    p.drawRect(shank);
    p.setPen(QPen(colour::steelDark, U(0.5)));
    for (double y = shank.top() + 30; y < shank.bottom(); y += 40) p.drawLine(QPointF(shank.left(), y), QPointF(shank.right(), y - 15));
    p.restore();
}

void lug(QPainter& p, double x0, double w)
{
    // The lower half's lug that takes the clamping screw.
    const QRectF face(x0, 4125, w, 195);
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(plateShade(face, shade(kBox, 1.1)));
    p.drawRect(face);
    p.restore();
}

void screwPart(QPainter& p)
{
    lug(p, D::imgScrewPart1.left, D::imgScrewPart1.width);
}

void screwTop(QPainter& p)
{
    // The lug with its screw driven home: the head sits in the lug's counterbore and
    // the threaded end shows below it.
    const double x0 = D::imgScrewTop1.left, w = D::imgScrewTop1.width;
    lug(p, x0, w);
    const double cx = x0 + w / 2.0;
    p.save();
    p.setPen(QPen(QColor(30, 30, 36), U(0.8)));
    p.setBrush(QColor(70, 74, 82));
    p.drawRect(QRectF(cx - 80, 4125, 160, 70));
    p.setPen(QPen(colour::steelLight, U(0.8)));
    p.drawLine(QPointF(cx - 50, 4160), QPointF(cx + 50, 4160));
    p.restore();
    block(p, QRectF(cx - 45, 4320, 90, 30), colour::steel);
}

void upperBox(QPainter& p)
{
    const QRectF top(830, 3030, 4125, 390), front(830, 3420, 4125, 705);
    // Ears with the alignment pins on both ends.
    for (double x0 : {430.0, 4955.0}) box3(p, QRectF(x0, 3560, 320, 80), QRectF(x0, 3640, 320, 200), shade(kBox, 0.9));
    box3(p, top, front, kBox);
    cavity(p, QRectF(1680, 3110, 2340, 310));
    text(p, front.adjusted(0, 300, 0, 0), QStringLiteral("UPPER HALF"), 6, Qt::AlignCenter, QColor(60, 66, 76), true);
    for (double x : {620.0, 5115.0}) {
        p.save();
        p.setPen(QPen(colour::steelDark, U(0.8)));
        p.setBrush(turned(QRectF(x - 45, 3520, 90, 360), colour::steel));
        p.drawRect(QRectF(x - 45, 3520, 90, 360));
        p.restore();
    }
}

void sandLayer(QPainter& p, const L::TwipRect& r, std::uint32_t seed)
{
    const QRectF area(r.left, r.top, r.width, r.height);
    sand(p, rectPath(area), seed, 1.3);
    p.save();
    QLinearGradient g(0, area.top(), 0, area.bottom());
    g.setColorAt(0, QColor(0, 0, 0, 60));
    g.setColorAt(0.4, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(area);
    p.restore();
}

void plunger(QPainter& p, double top)
{
    // The loading plate with its ball seat.
    const QRectF topFace(1740, top, 2235, 140), front(1740, top + 140, 2235, 415);
    box3(p, topFace, front, colour::steel);
    p.save();
    p.setPen(QPen(QColor(40, 40, 46), U(0.8)));
    p.setBrush(QColor(90, 96, 106));
    p.drawEllipse(QPointF(A, top + 70), 140, 45);
    p.restore();
}

void topBall(QPainter& p, double top)
{
    ballAt(p, QPointF(A, top + 97), 96);
}

// ---- the data-acquisition screen ----------------------------------------------------

constexpr double kBoxL = 600, kBoxR = 3000, kWall = 150;
constexpr double kShear = 1830;     // the shear plane
constexpr double kCx = (kBoxL + kBoxR) / 2;

void halfBoxSection(QPainter& p, double top, double bottom, bool upper)
{
    // A half of the box cut through its middle: the two walls and the sand between.
    const QRectF sandArea(kBoxL + kWall, upper ? top + 85 : top, kBoxR - kBoxL - 2 * kWall, (bottom - top) - 85);
    sand(p, rectPath(sandArea), upper ? 91 : 93, 1.3);
    for (double x : {kBoxL, kBoxR - kWall}) {
        const QRectF wall(x, top, kWall, bottom - top);
        p.save();
        p.setPen(QPen(colour::steelDark, U(1)));
        p.setBrush(plateShade(wall, kBox));
        p.drawRect(wall);
        p.restore();
        hatch(p, rectPath(wall), 3.2, QColor(70, 78, 88, 170), 45, 0.8);
    }
}

void dsBottomFull(QPainter& p)
{
    // Bed, carriage and the lower half (cut open), the horizontal LVDT on its stand.
    const QRectF bed(300, 2505, 4200, 345);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(bed, QColor(96, 110, 130)));
    p.drawRect(bed);
    block(p, QRectF(400, 2850, 300, 110), colour::steelDark);
    block(p, QRectF(4100, 2850, 300, 110), colour::steelDark);
    box3(p, QRectF(450, 2200, 2700, 50), QRectF(450, 2250, 2700, 75), kBox);
    halfBoxSection(p, kShear, 2180, false);
    porousStone(p, QRectF(kBoxL + kWall, 2110, kBoxR - kBoxL - 2 * kWall, 70), 95);
    block(p, QRectF(kBoxL, 2180, kBoxR - kBoxL, 70), colour::steel);
    // Horizontal LVDT: body on a post at the right, its rod out to the upper half.
    block(p, QRectF(S::horizontalLVDTPostLeft, 1680, 100, 825), colour::steel);
    const QRectF body(4250, 1480, 500, 200);
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(turned(body, QColor(60, 90, 150)));
    p.drawRect(body);
    p.setBrush(turned(QRectF(0, 1560, 1, 40), QColor(206, 212, 220)));
    p.drawRect(QRectF(kBoxR, 1560, 4250 - kBoxR, 40));
    p.restore();
}

void dsTopFull(QPainter& p)
{
    // Upper half (cut open) with the sand, the loading plate, the ball, and the
    // shear force pushing it.
    halfBoxSection(p, 1335, kShear, true);
    const QRectF plate(kBoxL + kWall, 1335, kBoxR - kBoxL - 2 * kWall, 85);
    block(p, plate, colour::steel);
    ballAt(p, QPointF(kCx, 1280), 55);
    arrow(p, QPointF(310, 1600), QPointF(kBoxL - 20, 1600), 2.4, QColor(180, 30, 30));
}

void topWeight(QPainter& p)
{
    // Normal load: a hanger on the ball with slotted weights, and the vertical LVDT
    // whose tip rests on the loading plate.
    const L::TwipRect& r = S::imgTopWeight;
    const double cx = kCx;
    const double seat = 1230;  // the hanger's seat rests on the ball
    block(p, QRectF(cx - 200, seat - 70, 400, 70), colour::steel);
    block(p, QRectF(cx - 35, r.top + 120, 70, seat - 70 - r.top - 120), colour::steel);
    block(p, QRectF(cx - 350, r.top + 50, 700, 70), colour::steel);
    for (int i = 0; i < 4; ++i) {
        const QRectF w(cx - 330, r.top + 140 + i * 110, 660, 100);
        p.save();
        p.setPen(QPen(QColor(30, 30, 34), U(0.8)));
        p.setBrush(turned(w, QColor(84, 90, 100)));
        p.drawRoundedRect(w, U(1.5), U(1.5));
        p.restore();
    }
    arrow(p, QPointF(cx + 420, r.top + 100), QPointF(cx + 420, r.top + 520), 2.2, QColor(180, 30, 30));
    // Vertical LVDT on the left, its core down to the plate.
    const QRectF lvdt(r.left + 40, r.top + 250, 110, 450);
    p.save();
    p.setPen(QPen(colour::steelDark, U(0.8)));
    p.setBrush(turned(lvdt, QColor(60, 90, 150)));
    p.drawRect(lvdt);
    p.setPen(QPen(colour::steelDark, U(1.6)));
    p.drawLine(QPointF(lvdt.center().x(), lvdt.bottom()), QPointF(lvdt.center().x(), 1335));
    p.restore();
    block(p, QRectF(S::verticalLVDTBracketLeft, r.top + 200, 150, 50), colour::steel);
}

void beadHose(QPainter& p)
{
    // The carriage's ball race: a channel the balls roll in.
    const L::TwipRect& r = S::imgBeadHose;
    const QRectF channel(r.left, r.top, r.width, r.height);
    p.save();
    p.setPen(QPen(QColor(30, 30, 36), U(1)));
    p.setBrush(plateShade(channel, QColor(70, 74, 84)));
    p.drawRect(channel);
    p.restore();
}

void beads(QPainter& p, double phase)
{
    const L::TwipRect& r = S::imgBeads1;
    for (double x = r.left + 60 + phase; x < r.left + r.width - 50; x += 240) ballAt(p, QPointF(x, r.top + 60), 55);
}

} // namespace

void addDirectShear(Pictures& out)
{
    const QString d = QStringLiteral("pictures/DS/");
    const QString f = QStringLiteral("frmDirectShear.");
    out.push_back(gif(d + QStringLiteral("Base.gif"), D::imgBase, base, f + QStringLiteral("imgBase")));
    out.push_back(gif(d + QStringLiteral("DSBottom.gif"), withLeft(D::imgDSBottom, D::bottomFinalLeft),
                      [](QPainter& p) { lowerBox(p, D::bottomFinalLeft); }, f + QStringLiteral("imgDSBottom")));
    out.push_back(gif(d + QStringLiteral("DSTop.gif"), withTop(D::imgDSTop, D::topFinalTop), upperBox,
                      f + QStringLiteral("imgDSTop")));
    out.push_back(gif(d + QStringLiteral("SandHalf.gif"), D::imgHalfSand, [](QPainter& p) { sandLayer(p, D::imgHalfSand, 97); },
                      f + QStringLiteral("imgHalfSand")));
    out.push_back(gif(d + QStringLiteral("SandFull.gif"), D::imgFullSand, [](QPainter& p) { sandLayer(p, D::imgFullSand, 99); },
                      f + QStringLiteral("imgFullSand")));
    out.push_back(gif(d + QStringLiteral("Plunger.gif"), withTop(D::imgPlunger, D::plungerFinalTop),
                      [](QPainter& p) { plunger(p, D::plungerFinalTop); }, f + QStringLiteral("imgPlunger")));
    out.push_back(gif(d + QStringLiteral("TopBall.gif"), withTop(D::imgTopBall, D::topBallFinalTop),
                      [](QPainter& p) { topBall(p, D::topBallFinalTop); }, f + QStringLiteral("imgTopBall")));
    out.push_back(png(QStringLiteral("forms/frmDirectShear/imgScrew.png"), withTop(D::imgScrew1, D::screwFinalTop),
                      [](QPainter& p) { screw(p, D::screwFinalTop); }, f + QStringLiteral("imgScrew1, imgScrew2")));
    out.push_back(png(QStringLiteral("forms/frmDirectShear/imgScrewPart.png"), D::imgScrewPart1, screwPart,
                      f + QStringLiteral("imgScrewPart1, imgScrewPart2")));
    out.push_back(png(QStringLiteral("forms/frmDirectShear/imgScrewTop.png"), D::imgScrewTop1, screwTop,
                      f + QStringLiteral("imgScrewTop1, imgScrewTop2")));

    const QString s = QStringLiteral("frmScreenDAS_DS.");
    out.push_back(gif(d + QStringLiteral("DSBottomFull.gif"), S::imgDSBottom, dsBottomFull, s + QStringLiteral("imgDSBottom"),
                      colour::formGrey));
    out.push_back(gif(d + QStringLiteral("DSTopFull.gif"), S::imgDSTop, dsTopFull, s + QStringLiteral("imgDSTop"),
                      colour::formGrey));
    out.push_back(gif(d + QStringLiteral("BeadHose.gif"), S::imgBeadHose, beadHose, s + QStringLiteral("imgBeadHose"),
                      colour::formGrey));
    out.push_back(png(QStringLiteral("forms/frmScreenDAS_DS/imgTopWeight.png"), S::imgTopWeight, topWeight,
                      s + QStringLiteral("imgTopWeight")));
    out.push_back(png(QStringLiteral("forms/frmScreenDAS_DS/imgBeads1.png"), S::imgBeads1, [](QPainter& p) { beads(p, 0); },
                      s + QStringLiteral("imgBeads1")));
    out.push_back(png(QStringLiteral("forms/frmScreenDAS_DS/imgBeads2.png"), S::imgBeads2, [](QPainter& p) { beads(p, 120); },
                      s + QStringLiteral("imgBeads2")));
}

} // namespace genpictures
