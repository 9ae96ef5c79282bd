#pragma once
// The keyboard as the desktop the program comes from has it, in every window at once:
// Enter (and the keypad's Enter) presses the focused button as Space does; Tab and
// Shift+Tab walk the controls in view in their order on the screen, top to bottom and left
// to right within a row, whatever order they were made in; a one-line box that loses the
// focus shows the beginning of its text again.
#include <QList>
#include <QWidget>

namespace lx {

// Installs the rules on the application, once (later calls do nothing).
void installKeyboardRules();

// The form whose controls Tab walks for widget w: the form of the child window it is in,
// else its own window.
QWidget* tabScope(QWidget* w);

// The controls of form that Tab stops at, in the order it visits them: enabled, shown,
// at least partly in view, and taking the focus by Tab (a control that hands its focus to
// another counts as that other).
QList<QWidget*> tabStops(QWidget* form);

} // namespace lx
