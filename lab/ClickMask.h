#pragma once
// A clear surface over an assembly picture that starts the assembly: a click into it, or,
// for a student at the keyboard, Space or Enter once Tab has reached it (a dotted frame
// shows it has the focus). A screen reader reads its name, the picture's prompt.
#include <QLabel>

#include <functional>

namespace lx {

class ClickMask : public QLabel {
    Q_OBJECT
public:
    ClickMask(QWidget* parent, const QString& name, std::function<void()> onClick);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> click_;
};

} // namespace lx
