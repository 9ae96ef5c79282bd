// The program's icon and logo, the toolbar images of the main window and the
// small pictures the frame and the quiz keep inside their windows.
#include "Draw.h"
#include "Registry.h"
#include "ScenePictures.h"

#include <QPainterPath>

#include <cmath>

namespace genpictures {
namespace {

using namespace draw;

const QColor badgeTop(36, 92, 156);
const QColor badgeBottom(18, 52, 100);

// The logo: a soil specimen between its top cap and pedestal inside a blue badge,
// with the letter L. Drawn for any size; below 24 pixels the shapes snap to whole
// pixels so that the 16-pixel icon stays crisp.
QImage logo(QSize size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    prepare(p);
    const double s = size.width();
    const bool tiny = s < 24;
    const QRectF badge(0.5, 0.5, s - 1, s - 1);
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, badgeTop);
    g.setColorAt(1, badgeBottom);
    p.setPen(QPen(QColor(10, 30, 60), tiny ? 1 : std::max(1.0, s / 32)));
    p.setBrush(g);
    p.drawRoundedRect(badge, s * 0.18, s * 0.18);

    if (tiny) p.setRenderHint(QPainter::Antialiasing, false);
    // Specimen on the right: cap, soil with two layers, pedestal.
    const double cx = std::round(s * 0.66);
    const double w = std::round(s * 0.36);
    const double left = cx - std::round(w / 2);
    const double capH = std::max(1.0, std::round(s * 0.09));
    const double top = std::round(s * 0.14);
    const double bottom = std::round(s * 0.86);
    const QRectF cap(left - (tiny ? 0 : s * 0.02), top, w + (tiny ? 0 : s * 0.04), capH);
    const QRectF base(left - (tiny ? 0 : s * 0.02), bottom - capH, w + (tiny ? 0 : s * 0.04), capH);
    const QRectF body(left, top + capH, w, bottom - capH - top - capH);
    p.setPen(Qt::NoPen);
    if (tiny) {
        p.setBrush(QColor(168, 126, 84));
        p.drawRect(body);
        p.setBrush(QColor(122, 88, 58));
        p.drawRect(QRectF(body.left(), body.top() + std::round(body.height() * 0.45), body.width(), 1));
        p.setBrush(QColor(200, 160, 112));
        p.drawRect(QRectF(body.left(), body.top(), 1, body.height()));
        p.setBrush(QColor(200, 206, 214));
        p.drawRect(cap);
        p.drawRect(base);
    } else {
        p.setBrush(turned(body, QColor(160, 118, 78)));
        p.drawRect(body);
        Random rnd(7);
        p.setBrush(QColor(110, 80, 52, 200));
        for (int i = 0; i < int(s * s * 0.02); ++i)
            p.drawEllipse(QPointF(rnd.range(body.left() + 1, body.right() - 1), rnd.range(body.top(), body.bottom())),
                          s / 90, s / 90);
        p.setBrush(QColor(110, 80, 52));
        p.drawRect(QRectF(body.left(), body.top() + body.height() * 0.42, body.width(), std::max(1.0, s / 28)));
        p.drawRect(QRectF(body.left(), body.top() + body.height() * 0.72, body.width(), std::max(1.0, s / 36)));
        p.setBrush(turned(cap, QColor(190, 198, 208)));
        p.drawRect(cap);
        p.setBrush(turned(base, QColor(190, 198, 208)));
        p.drawRect(base);
        // Loading ram above the cap.
        const QRectF ram(cx - s * 0.04, 0.5 + s * 0.02, s * 0.08, top - s * 0.02);
        p.setBrush(turned(ram, QColor(190, 198, 208)));
        p.drawRect(ram);
    }

    // The letter L.
    p.setRenderHint(QPainter::Antialiasing, true);
    if (tiny) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::white);
        const double lx = std::round(s * 0.14), ly = std::round(s * 0.16);
        const double stem = std::max(2.0, std::round(s * 0.14));
        const double lh = std::round(s * 0.70);
        p.drawRect(QRectF(lx, ly, stem, lh));
        p.drawRect(QRectF(lx, ly + lh - stem, std::round(s * 0.34), stem));
    } else {
        QFont f = font(s * 0.74, true);
        f.setFamily(QStringLiteral("DejaVu Sans"));
        p.setFont(f);
        QPainterPath l;
        l.addText(QPointF(s * 0.08, s * 0.82), f, QStringLiteral("L"));
        p.setPen(QPen(QColor(10, 30, 60), std::max(1.0, s / 24)));
        p.setBrush(Qt::white);
        p.drawPath(l);
    }
    return img;
}

QImage splashLogo(QSize size)
{
    QImage img = logo(size);
    return img;
}

// The strip along the bottom of the main window.
QImage stripBanner(QSize size)
{
    QImage img = canvas(size, colour::formGrey);
    QPainter p(&img);
    prepare(p);
    const double w = size.width(), h = size.height();
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(30, 70, 120));
    g.setColorAt(0.6, QColor(70, 110, 160));
    g.setColorAt(1, colour::formGrey);
    p.fillRect(img.rect(), g);
    // Soil layers along the bottom edge.
    const QColor layers[] = {QColor(150, 120, 84), QColor(190, 160, 110), QColor(120, 96, 70)};
    double y = h * 0.72;
    for (int i = 0; i < 3; ++i) {
        QPainterPath band;
        band.moveTo(0, y);
        for (double x = 0; x <= w; x += 8) band.lineTo(x, y + std::sin(x / 37.0 + i) * 1.5);
        band.lineTo(w, h);
        band.lineTo(0, h);
        band.closeSubpath();
        QColor c = layers[i];
        c.setAlpha(200);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(band);
        y += h * 0.1;
    }
    p.setFont(font(h * 0.42, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(h * 1.2, 0, w, h * 0.72), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Loamix  \u2013  Virtual Geotechnical Laboratory"));
    return img;
}

// ---- toolbar (16 x 16) --------------------------------------------------------------

struct Icon16 {
    QImage img = canvas(QSize(16, 16));
    QPainter p{&img};
    Icon16() { p.setRenderHint(QPainter::Antialiasing, false); }
    void rect(double x, double y, double w, double h, QColor fill, QColor line = QColor())
    {
        p.setPen(line.isValid() ? QPen(line, 1) : QPen(Qt::NoPen));
        p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
        if (line.isValid())
            p.drawRect(QRectF(x + 0.5, y + 0.5, w - 1, h - 1));
        else
            p.drawRect(QRectF(x, y, w, h));
    }
    void px(int x, int y, QColor c) { img.setPixelColor(x, y, c); }
    void hline(int x0, int x1, int y, QColor c)
    {
        for (int x = x0; x <= x1; ++x) px(x, y, c);
    }
    void vline(int x, int y0, int y1, QColor c)
    {
        for (int y = y0; y <= y1; ++y) px(x, y, c);
    }
    QImage done()
    {
        p.end();
        return img;
    }
};

const QColor kInk(20, 20, 20);
const QColor kPage(255, 255, 255);
const QColor kFold(200, 200, 200);
const QColor kFolder(232, 196, 72);
const QColor kFolderDark(168, 128, 24);
const QColor kBlue(40, 80, 170);
const QColor kSteel(168, 176, 186);
const QColor kSteelDark(96, 104, 114);
const QColor kSoil(150, 108, 66);
const QColor kSoilDark(104, 72, 44);
const QColor kWater(150, 200, 236);
const QColor kRed(200, 30, 30);

void page(Icon16& i, int x, int y, int w, int h)
{
    i.rect(x, y, w, h, kPage, kInk);
    // dog-ear
    for (int k = 0; k < 3; ++k) i.hline(x + w - 4 + k, x + w - 1, y + k, QColor(0, 0, 0, 0));
    i.px(x + w - 4, y, kInk);
    i.vline(x + w - 4, y, y + 3, kInk);
    i.hline(x + w - 4, x + w - 1, y + 3, kInk);
    i.px(x + w - 3, y + 1, kInk);
    i.px(x + w - 2, y + 2, kInk);
    i.px(x + w - 3, y + 2, kFold);
}

void printer(Icon16& i, int y0)
{
    i.rect(4, y0, 8, 4, kPage, kInk);             // paper in
    i.rect(1, y0 + 3, 14, 6, QColor(200, 200, 200), kInk);
    i.hline(2, 13, y0 + 4, QColor(236, 236, 236));
    i.px(12, y0 + 5, QColor(40, 180, 40));
    i.rect(3, y0 + 7, 10, 5, kPage, kInk);        // paper out
}

QImage tbNew()
{
    Icon16 i;
    page(i, 3, 1, 10, 14);
    return i.done();
}

QImage tbOpen()
{
    Icon16 i;
    i.rect(1, 3, 6, 3, kFolder, kFolderDark);
    i.rect(1, 5, 13, 9, kFolder, kFolderDark);
    i.p.setRenderHint(QPainter::Antialiasing, true);
    i.p.setPen(QPen(kFolderDark, 1));
    i.p.setBrush(QColor(248, 222, 120));
    QPolygonF lid;
    lid << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
    i.p.drawPolygon(lid);
    return i.done();
}

QImage tbSave()
{
    Icon16 i;
    i.rect(1, 1, 14, 14, QColor(60, 80, 150), kInk);
    i.rect(4, 2, 8, 5, kPage);
    i.rect(4, 10, 8, 5, QColor(210, 210, 210), kInk);
    i.rect(9, 11, 2, 3, QColor(60, 80, 150));
    return i.done();
}

QImage tbPrint()
{
    Icon16 i;
    printer(i, 1);
    i.hline(5, 10, 14, QColor(80, 80, 80));
    return i.done();
}

QImage tbCut()
{
    Icon16 i;
    i.p.setRenderHint(QPainter::Antialiasing, true);
    i.p.setPen(QPen(kInk, 1.2));
    i.p.drawLine(QPointF(5, 1), QPointF(10.5, 10));
    i.p.drawLine(QPointF(11, 1), QPointF(5.5, 10));
    i.p.setPen(QPen(kBlue, 1.6));
    i.p.setBrush(Qt::NoBrush);
    i.p.drawEllipse(QPointF(4.5, 12.5), 2.4, 2.4);
    i.p.drawEllipse(QPointF(11.5, 12.5), 2.4, 2.4);
    return i.done();
}

QImage tbCopy()
{
    Icon16 i;
    page(i, 1, 1, 9, 11);
    page(i, 6, 4, 9, 11);
    for (int y = 8; y <= 12; y += 2) i.hline(8, 12, y, QColor(120, 120, 160));
    return i.done();
}

QImage tbPaste()
{
    Icon16 i;
    i.rect(1, 2, 11, 13, QColor(190, 140, 70), QColor(110, 70, 20));
    i.rect(4, 1, 5, 3, QColor(190, 190, 190), kInk);
    page(i, 6, 6, 9, 9);
    for (int y = 10; y <= 13; y += 2) i.hline(8, 12, y, QColor(120, 120, 160));
    return i.done();
}

QImage tbPrintWin()
{
    Icon16 i;
    // A window with its title bar, and a small printer at its corner.
    i.rect(0, 0, 12, 10, kPage, kInk);
    i.rect(1, 1, 10, 2, QColor(10, 36, 106));
    i.rect(6, 9, 10, 4, QColor(200, 200, 200), kInk);
    i.rect(8, 7, 6, 3, kPage, kInk);
    i.rect(8, 12, 6, 4, kPage, kInk);
    return i.done();
}

QImage tbPrintDoc()
{
    Icon16 i;
    page(i, 1, 0, 9, 11);
    for (int y = 4; y <= 8; y += 2) i.hline(3, 7, y, QColor(120, 120, 160));
    i.rect(6, 9, 10, 4, QColor(200, 200, 200), kInk);
    i.rect(8, 12, 6, 4, kPage, kInk);
    return i.done();
}

// A triaxial cell: chamber outline, specimen between cap and pedestal, ram.
void cell16(Icon16& i, QColor specimen)
{
    i.rect(2, 2, 12, 2, kSteel, kSteelDark);   // top plate
    i.rect(2, 13, 12, 3, kSteel, kSteelDark);  // base
    i.vline(3, 4, 12, QColor(90, 150, 200));   // acrylic walls
    i.vline(12, 4, 12, QColor(90, 150, 200));
    for (int y = 4; y <= 12; ++y) i.hline(4, 11, y, QColor(214, 236, 250));
    i.vline(7, 0, 5, kSteelDark);              // ram
    i.vline(8, 0, 5, kSteel);
    i.rect(5, 6, 6, 1, kSteelDark);            // top cap
    i.rect(6, 7, 4, 5, specimen);
    i.vline(6, 7, 11, draw::shade(specimen, 1.3));
    i.rect(5, 12, 6, 1, kSteelDark);           // pedestal
}

QImage tbTriaxial()
{
    Icon16 i;
    cell16(i, kSoil);
    return i.done();
}

QImage tbConsol()
{
    Icon16 i;
    // Oedometer: load arrow, cap, ring with specimen, porous stones, base.
    i.vline(7, 0, 3, kRed);
    i.vline(8, 0, 3, kRed);
    i.hline(5, 10, 3, kRed);
    i.hline(6, 9, 4, kRed);
    i.rect(4, 5, 8, 2, kSteel, kSteelDark);     // loading cap
    i.rect(2, 7, 12, 5, kSteel, kSteelDark);    // ring
    i.rect(4, 8, 8, 3, kSoil);                  // specimen
    i.hline(4, 11, 10, kSoilDark);
    i.rect(1, 12, 14, 3, QColor(190, 190, 180), kSteelDark);  // porous stone + base
    return i.done();
}

QImage tbDS()
{
    Icon16 i;
    // Upper half displaced to the right of the lower half, with the shear arrows.
    i.rect(4, 3, 10, 5, kSteel, kSteelDark);
    i.rect(6, 4, 6, 3, QColor(220, 190, 120));
    i.rect(1, 8, 10, 5, kSteel, kSteelDark);
    i.rect(3, 8, 6, 4, QColor(220, 190, 120));
    i.hline(12, 15, 10, kRed);
    i.px(13, 9, kRed);
    i.px(13, 11, kRed);
    i.hline(0, 3, 5, kRed);
    i.px(2, 4, kRed);
    i.px(2, 6, kRed);
    i.vline(8, 0, 2, kRed);
    i.hline(7, 9, 2, kRed);
    return i.done();
}

QImage tbTTT()
{
    Icon16 i;
    i.p.setRenderHint(QPainter::Antialiasing, true);
    // An isometric cube with a stress arrow on each of its three visible faces.
    const QPointF c(8, 10);
    const double a = 5.4, cx = a * 0.87, cy = a * 0.5;
    QPolygonF top, left, right;
    top << c << c + QPointF(-cx, -cy) << c + QPointF(0, -a) << c + QPointF(cx, -cy);
    left << c << c + QPointF(-cx, -cy) << c + QPointF(-cx, cy) << c + QPointF(0, a);
    right << c << c + QPointF(cx, -cy) << c + QPointF(cx, cy) << c + QPointF(0, a);
    i.p.setPen(QPen(kSoilDark, 0.7));
    i.p.setBrush(QColor(200, 156, 106));
    i.p.drawPolygon(top);
    i.p.setBrush(QColor(156, 112, 70));
    i.p.drawPolygon(left);
    i.p.setBrush(QColor(116, 80, 48));
    i.p.drawPolygon(right);
    draw::arrow(i.p, QPointF(8, -0.5), QPointF(8, 6.2), 1.3, kRed, 3);
    draw::arrow(i.p, QPointF(0.2, 15.2), QPointF(4.2, 12.9), 1.3, kRed, 3);
    draw::arrow(i.p, QPointF(15.8, 15.2), QPointF(11.8, 12.9), 1.3, kRed, 3);
    return i.done();
}

QImage tbAT()
{
    Icon16 i;
    i.p.setRenderHint(QPainter::Antialiasing, true);
    // Hollow cylinder with a torque arrow around its top.
    const QRectF body(4, 4, 8, 9);
    i.p.setPen(QPen(kSoilDark, 0.8));
    i.p.setBrush(draw::turned(body, QColor(160, 118, 78)));
    i.p.drawRect(body);
    i.p.setBrush(QColor(196, 150, 100));
    i.p.drawEllipse(QRectF(4, 2.5, 8, 3));
    i.p.setBrush(QColor(90, 60, 36));
    i.p.drawEllipse(QRectF(6, 3.2, 4, 1.6));
    i.p.setBrush(QColor(160, 118, 78));
    i.p.drawEllipse(QRectF(4, 11.5, 8, 3));
    i.p.setPen(QPen(kRed, 1.2));
    i.p.setBrush(Qt::NoBrush);
    i.p.drawArc(QRectF(1, 0.5, 14, 6), 200 * 16, 150 * 16);
    draw::arrow(i.p, QPointF(12.5, 6.3), QPointF(15, 4.6), 1.0, kRed, 2.4);
    return i.done();
}

QImage tbDrainage(bool drained)
{
    Icon16 i;
    cell16(i, drained ? kSoil : QColor(110, 96, 86));
    // A drainage tap below: open (drained) or closed (undrained).
    i.rect(0, 9, 3, 3, drained ? QColor(40, 160, 60) : kRed, kInk);
    i.p.setRenderHint(QPainter::Antialiasing, false);
    i.p.setPen(Qt::white);
    i.p.setFont(draw::font(7, true));
    return i.done();
}

QImage tbDatabase(int kind)
{
    Icon16 i;
    i.p.setRenderHint(QPainter::Antialiasing, true);
    // A database drum, with sand grains, gravel, or a magnifier.
    const QRectF body(1.5, 3, 10, 10);
    i.p.setPen(QPen(QColor(40, 60, 110), 0.9));
    i.p.setBrush(draw::turned(body, QColor(120, 150, 210)));
    i.p.drawRect(body);
    i.p.drawEllipse(QRectF(1.5, 11.5, 10, 3));
    i.p.setBrush(QColor(190, 210, 240));
    i.p.drawEllipse(QRectF(1.5, 1.5, 10, 3));
    i.p.setPen(QPen(QColor(40, 60, 110, 150), 0.7));
    i.p.setBrush(Qt::NoBrush);
    i.p.drawArc(QRectF(1.5, 5.5, 10, 3), 180 * 16, 180 * 16);
    i.p.drawArc(QRectF(1.5, 8.5, 10, 3), 180 * 16, 180 * 16);
    if (kind == 0) {
        draw::Random rnd(11);
        i.p.setPen(Qt::NoPen);
        for (int k = 0; k < 22; ++k) {
            i.p.setBrush(rnd.next() < 0.5 ? QColor(214, 180, 110) : QColor(170, 130, 70));
            i.p.drawEllipse(QPointF(rnd.range(9.5, 15.5), rnd.range(9, 15.5)), 0.7, 0.7);
        }
    } else if (kind == 1) {
        i.p.setPen(QPen(QColor(70, 70, 70), 0.6));
        const QColor stones[] = {QColor(150, 150, 140), QColor(120, 116, 110), QColor(176, 170, 160)};
        const QPointF at[] = {QPointF(11.5, 10.5), QPointF(14, 12.5), QPointF(11, 13.8), QPointF(14.2, 9.5)};
        for (int k = 0; k < 4; ++k) {
            i.p.setBrush(stones[k % 3]);
            i.p.drawEllipse(at[k], 1.7, 1.3);
        }
    } else {
        i.p.setPen(QPen(kInk, 1.2));
        i.p.setBrush(QColor(230, 244, 255, 220));
        i.p.drawEllipse(QPointF(11, 10), 3, 3);
        i.p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        i.p.drawLine(QPointF(13.2, 12.2), QPointF(15, 14.6));
    }
    return i.done();
}

QImage tick(QSize size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    prepare(p);
    const double s = size.width();
    QPainterPath path;
    path.moveTo(s * 0.12, s * 0.55);
    path.lineTo(s * 0.40, s * 0.82);
    path.lineTo(s * 0.90, s * 0.18);
    p.setPen(QPen(QColor(0, 110, 30), s * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(40, 190, 70), s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    return img;
}

QImage calculator(QSize size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    prepare(p);
    const double s = size.width();
    const QRectF body(s * 0.14, s * 0.04, s * 0.72, s * 0.92);
    p.setPen(QPen(QColor(30, 30, 40), 1));
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, QColor(110, 116, 130));
    g.setColorAt(1, QColor(60, 64, 76));
    p.setBrush(g);
    p.drawRoundedRect(body, s * 0.06, s * 0.06);
    const QRectF display(body.left() + s * 0.07, body.top() + s * 0.07, body.width() - s * 0.14, s * 0.18);
    p.setBrush(QColor(190, 214, 170));
    p.drawRect(display);
    p.setFont(font(s * 0.15, true));
    p.setPen(QColor(30, 40, 30));
    p.drawText(display.adjusted(0, 0, -s * 0.03, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("3.14"));
    const double kw = (body.width() - s * 0.14 - 3 * s * 0.04) / 4;
    const double kh = s * 0.11;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const QRectF key(display.left() + c * (kw + s * 0.04), display.bottom() + s * 0.07 + r * (kh + s * 0.045), kw, kh);
            p.setPen(Qt::NoPen);
            p.setBrush(c == 3 ? QColor(230, 140, 60) : QColor(225, 225, 230));
            p.drawRoundedRect(key, 1, 1);
        }
    return img;
}

void addForm(Pictures& out, const QString& path, QSize size, std::function<QImage(QSize)> fn, const QString& usedBy)
{
    out.push_back(drawn(Format::Png, path, size, std::move(fn), usedBy));
}

} // namespace

void addIcons(Pictures& out)
{
    {
        Picture p;
        p.path = QStringLiteral("pictures/icons/Loamix.ico");
        p.size = QSize(48, 48);
        p.format = Format::Ico;
        p.draw = logo;
        p.usedBy = QStringLiteral("every window's icon");
        out.push_back(p);
    }
    {
        Picture p;
        p.path = QStringLiteral("pictures/icons/LXicon.gif");
        p.size = QSize(32, 32);
        p.format = Format::Gif;
        p.draw = logo;
        p.transparent = true;
        p.matte = colour::formGrey;
        p.usedBy = QStringLiteral("dlgMesseges.Picture1, frmSplashMessege.Picture1, frmMessege.imgLogo");
        out.push_back(p);
    }
    addForm(out, QStringLiteral("forms/frmSplash/picLogo.png"), QSize(120, 120), splashLogo, QStringLiteral("frmSplash.picLogo"));
    addForm(out, QStringLiteral("forms/frmAbout/picIcon.png"), QSize(32, 32), logo, QStringLiteral("frmAbout.picIcon"));
    addForm(out, QStringLiteral("forms/frmQuizScoreSummary/picIcon.png"), QSize(32, 32), logo,
            QStringLiteral("frmQuizScoreSummary.picIcon"));
    addForm(out, QStringLiteral("forms/frmMessege/Picture1.png"), QSize(640, 40), stripBanner,
            QStringLiteral("frmMessege.Picture1 (strip background)"));
    addForm(out, QStringLiteral("forms/frmQuiz/imgCorrectSign.png"), QSize(24, 24), tick, QStringLiteral("frmQuiz.imgCorrectSign"));
    addForm(out, QStringLiteral("forms/frmQuiz/imgCalc.png"), QSize(32, 32), calculator, QStringLiteral("frmQuiz.imgCalc"));

    struct Tb {
        const char* key;
        std::function<QImage()> fn;
    };
    const Tb toolbar[] = {
        {"New", tbNew},
        {"Open", tbOpen},
        {"Save", tbSave},
        {"Print", tbPrint},
        {"Cut", tbCut},
        {"Copy", tbCopy},
        {"Paste", tbPaste},
        {"PrintWin", tbPrintWin},
        {"PrintDoc", tbPrintDoc},
        {"Triaxial", tbTriaxial},
        {"1DConsol", tbConsol},
        {"DS", tbDS},
        {"TTT", tbTTT},
        {"AT", tbAT},
        {"CIDC", [] { return tbDrainage(true); }},
        {"CIUC", [] { return tbDrainage(false); }},
        {"DBSand", [] { return tbDatabase(0); }},
        {"DBGravel", [] { return tbDatabase(1); }},
        {"DBQuery", [] { return tbDatabase(2); }},
    };
    for (const Tb& t : toolbar) {
        auto fn = t.fn;
        addForm(out, QStringLiteral("forms/toolbar/%1.png").arg(QString::fromLatin1(t.key)), QSize(16, 16),
                [fn](QSize) { return fn(); }, QStringLiteral("frmMDI.imlToolbarIcons \"%1\"").arg(QString::fromLatin1(t.key)));
    }
}

} // namespace genpictures
