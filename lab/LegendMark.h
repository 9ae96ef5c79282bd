#pragma once
// A legend mark: a short line in a curve's colour standing beside a chart's title or at the
// head of a legend column. Placed by its two end points in twips within its parent; hidden
// until the report or screen shows it with its curve's colour.
#include <QColor>
#include <QLineF>
#include <QWidget>

namespace lx {

class LegendMark : public QWidget {
    Q_OBJECT
public:
    // from and to in twips within the parent; width in pixels.
    LegendMark(QWidget* parent, QPointF from, QPointF to, int width = 2, QColor color = Qt::black);

    void setColor(const QColor& color);
    QColor color() const { return color_; }
    int lineWidth() const { return width_; }
    // The line's end points in the widget's own pixels.
    QLineF line() const { return line_; }
    // Takes the colour and shows the mark.
    void showAs(const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLineF line_;
    int width_;
    QColor color_;
};

} // namespace lx
