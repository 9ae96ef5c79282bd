// The triaxial test: the cell with its hot-spots, the apparatus of the shear
// screen, and the pictures of the steps before shearing.
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

// ---- the cell of frmTriaxialCell (376 x 448, drawn in pixels) ------------------------

QImage triaxialCell(QSize size)
{
    QImage img = canvas(size, colour::paper);
    QPainter p(&img);
    prepare(p);
    const double A = 183;  // axis; the specimen's hot-spot spans 143..223 by 214..341

    // Bench under the cell.
    block(p, QRectF(18, 398, 340, 12), QColor(150, 150, 150));

    // Base plate with its pressure lines.
    const QRectF base(A - 125, 362, 250, 36);
    p.setPen(QPen(colour::steelDark, 1));
    p.setBrush(plateShade(base, colour::steel));
    p.drawRect(base);
    // Drilled passages (dashed) inside the base.
    p.setPen(QPen(QColor(40, 70, 130), 1.2, Qt::DashLine));
    p.drawLine(QPointF(A - 125, 373), QPointF(A - 90, 373));
    p.drawLine(QPointF(A - 90, 373), QPointF(A - 90, 362));
    p.drawLine(QPointF(A, 362), QPointF(A, 366.5));
    p.drawLine(QPointF(A, 366.5), QPointF(A + 125, 366.5));
    // Lines out to the two valves (the hot-spots sit on these valves).
    pipe(p, QPolygonF() << QPointF(A - 125, 373) << QPointF(48, 373), 3.5);
    pipe(p, QPolygonF() << QPointF(A + 125, 366.5) << QPointF(316, 366.5), 3.5);
    pipe(p, QPolygonF() << QPointF(33, 373) << QPointF(8, 373) << QPointF(8, 430), 3.5);
    pipe(p, QPolygonF() << QPointF(332, 366.5) << QPointF(366, 366.5) << QPointF(366, 430), 3.5);
    valve(p, QPointF(40.5, 373), 8);
    valve(p, QPointF(323.5, 366.5), 8);

    // Tie rods with their nuts.
    for (double x : {A - 117, A + 117}) {
        const QRectF rod(x - 3, 90, 6, 272);
        p.setPen(QPen(colour::steelDark, 0.8));
        p.setBrush(turned(rod, colour::steel));
        p.drawRect(rod);
        hexNut(p, QRectF(x - 7, 82, 14, 9));
    }

    // Acrylic chamber full of cell water.
    const double top = 110, bottom = 362;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 242, 252));
    p.drawRect(QRectF(A - 94, top, 188, bottom - top));
    acrylicWall(p, QRectF(A - 100, top, 6, bottom - top));
    acrylicWall(p, QRectF(A + 94, top, 6, bottom - top));
    // O-ring seals of the chamber in the plates.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::rubber);
    for (double x : {A - 97, A + 97}) {
        p.drawEllipse(QPointF(x, top + 1.5), 3, 2);
        p.drawEllipse(QPointF(x, bottom - 1.5), 3, 2);
    }

    // Top plate with the ram bushing and the air bleed.
    const QRectF plate(A - 128, 96, 256, 14);
    p.setPen(QPen(colour::steelDark, 1));
    p.setBrush(plateShade(plate, colour::steel));
    p.drawRect(plate);
    const QRectF bush(A - 16, 80, 32, 16);
    p.setBrush(turned(bush, colour::brass));
    p.drawRect(bush);
    pipe(p, QPolygonF() << QPointF(A + 70, 96) << QPointF(A + 70, 84), 3);
    valve(p, QPointF(A + 70, 80), 4.5, false);

    // Pedestal with its O-rings; bottom porous stone.
    const QRectF pedestal(A - 44, 347, 88, 15);
    p.setPen(QPen(colour::steelDark, 1));
    p.setBrush(turned(pedestal, colour::steel));
    p.drawRect(pedestal);
    porousStone(p, QRectF(A - 40, 341, 80, 6), 3);

    // Specimen in its rubber membrane.
    const QRectF spec(A - 40, 214, 80, 127);
    soil(p, rectPath(spec), 21, QColor(128, 104, 82));
    {
        QLinearGradient g(spec.left(), 0, spec.right(), 0);
        g.setColorAt(0, QColor(0, 0, 0, 70));
        g.setColorAt(0.3, QColor(255, 255, 255, 40));
        g.setColorAt(0.5, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 0, 0, 90));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(spec);
    }
    // Membrane: a thin dark skin from the pedestal to the top cap.
    p.setPen(QPen(colour::membrane, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(A - 41, 198), QPointF(A - 41, 360));
    p.drawLine(QPointF(A + 41, 198), QPointF(A + 41, 360));
    p.setPen(QPen(colour::membrane, 1.6));
    p.drawLine(QPointF(A - 45.5, 200), QPointF(A - 45.5, 212));
    p.drawLine(QPointF(A + 45.5, 200), QPointF(A + 45.5, 212));
    p.drawLine(QPointF(A - 45.5, 348), QPointF(A - 45.5, 360));
    p.drawLine(QPointF(A + 45.5, 348), QPointF(A + 45.5, 360));

    // Top cap, top porous stone, drainage from the cap.
    porousStone(p, QRectF(A - 40, 208, 80, 6), 5);
    const QRectF cap(A - 44, 194, 88, 14);
    p.setPen(QPen(colour::steelDark, 1));
    p.setBrush(turned(cap, colour::steel));
    p.drawRect(cap);
    // Flexible drainage tube from the top cap down to the base.
    {
        QPainterPath tube;
        tube.moveTo(A + 44, 201);
        tube.cubicTo(A + 70, 201, A + 70, 230, A + 70, 260);
        tube.lineTo(A + 70, 362);
        p.setPen(QPen(QColor(90, 120, 170), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tube);
    }
    // O-rings on cap and pedestal, over the membrane.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::rubber);
    for (double y : {199.0, 204.0, 351.5, 357.0}) {
        p.drawRoundedRect(QRectF(A - 48, y - 2, 96, 4), 2, 2);
    }

    // Loading ram through the bushing, with the load arrow.
    const QRectF ram(A - 7, 10, 14, 184);
    p.setPen(QPen(colour::steelDark, 1));
    p.setBrush(turned(ram, QColor(200, 206, 214)));
    p.drawRect(ram);
    // The bushing seen in front of the ram.
    p.setBrush(turned(bush, colour::brass));
    p.drawRect(QRectF(A - 16, 86, 32, 10));
    p.setPen(QPen(shade(colour::brass, 0.5), 1));
    p.drawLine(QPointF(A - 16, 86), QPointF(A + 16, 86));
    arrow(p, QPointF(A + 32, 4), QPointF(A + 32, 40), 2.2, QColor(190, 30, 30));

    // Title and labels.
    text(p, QRectF(6, 4, 160, 16), QStringLiteral("Triaxial cell"), 12, Qt::AlignLeft | Qt::AlignTop, colour::ink, true);
    const double f = 9.5;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    leader(p, QPointF(A + 36, 22), QPointF(A + 50, 22), QStringLiteral("Axial load"), f);
    leader(p, QPointF(A + 7, 50), QPointF(A + 50, 50), QStringLiteral("Loading ram"), f);
    leader(p, QPointF(A + 70, 76), QPointF(A + 95, 72), QStringLiteral("Air bleed"), f);
    leader(p, QPointF(A - 100, 103), QPointF(54, 72), QStringLiteral("Top plate"), f, right);
    leader(p, QPointF(A + 117, 140), QPointF(A + 140, 126), QStringLiteral("Tie rod"), f);
    leader(p, QPointF(A + 97, 170), QPointF(A + 140, 156), QStringLiteral("Acrylic"), f);
    text(p, QRectF(A + 142, 160, 60, 12), QStringLiteral("chamber"), f, Qt::AlignLeft | Qt::AlignTop, colour::label);
    leader(p, QPointF(A - 70, 150), QPointF(64, 130), QStringLiteral("Cell water"), f, right);
    leader(p, QPointF(A - 30, 200), QPointF(64, 180), QStringLiteral("Top cap"), f, right);
    leader(p, QPointF(A - 46, 204), QPointF(64, 200), QStringLiteral("O-rings"), f, right);
    leader(p, QPointF(A - 30, 211), QPointF(64, 220), QStringLiteral("Porous"), f, right);
    text(p, QRectF(0, 226, 63, 12), QStringLiteral("stone"), f, Qt::AlignRight | Qt::AlignTop, colour::label);
    leader(p, QPointF(A - 41, 260), QPointF(64, 262), QStringLiteral("Rubber"), f, right);
    text(p, QRectF(0, 268, 63, 12), QStringLiteral("membrane"), f, Qt::AlignRight | Qt::AlignTop, colour::label);
    leader(p, QPointF(A + 20, 300), QPointF(A + 140, 300), QStringLiteral("Specimen"), f);
    leader(p, QPointF(A + 70, 240), QPointF(A + 140, 226), QStringLiteral("Drainage"), f);
    text(p, QRectF(A + 142, 232, 60, 12), QStringLiteral("line"), f, Qt::AlignLeft | Qt::AlignTop, colour::label);
    leader(p, QPointF(A - 30, 355), QPointF(64, 318), QStringLiteral("Pedestal"), f, right);
    leader(p, QPointF(A + 90, 390), QPointF(A + 150, 392), QStringLiteral("Base"), f);
    text(p, QRectF(4, 344, 90, 12), QStringLiteral("Cell pressure"), f, Qt::AlignLeft | Qt::AlignTop, colour::label, true);
    text(p, QRectF(262, 338, 110, 12), QStringLiteral("Back pressure"), f, Qt::AlignRight | Qt::AlignTop, colour::label, true);
    text(p, QRectF(20, 416, 336, 28),
         QStringLiteral("Cell pressure acts on the membrane all round; back pressure acts in the pore water."), 9,
         Qt::AlignHCenter | Qt::AlignTop, QColor(70, 70, 80));
    return img;
}

// ---- the apparatus of frmScreenDASTriaxial, drawn as one scene in twips ---------------

const QColor kScreenBack(246, 248, 250);
constexpr double kA = L::triaxialScreen::specimenAxis;

void screenTopPlate(QPainter& p)
{
    const QRectF plate(kA - 930, 1475, 1860, 150);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(plate, colour::steel));
    p.drawRect(plate);
    // Bushing and seal around the ram, inside the plate.
    const QRectF bush(kA - 160, 1475, 320, 150);
    p.setBrush(plateShade(bush, colour::brass));
    p.drawRect(bush);
    p.setPen(QPen(colour::rubber, U(1.4)));
    p.drawLine(QPointF(kA - 160, 1550), QPointF(kA + 160, 1550));
}

void screenBack(QPainter& p)
{
    p.fillRect(QRectF(-5000, -5000, 20000, 20000), kScreenBack);
    // Cross-head of the loading frame and the load cell hanging from it.
    const QRectF head(200, -400, 2210, 520);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(head, QColor(120, 128, 140)));
    p.drawRect(head);
    const QRectF cell(kA - 240, 120, 480, 430);
    p.setBrush(turned(cell, QColor(190, 196, 206)));
    p.drawRect(cell);
    p.setPen(QPen(QColor(40, 40, 40), U(1.5)));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(kA + 240, 330);
    cable.cubicTo(kA + 500, 330, kA + 560, 520, kA + 760, 600);
    p.drawPath(cable);
    text(p, QRectF(kA - 240, 250, 480, 180), QStringLiteral("LOAD\nCELL"), 5.5, Qt::AlignCenter, QColor(50, 50, 60), true);
    // The ram from the load cell down to the top cap (the moving part is in front).
    const QRectF ram(kA - 75, 550, 150, 1300);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(turned(ram, QColor(200, 206, 214)));
    p.drawRect(ram);

    // Tie rods and their nuts.
    for (double x : {kA - 850, kA + 850}) {
        const QRectF rod(x - 30, 1400, 60, 2550);
        p.setPen(QPen(colour::steelDark, U(0.8)));
        p.setBrush(turned(rod, colour::steel));
        p.drawRect(rod);
        hexNut(p, QRectF(x - 75, 1385, 150, 90));
    }
    screenTopPlate(p);

    // Acrylic chamber, clear, with its water.
    const double top = 1625, bottom = 3650;
    acrylicWall(p, QRectF(kA - 780, top, 75, bottom - top));
    acrylicWall(p, QRectF(kA + 705, top, 75, bottom - top));

    // Base plate with the cell-pressure inlet and the drainage outlet.
    const QRectF base(kA - 980, 3650, 1945, 300);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(base, colour::steel));
    p.drawRect(base);
    pipe(p, QPolygonF() << QPointF(kA - 980, 3790) << QPointF(150, 3790), 3);
    pipe(p, QPolygonF() << QPointF(kA + 965, 3850) << QPointF(2500, 3850), 3);
    p.setPen(QPen(QColor(40, 70, 130), U(1), Qt::DashLine));
    p.drawLine(QPointF(kA - 980, 3790), QPointF(kA - 600, 3790));
    p.drawLine(QPointF(kA - 600, 3790), QPointF(kA - 600, 3650));
    p.drawLine(QPointF(kA, 3420), QPointF(kA, 3850));
    p.drawLine(QPointF(kA, 3850), QPointF(kA + 965, 3850));

    // Pedestal on the base, with the bottom porous stone and the membrane's O-rings.
    const QRectF stem(kA - 220, 3400, 440, 250);
    p.setBrush(turned(stem, colour::steel));
    p.drawRect(stem);
    const QRectF pedestal(kA - 360, 3180, 720, 240);
    p.setBrush(turned(pedestal, colour::steel));
    p.drawRect(pedestal);
    porousStone(p, QRectF(kA - 345, 3120, 690, 60), 9);
    p.setPen(QPen(colour::membrane, U(1.5)));
    p.drawLine(QPointF(kA - 368, 3150), QPointF(kA - 368, 3400));
    p.drawLine(QPointF(kA + 368, 3150), QPointF(kA + 368, 3400));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::rubber);
    for (double y : {3240.0, 3320.0}) p.drawRoundedRect(QRectF(kA - 390, y, 780, 45), U(2), U(2));

    // Platen of the loading frame under the cell.
    const QRectF platen(200, 4100, 2210, 400);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(plateShade(platen, QColor(120, 128, 140)));
    p.drawRect(platen);
    const QRectF riser(kA - 500, 3950, 1000, 150);
    p.setBrush(turned(riser, colour::steel));
    p.drawRect(riser);
    valve(p, QPointF(300, 3790), U(5.5));
    valve(p, QPointF(2330, 3850), U(5.5));
}

void screenFore(QPainter& p)
{
    const TwipRectF r = tr(L::triaxialScreen::imgTestFore);
    p.fillRect(QRectF(r.left, r.top, r.width, r.height), kScreenBack);
    const double capTop = r.top + 590, capBottom = r.top + 710, bottom = r.top + r.height;
    const QRectF ram(kA - 75, r.top - 10, 150, capTop - r.top + 10);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(turned(ram, QColor(200, 206, 214)));
    p.drawRect(ram);
    // Membrane turned up over the cap, the cap, its O-rings and the top porous stone.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::membrane);
    p.drawRect(QRectF(kA - 392, capTop + 30, 784, capBottom - capTop - 30));
    p.drawRect(QRectF(kA - 352, capBottom, 704, bottom - capBottom));
    const QRectF cap(kA - 380, capTop, 760, capBottom - capTop);
    p.setPen(QPen(colour::steelDark, U(1)));
    p.setBrush(turned(cap, colour::steel));
    p.drawRect(cap);
    porousStone(p, QRectF(kA - 345, capBottom, 690, bottom - capBottom), 13);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::rubber);
    for (double y : {capTop + 40, capTop + 80}) p.drawRoundedRect(QRectF(kA - 408, y, 816, 26), U(1.5), U(1.5));
}

void screenSample(QPainter& p)
{
    const TwipRectF r = tr(L::triaxialScreen::imgSample);
    const QRectF spec(r.left, r.top, r.width, r.height);
    soil(p, rectPath(spec), 31, QColor(128, 104, 82));
    QLinearGradient g(spec.left(), 0, spec.right(), 0);
    g.setColorAt(0, QColor(0, 0, 0, 80));
    g.setColorAt(0.3, QColor(255, 255, 255, 45));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(spec);
    // The membrane's edges.
    p.setPen(QPen(colour::membrane, U(1.4)));
    p.drawLine(QPointF(spec.left() + U(0.7), spec.top()), QPointF(spec.left() + U(0.7), spec.bottom()));
    p.drawLine(QPointF(spec.right() - U(0.7), spec.top()), QPointF(spec.right() - U(0.7), spec.bottom()));
}

void screenRing1(QPainter& p)
{
    p.fillRect(QRectF(-5000, -5000, 20000, 20000), kScreenBack);
    screenTopPlate(p);
}

void screenRing2(QPainter& p)
{
    // Radial strain collar round the specimen's middle: a hinged band with its
    // transducer on the right.
    const TwipRectF r = tr(L::triaxialScreen::imgRing2);
    const QRectF band(r.left, r.top, r.width, r.height);
    p.setPen(QPen(QColor(40, 46, 56), U(1)));
    p.setBrush(plateShade(band, QColor(96, 120, 150)));
    p.drawRect(band);
    const QRectF hinge(r.left, r.top, 150, r.height);
    p.setBrush(plateShade(hinge, colour::steel));
    p.drawRect(hinge);
    const QRectF lvdt(r.left + r.width - 180, r.top, 180, r.height);
    p.setBrush(plateShade(lvdt, colour::brass));
    p.drawRect(lvdt);
}

// ---- the measurement step ------------------------------------------------------------

namespace M = L::measurement;

// Value of the main scale (mm) at a distance in twips from the image's left edge.
constexpr double kScaleLeftValue = 90.0 - M::vernierZero / M::twipsPerMm;

QImage mainScale(QSize size)
{
    // Vernier1.jpg: the calliper's steel beam, millimetres along its lower edge.
    QImage img = canvas(size, QColor(206, 212, 218));
    QPainter p(&img);
    prepare(p);
    const double pxPerMm = size.width() / (M::imgVernier1.width / M::twipsPerMm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(236, 240, 244));
    g.setColorAt(0.5, QColor(206, 212, 218));
    g.setColorAt(1, QColor(180, 188, 196));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(40, 44, 50), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(size.width(), 0.5));
    const double h = size.height();
    const int first = int(std::ceil(kScaleLeftValue));
    const int last = int(std::floor(kScaleLeftValue + size.width() / pxPerMm));
    p.setFont(font(12, true));
    for (int mm = first; mm <= last; ++mm) {
        const double x = (mm - kScaleLeftValue) * pxPerMm;
        const double len = mm % 10 == 0 ? 17 : mm % 5 == 0 ? 12 : 8;
        p.setPen(QPen(QColor(20, 20, 24), 1.0));
        p.drawLine(QPointF(x, h), QPointF(x, h - len));
        if (mm % 10 == 0) {
            p.setPen(QColor(20, 20, 24));
            p.drawText(QRectF(x - 20, h - 40, 40, 18), Qt::AlignCenter, QString::number(mm / 10));
        }
    }
    return img;
}

QImage vernier(QSize size)
{
    // Vernier2.jpg: ten divisions over 19 mm, so each reads 0.1 mm.
    QImage img = canvas(size, QColor(190, 198, 206));
    QPainter p(&img);
    prepare(p);
    const double pxPerMm = (M::imgVernier1.width / 15.0) / (M::imgVernier1.width / M::twipsPerMm);
    const double zero = (M::vernierZero - M::imgVernier2.left) / 15.0;
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(170, 180, 190));
    g.setColorAt(0.4, QColor(214, 220, 226));
    g.setColorAt(1, QColor(160, 170, 180));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(40, 44, 50), 1));
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    p.setFont(font(10, true));
    for (int k = 0; k <= 10; ++k) {
        const double x = zero + k * 1.9 * pxPerMm;
        const double len = k % 5 == 0 ? 14 : 9;
        p.setPen(QPen(QColor(20, 20, 24), 1.0));
        p.drawLine(QPointF(x, 0), QPointF(x, len));
        if (k % 2 == 0) {
            p.setPen(k == 0 ? QColor(170, 20, 20) : QColor(20, 20, 24));
            p.drawText(QRectF(x - 10, 15, 20, 13), Qt::AlignCenter, QString::number(k));
        }
    }
    p.setFont(font(9));
    p.setPen(QColor(40, 40, 50));
    p.drawText(QRectF(zero - 8, size.height() - 14, 80, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0.1 mm"));
    // The sliding jaw's thumb grip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 128, 138));
    for (int i = 0; i < 5; ++i) p.drawRect(QRectF(zero + 120 + i * 5, 8, 2, 28));
    return img;
}

void specimenUpright(QPainter& p, const QRectF& r, std::uint32_t seed)
{
    soil(p, rectPath(r), seed, QColor(132, 106, 82));
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, QColor(0, 0, 0, 90));
    g.setColorAt(0.3, QColor(255, 255, 255, 50));
    g.setColorAt(1, QColor(0, 0, 0, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
    p.setBrush(QColor(160, 132, 104));
    p.setPen(QPen(QColor(90, 70, 50), 1));
    p.drawEllipse(QRectF(r.left(), r.top() - 5, r.width(), 10));
}

QImage height1(QSize size)
{
    // The specimen lying between the jaws of a vernier calliper: its height is read
    // along the beam.
    QImage img = canvas(size, QColor(250, 250, 246));
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    // Bench.
    block(p, QRectF(0, 134, w, 16), colour::wood, false);
    // Specimen on its side.
    const QRectF spec(36, 96, 128, 38);
    soil(p, rectPath(spec), 41, QColor(132, 106, 82));
    {
        QLinearGradient g(0, spec.top(), 0, spec.bottom());
        g.setColorAt(0, QColor(255, 255, 255, 50));
        g.setColorAt(0.35, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 0, 0, 110));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(spec);
        p.setBrush(QColor(150, 122, 96));
        p.setPen(QPen(QColor(90, 70, 50), 1));
        p.drawEllipse(QRectF(spec.right() - 6, spec.top(), 12, spec.height()));
    }
    // Calliper: beam above, fixed jaw at the left, sliding jaw with its vernier.
    const QRectF beam(8, 34, w - 8, 22);
    p.setPen(QPen(QColor(60, 66, 74), 1));
    p.setBrush(plateShade(beam, QColor(206, 212, 218)));
    p.drawRect(beam);
    for (double x = 26; x < w; x += 5.9) p.drawLine(QPointF(x, 56), QPointF(x, 51));
    QPainterPath fixedJaw;
    fixedJaw.addRect(QRectF(22, 34, 14, 100));
    p.setBrush(plateShade(QRectF(22, 34, 14, 100), QColor(190, 198, 206)));
    p.drawPath(fixedJaw);
    const QRectF slider(160, 30, 34, 34);
    p.setBrush(plateShade(slider, QColor(170, 180, 190)));
    p.drawRect(slider);
    p.drawRect(QRectF(164, 64, 14, 70));
    // Dimension line for H.
    p.setPen(QPen(QColor(170, 20, 20), 1));
    arrow(p, QPointF(100, 118), QPointF(37, 118), 1.2, QColor(170, 20, 20), 5);
    arrow(p, QPointF(100, 118), QPointF(163, 118), 1.2, QColor(170, 20, 20), 5);
    text(p, QRectF(80, 102, 40, 14), QStringLiteral("H"), 12, Qt::AlignCenter, QColor(170, 20, 20), true, true);
    text(p, QRectF(40, 62, 120, 14), QStringLiteral("Vernier calliper"), 9, Qt::AlignCenter, colour::label);
    return img;
}

QImage piTape1(QSize size)
{
    // The specimen standing, with the pi tape wrapped round its middle.
    QImage img = canvas(size, QColor(250, 250, 246));
    QPainter p(&img);
    prepare(p);
    block(p, QRectF(0, 136, size.width(), 14), colour::wood, false);
    const QRectF spec(62, 24, 76, 112);
    specimenUpright(p, spec, 43);
    // Tape round the specimen: a band, its free end hanging out with the vernier.
    const QColor tape(226, 196, 60);
    p.setPen(QPen(QColor(120, 96, 20), 1));
    p.setBrush(tape);
    QPainterPath band;
    band.moveTo(spec.left() - 1, 70);
    band.cubicTo(spec.left() + 20, 76, spec.right() - 20, 76, spec.right() + 1, 70);
    band.lineTo(spec.right() + 1, 80);
    band.cubicTo(spec.right() - 20, 86, spec.left() + 20, 86, spec.left() - 1, 80);
    band.closeSubpath();
    p.drawPath(band);
    for (double x = spec.left() + 4; x < spec.right() - 2; x += 4) p.drawLine(QPointF(x, 75.5 + 0.0), QPointF(x, 78.5));
    QPainterPath tail;
    tail.moveTo(spec.right(), 70);
    tail.cubicTo(spec.right() + 20, 66, spec.right() + 36, 60, spec.right() + 50, 58);
    tail.lineTo(spec.right() + 50, 68);
    tail.cubicTo(spec.right() + 36, 70, spec.right() + 20, 76, spec.right(), 80);
    tail.closeSubpath();
    p.drawPath(tail);
    text(p, QRectF(4, 52, 56, 28), QStringLiteral("\u03c0-tape"), 11, Qt::AlignRight | Qt::AlignVCenter, colour::label, true);
    text(p, QRectF(140, 86, 58, 40), QStringLiteral("reads the\ndiameter\ndirectly"), 9, Qt::AlignLeft | Qt::AlignTop,
         colour::label);
    // Diameter dimension.
    arrow(p, QPointF(100, 128), QPointF(63, 128), 1.2, QColor(170, 20, 20), 5);
    arrow(p, QPointF(100, 128), QPointF(137, 128), 1.2, QColor(170, 20, 20), 5);
    text(p, QRectF(84, 114, 32, 12), QStringLiteral("D"), 11, Qt::AlignCenter, QColor(170, 20, 20), true, true);
    return img;
}

QImage piTape2(QSize size)
{
    // Close-up: the tape's two ends overlap on the specimen; the vernier end comes
    // down onto the graduated end.
    QImage img = canvas(size, QColor(250, 250, 246));
    QPainter p(&img);
    prepare(p);
    const double w = size.width(), h = size.height();
    const QRectF surface(0, 0, w, h);
    soil(p, rectPath(surface), 47, QColor(132, 106, 82));
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(0, 0, 0, 120));
    g.setColorAt(0.35, QColor(255, 255, 255, 40));
    g.setColorAt(1, QColor(0, 0, 0, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(surface);
    // The graduated end of the tape under the main scale's place.
    p.setPen(QPen(QColor(120, 96, 20), 1));
    p.setBrush(QColor(226, 196, 60));
    p.drawRect(QRectF(-1, 24, w + 2, 54));
    p.setBrush(QColor(214, 184, 52));
    p.drawRect(QRectF(10, 78, w - 20, 44));
    text(p, QRectF(0, h - 26, w, 24), QStringLiteral("\u03c0-tape round the specimen"), 10, Qt::AlignCenter, Qt::white, true);
    return img;
}

QImage isotropicStress(QSize size)
{
    // Isotropic consolidation: equal all-round stress on a specimen element,
    // with the pore pressure held at the back pressure.
    QImage img = canvas(size, colour::paper);
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    text(p, QRectF(0, 4, w, 16), QStringLiteral("Isotropic consolidation"), 12, Qt::AlignCenter, colour::ink, true);
    const QRectF spec(w / 2 - 38, 70, 76, 100);
    specimenUpright(p, spec, 51);
    const QColor red(180, 30, 30);
    // Arrows normal to every face, all the same length: σ1 = σ2 = σ3.
    for (int i = 0; i < 3; ++i) {
        const double y = spec.top() + 20 + i * 30;
        arrow(p, QPointF(spec.left() - 40, y), QPointF(spec.left() - 4, y), 2.2, red);
        arrow(p, QPointF(spec.right() + 40, y), QPointF(spec.right() + 4, y), 2.2, red);
    }
    for (int i = 0; i < 3; ++i) {
        const double x = spec.left() + 14 + i * 24;
        arrow(p, QPointF(x, spec.top() - 44), QPointF(x, spec.top() - 9), 2.2, red);
        arrow(p, QPointF(x, spec.bottom() + 38), QPointF(x, spec.bottom() + 4), 2.2, red);
    }
    text(p, QRectF(w / 2 + 36, 24, 40, 18), QStringLiteral("\u03c3\u2081"), 12, Qt::AlignLeft | Qt::AlignVCenter, red, true);
    text(p, QRectF(2, 96, 40, 18), QStringLiteral("\u03c3\u2083"), 12, Qt::AlignCenter, red, true);
    text(p, QRectF(w - 42, 96, 40, 18), QStringLiteral("\u03c3\u2083"), 12, Qt::AlignCenter, red, true);
    text(p, QRectF(spec.left(), spec.top() + 36, spec.width(), 20), QStringLiteral("u = BP"), 11, Qt::AlignCenter, Qt::white, true);
    text(p, QRectF(6, 214, w - 12, 30),
         QStringLiteral("\u03c3\u2081 = \u03c3\u2082 = \u03c3\u2083 = cell pressure\n\u03c3\u2032 = cell pressure \u2212 back pressure"), 10,
         Qt::AlignCenter, colour::ink);
    return img;
}

Picture gif(const QString& path, QSize size, std::function<QImage(QSize)> fn, const QString& usedBy,
            bool transparent = false, QColor matte = colour::paper)
{
    Picture p = drawn(Format::Gif, path, size, std::move(fn), usedBy, matte);
    p.transparent = transparent;
    return p;
}

std::function<QImage(QSize)> scene(const L::TwipRect& r, std::function<void(QPainter&)> fn)
{
    return [r, fn](QSize s) { return scenePart(tr(r), s, fn); };
}

} // namespace

void addTriaxial(Pictures& out)
{
    namespace S = L::triaxialScreen;
    out.push_back(gif(QStringLiteral("pictures/Triaxial.gif"), QSize(376, 448), triaxialCell,
                      QStringLiteral("frmTriaxialCell.picTriaxialCell")));
    out.push_back(jpg(QStringLiteral("pictures/TriaxialAssembly11.jpg"), px(S::imgTestBack), scene(S::imgTestBack, screenBack),
                      QStringLiteral("frmScreenDASTriaxial.imgTestBack"), kScreenBack));
    out.push_back(jpg(QStringLiteral("pictures/TriaxialAssemblyRing11.jpg"), px(S::imgRing1), scene(S::imgRing1, screenRing1),
                      QStringLiteral("frmScreenDASTriaxial.imgRing1"), kScreenBack));
    out.push_back(jpg(QStringLiteral("pictures/TriaxialAssemblyRingB11.jpg"), px(S::imgRing2), scene(S::imgRing2, screenRing2),
                      QStringLiteral("frmScreenDASTriaxial.imgRing2"), kScreenBack));
    out.push_back(jpg(QStringLiteral("pictures/TriaxialAssemblyTop11.jpg"), px(S::imgTestFore), scene(S::imgTestFore, screenFore),
                      QStringLiteral("frmScreenDASTriaxial.imgTestFore"), kScreenBack));
    out.push_back(jpg(QStringLiteral("pictures/TriaxialAssemblySample11.jpg"), px(S::imgSample),
                      scene(S::imgSample, screenSample), QStringLiteral("frmScreenDASTriaxial.imgSample"), kScreenBack));

    out.push_back(gif(QStringLiteral("pictures/height1.gif"), px(M::height1), height1,
                      QStringLiteral("frmTriaxial1stStage.picAssembly (drawn at 3000 x 2250)")));
    out.push_back(gif(QStringLiteral("pictures/PiTape1.gif"), px(M::imgAssembly0), piTape1,
                      QStringLiteral("frmTriaxial1stStage.imgAssembly(0)")));
    out.push_back(gif(QStringLiteral("pictures/PiTape2.gif"), px(M::imgAssembly1), piTape2,
                      QStringLiteral("frmTriaxial1stStage.imgAssembly(1)")));
    out.push_back(jpg(QStringLiteral("pictures/Vernier1.jpg"), px(M::imgVernier1), mainScale,
                      QStringLiteral("frmTriaxial1stStage.imgVernier1")));
    out.push_back(jpg(QStringLiteral("pictures/Vernier2.jpg"), px(M::imgVernier2), vernier,
                      QStringLiteral("frmTriaxial1stStage.imgVernier2")));
    out.push_back(gif(QStringLiteral("pictures/isotropicstress.gif"), px(M::PicIC1), isotropicStress,
                      QStringLiteral("frmTriaxial1stStage.PicIC1")));
}

} // namespace genpictures
