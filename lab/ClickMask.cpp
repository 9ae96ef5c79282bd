#include "lab/ClickMask.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lx {

ClickMask::ClickMask(QWidget* parent, const QString& name, std::function<void()> onClick)
    : QLabel(parent), click_(std::move(onClick))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(name);
}

void ClickMask::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    // The focus frame a keyboard user looks for, drawn over the picture (a style sheet's
    // border does not show on a see-through label).
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 0, 0xC0), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ClickMask::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        click_();
    else
        QLabel::mousePressEvent(event);
}

void ClickMask::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier)
        click_();
    else
        QLabel::keyPressEvent(event);
}

} // namespace lx
