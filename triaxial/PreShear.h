#pragma once
// The road of the graded steps before shearing, as the test chooser starts it.
#include <QString>

class QWidget;

namespace preshear {

// Opens (or brings to the front) the window of the steps before shearing for a test:
// "UUC " (with its trailing blank) for the unconsolidated-undrained test, empty for the
// consolidated tests. The type is set on every opening, and the caption with it.
void OpenPreShear(const QString& testType);

// Gives a window of this road its outer size in twips (the caption and borders of the
// original included), whether or not it sits in a child window yet.
void SetOuterSize(QWidget* form, double widthTw, double heightTw);
// Shows a window of this road modeless as a child window of the main window: a fixed
// border without minimise and maximise buttons, brought to the front.
void ShowChild(QWidget* form);
// Hides a window of this road with its child window.
void HideWindow(QWidget* form);
// Closes a window of this road from inside one of its own handlers: its child window
// closes (and is deleted) once the handler has returned.
void CloseLater(QWidget* form);

} // namespace preshear
