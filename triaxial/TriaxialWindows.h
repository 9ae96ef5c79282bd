#pragma once
// How the triaxial windows live in the main window: each is a child window with a fixed
// outer size in twips, shown modeless and brought to the front, placed against another
// child window, and unloaded by closing its child window.
#include "platform/FormRegistry.h"

#include <QPoint>

class QMdiSubWindow;
class QPushButton;
class QString;
class QWidget;

namespace triaxial {

// A command button placed in twips, with its tool tip (none when empty).
QPushButton* Button(QWidget* parent, const QString& caption, const QString& tip, double left, double top, double width,
                    double height);

// Makes the form a child window of the main window (when there is one), with a fixed
// border and the outer size given; dialogs have no minimise button.
void MakeChild(QWidget* form, double outerWidthTw, double outerHeightTw, bool dialog);
// Changes the outer size of a child window already made.
void SetOuterSize(QWidget* form, double outerWidthTw, double outerHeightTw);
// The child window around a form; null when the form is not one.
QMdiSubWindow* ChildFrame(QWidget* form);
// Shows the form modeless and makes it the active child window.
void ShowInFront(QWidget* form);
// The same for a form that does not make itself a child window: made one on first show,
// with a fixed border and no minimise button, at the size the form has then.
void ShowAsChild(QWidget* form);
// Hides the form with its child window, which stays loaded.
void HideChild(QWidget* form);
// Places the form's child window in the child area, in twips.
void MoveChild(QWidget* form, double leftTw, double topTw);
// The top-left corner of the active child window in twips (0, 0 without one).
QPointF ActiveChildPosTw();
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

} // namespace triaxial
