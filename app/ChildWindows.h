#pragma once
// Windows of the program inside the main window, and the placing of the small top-level
// boxes around it. Every subsystem adds its windows through these. Once the program is
// ending (basGlobal::ShuttingDown) the helpers that show a window show nothing: the window
// is made and placed as usual, stays hidden and goes with its owner.
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

class QPushButton;

#include "platform/FormRegistry.h"

namespace lx {

// The main window (basGlobal::MainForm) as a widget, or null before start-up and after it ends.
QWidget* mainWindow();
// The area of the main window's child windows, or null without a main window.
QMdiArea* childArea();

// The key that closes the active child window, the main window's own (a child window's
// menu has Ctrl+W).
inline const QKeySequence CloseChildKey{Qt::CTRL | Qt::Key_F4};

// Makes a widget a child window of area with its own title and, when it was given one, its
// own size inside the frame; returns the frame. Showing the widget shows the child window,
// placed inside the area wherever it fits there (the area scrolls to one that is larger).
QMdiSubWindow* addChildWindow(QMdiArea* area, QWidget* child);
// The same, then shows the child window and makes it the active one.
QMdiSubWindow* showChildWindow(QMdiArea* area, QWidget* child);
// showChildWindow in the main window's area. Without a main window (a window tried on its
// own) the widget is shown as a window of its own and the result is null.
QMdiSubWindow* showChildWindow(QWidget* child);

// Centres a top-level window over another (the main window, say), or on the screen when
// over is null or hidden.
void centreWindow(QWidget* window, const QWidget* over);
// Shows a top-level window without waiting and paints it at once: it is on the screen
// before the caller goes on with the work it announces.
void showAndPaint(QWidget* window);


// Every child window stays within this outer size in twips: the widest are the first-stage
// windows of the triaxial road (11400), the tallest the quiz score sheet (9750); the later
// families' largest (10500 x 8500, 8500 x 9400) fit too. The main window opens with room for
// it and the logo strip, so no child window needs the area's scroll bars.
inline constexpr double LargestChildWidthTw = 11400;
inline constexpr double LargestChildHeightTw = 9750;

// Gives a window its heading as the name a screen reader and the window list read, for a
// window whose caption says nothing (an empty caption stays empty); its child-window frame
// carries the name too, made now or later.
void SetHeading(QWidget* form, const QString& heading);

// How a form lives in the main window: a child window with a fixed outer size in twips,
// shown modeless and brought to the front, placed against another child window, and
// unloaded by closing its child window.
// Makes the form a child window of the main window (when there is one), with a fixed
// border and the outer size given; dialogs have no minimise button, and Escape in them
// presses their CancelButton.
void MakeChild(QWidget* form, double outerWidthTw, double outerHeightTw, bool dialog);
// The button that cancels a dialog: the first shown and enabled one captioned "Cancel", else
// "Close"; null when it has none.
QPushButton* CancelButton(QWidget* form);
// Changes the outer size of a child window already made.
void SetOuterSize(QWidget* form, double outerWidthTw, double outerHeightTw);
// The child window around a form; null when the form is not one.
QMdiSubWindow* ChildFrame(QWidget* form);
// Shows the form modeless and makes it the active child window, in front of the window it
// was opened from (which keeps no focus that would take the front back).
void ShowInFront(QWidget* form);
// The same for a form that does not make itself a child window: made one on first show,
// with a fixed border and no minimise button, at the size the form has then; atOrigin
// places that new child window at the top left of the area.
void ShowAsChild(QWidget* form, bool atOrigin = false);
// Hides the form with its child window, which stays loaded.
void HideChild(QWidget* form);
// Places the form's child window in the child area, in twips.
void MoveChild(QWidget* form, double leftTw, double topTw);
// The top-left corner of the active child window in twips (0, 0 without one).
QPointF ActiveChildPosTw();
// Unloads every child window of the area at once, the newest first: a window that reaches
// the one it was opened from as it goes finds it still there.
void UnloadChildWindows(QMdiArea* area);
// Unloads the form at once (never from inside one of its own handlers).
void UnloadNow(QWidget* form);
// Unloads the form once the running handler has returned (for a form closing itself).
void UnloadLater(QWidget* form);

template <typename Form>
void Unload()
{
    if (Form* f = lx::SingleInstance<Form>::peek())
        UnloadNow(f);
}

} // namespace lx
