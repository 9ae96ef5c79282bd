#pragma once
// The keyboard as the desktop the program comes from has it, in every window at once:
// Enter (and the keypad's Enter) presses the focused button as Space does; Tab and
// Shift+Tab walk the controls in view in their reading order on the screen, whatever order
// they were made in; a window opens with the focus on its first control, not on its frame;
// a one-line box that loses the focus shows the beginning of its text again.
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
// another counts as that other). The order is a reader's: the controls of a group box, frame
// or picture together at its place; rows from the top (tops within half a line, or blocks side
// by side over most of their height), and left to right within a row.
QList<QWidget*> tabStops(QWidget* form);

// Puts Qt's own focus chain of form in that order (where a window's first focus comes from,
// and where the focus goes when its control hides). The rules do this whenever a form is shown.
void applyTabOrder(QWidget* form);

} // namespace lx
