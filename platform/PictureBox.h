#pragma once
// The drawing surface of every picture box: a retained display list in the box's scale
// units, repainted from the list so that grab(), printing and tests all see the drawing.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <QWidget>
#include <vector>

namespace lx {

struct DrawOp {
    enum Kind { Line, Box, FilledBox, Text, Picture, Circle };
    Kind kind = Line;
    QPointF from;          // scale units: the start, the top-left of a text or picture, a circle's centre
    QPointF to;            // scale units: the end, the far corner of a box or picture
    double radius = 0;     // scale units, horizontal
    QColor color;
    int width = 1;         // pen width in pixels
    QString text;
    QFont font;
    QImage image;
    QTransform toPixels;   // the scale in force when the operation was drawn
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Scale: twips by default; Scale() sets a user scale whose ScaleHeight may be negative
    // (y growing upwards). Changing the size keeps a user scale, and twips follow the size.
    double ScaleLeft() const { return scaleLeft; }
    double ScaleTop() const { return scaleTop; }
    double ScaleWidth() const;
    double ScaleHeight() const;
    void setScaleWidth(double v) { userScale = true; scaleWidth = v; }
    void setScaleHeight(double v) { userScale = true; scaleHeight = v; }
    void Scale(double x1, double y1, double x2, double y2);

    int DrawWidth = 1;
    QColor ForeColor = Qt::black;
    double CurrentX = 0;
    double CurrentY = 0;
    void setBackColor(const QColor& c);
    QFont Font() const { return font(); }
    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool bold);

    // The background picture (a picture box's Picture); not part of the display list.
    void setPicture(const QImage& image);
    const QImage& picture() const { return background; }

    void Cls();
    // A line in the given colour (ForeColor when invalid); CurrentX/Y move to its end.
    void Line(double x1, double y1, double x2, double y2, const QColor& color = QColor());
    void Box(double x1, double y1, double x2, double y2, const QColor& color = QColor(), bool filled = false);
    void Circle(double x, double y, double radius, const QColor& color = QColor());
    // Prints with the text's top-left at CurrentX/Y. Afterwards, as of old, CurrentX returns
    // to ScaleLeft and CurrentY moves one line down; with newline false CurrentX moves past
    // the text and CurrentY stays.
    void Print(const QString& text, bool newline = true);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text = QStringLiteral("Ag")) const;
    void PaintPicture(const QImage& image, double x, double y, double width = -1, double height = -1);

    const std::vector<DrawOp>& displayList() const { return ops; }
    // Draws background and list into any painter (printing), scaled to target.
    void render(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QTransform currentTransform() const;
    QColor colorOr(const QColor& c) const { return c.isValid() ? c : ForeColor; }
    void drawOps(QPainter& p) const;
    void add(DrawOp op);
    void addShape(DrawOp::Kind kind, QPointF from, QPointF to, double radius, const QColor& color);

    double scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;
    bool userScale = false;
    QColor backColor = QColor(0xC0, 0xC0, 0xC0);
    QImage background;
    std::vector<DrawOp> ops;
};

} // namespace lx
