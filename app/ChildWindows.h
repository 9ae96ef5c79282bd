#pragma once
// Windows of the program inside the main window, and the placing of the small top-level
// boxes around it. Every subsystem adds its windows through these.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace lx {

// The main window (basGlobal::MainForm) as a widget, or null before start-up and after it ends.
QWidget* mainWindow();
// The area of the main window's child windows, or null without a main window.
QMdiArea* childArea();

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

} // namespace lx
