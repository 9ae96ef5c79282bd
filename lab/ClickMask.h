#pragma once
// A clear surface over a picture's hot spot that does what a click into it does: a click,
// or, for a student at the keyboard, Space, Enter or the keypad's Enter once Tab has reached
// it (a dotted frame shows it has the focus), once per press as a button does. A screen
// reader reads its name (the picture's prompt) and its description (the mouse-over hint).
#include <QLabel>

#include <functional>

namespace lx {

class ClickMask : public QLabel {
    Q_OBJECT
public:
    ClickMask(QWidget* parent, const QString& name, std::function<void()> onClick, const QString& hint = {});

    // What a click does, as the keys do it.
    void click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // How far inside the edge the focus frame is drawn (clear of an outline drawn there).
    int focusMarkInset = 2;

private:
    std::function<void()> click_;
};

} // namespace lx
