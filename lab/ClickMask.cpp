#include "lab/ClickMask.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace lx {

ClickMask::ClickMask(QWidget* parent, const QString& name, std::function<void()> onClick)
    : QLabel(parent), click_(std::move(onClick))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(name);
    setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted #0000C0; }"));
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
