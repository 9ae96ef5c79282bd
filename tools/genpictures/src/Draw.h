#pragma once
// Drawing helpers shared by every picture: materials, section hatching, arrows and
// labels, in the plain style of a laboratory manual.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>

namespace genpictures::draw {

// Colours of the materials, one place for every drawing.
namespace colour {
inline const QColor steel{150, 158, 168};
inline const QColor steelDark{88, 96, 106};
inline const QColor steelLight{228, 232, 236};
inline const QColor brass{196, 160, 72};
inline const QColor acrylic{110, 160, 200};
inline const QColor water{176, 214, 240};
inline const QColor clay{136, 108, 80};
inline const QColor claySoft{160, 130, 98};
inline const QColor sand{214, 184, 122};
inline const QColor porous{178, 176, 166};
inline const QColor rubber{40, 40, 44};
inline const QColor membrane{70, 62, 58};
inline const QColor ink{30, 30, 36};
inline const QColor label{20, 40, 110};
inline const QColor paper{255, 255, 255};
inline const QColor formYellow{255, 255, 192};   // &H00C0FFFF, the assembly areas
inline const QColor formGrey{212, 208, 200};     // the classic button face
inline const QColor wood{176, 128, 80};
inline const QColor filter{238, 232, 210};
} // namespace colour

// A small deterministic generator, so every build draws the same speckles.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next()  // [0, 1)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return double(state_) / 4294967296.0;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

// Drawing units: helpers take sizes meant in pixels (pen widths, grains, arrow heads,
// text) and scale them by the current unit, the number of user units in one pixel.
// Scene pictures are drawn in twips, with a unit of 15.
double unit();
class UnitScope {
public:
    explicit UnitScope(double unitsPerPixel);
    ~UnitScope();
    UnitScope(const UnitScope&) = delete;
    UnitScope& operator=(const UnitScope&) = delete;

private:
    double saved_;
};
inline double U(double px) { return px * unit(); }

QImage canvas(QSize size, QColor fill = Qt::transparent);
// A picture that shows the part of a scene drawn in twips which lies under 'rect'
// (twips), at 'size' pixels; the scene function draws in twips with a unit of 15.
struct TwipRectF {
    double left, top, width, height;
};
QImage scenePart(const TwipRectF& rect, QSize size, const std::function<void(QPainter&)>& scene,
                 QColor fill = Qt::transparent);
void prepare(QPainter& p);
QFont font(double pixelSize, bool bold = false, bool italic = false);
QFont scriptFont(double pixelSize);
QColor shade(QColor c, double factor);  // < 1 darker, > 1 lighter

// A vertical cylinder seen from the side: shaded left to right like turned metal.
QLinearGradient turned(const QRectF& r, QColor base);
// A flat plate seen edge on: light top edge, darker below.
QLinearGradient plateShade(const QRectF& r, QColor base);

void cylinder(QPainter& p, const QRectF& body, QColor base, double capHeight = 0, bool outline = true);
void block(QPainter& p, const QRectF& r, QColor base, bool outline = true);
void hatch(QPainter& p, const QPainterPath& area, double spacing, QColor line, double angleDeg = 45, double width = 1);
void speckle(QPainter& p, const QPainterPath& area, QColor base, double density, double grain, std::uint32_t seed,
             double spread = 0.25);
void soil(QPainter& p, const QPainterPath& area, std::uint32_t seed, QColor base = colour::clay);
void sand(QPainter& p, const QPainterPath& area, std::uint32_t seed, double grain = 1.2);
void porousStone(QPainter& p, const QRectF& r, std::uint32_t seed);
void arrow(QPainter& p, QPointF from, QPointF to, double width, QColor c, double head = 0);
void doubleArrow(QPainter& p, QPointF a, QPointF b, double width, QColor c, double head = 0);
void leader(QPainter& p, QPointF target, QPointF textAnchor, const QString& text, double pixelSize,
            Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, QColor c = colour::label);
void text(QPainter& p, const QRectF& r, const QString& t, double pixelSize, Qt::Alignment align = Qt::AlignCenter,
          QColor c = colour::ink, bool bold = false, bool italic = false);
void hexNut(QPainter& p, const QRectF& r);
void ellipseRim(QPainter& p, const QRectF& r, QColor c, double width = 1);

QPainterPath rectPath(const QRectF& r);
// A pipe (tube) along a polyline, 'width' pixels thick.
void pipe(QPainter& p, const QPolygonF& line, double width, QColor c = QColor(60, 90, 140));
// A valve: a round body with a handle across the pipe.
void valve(QPainter& p, QPointF centre, double radius, bool open = true);
// A wall of clear acrylic seen from the side.
void acrylicWall(QPainter& p, const QRectF& r);

} // namespace genpictures::draw
