#include "lab/ClickMask.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lx {

ClickMask::ClickMask(QWidget* parent, const QString& name, std::function<void()> onClick, const QString& hint)
    : QLabel(parent), click_(std::move(onClick))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(name);
    setAccessibleDescription(hint);
}

void ClickMask::click()
{
    if (click_)
        click_();
}

void ClickMask::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    // The focus frame a keyboard user looks for, drawn over the picture (a style sheet's
    // border does not show on a see-through label).
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 0, 0xC0), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(focusMarkInset, focusMarkInset, -focusMarkInset - 1, -focusMarkInset - 1));
    }
}

void ClickMask::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        click();
    else
        QLabel::mousePressEvent(event);
}

void ClickMask::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    // The keypad's Enter comes with the keypad's modifier, and nothing else may be held.
    const bool plain = (event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) == Qt::NoModifier;
    if (!plain || (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
        QLabel::keyPressEvent(event);
        return;
    }
    // A key held down clicks once, as a button does.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

} // namespace lx
