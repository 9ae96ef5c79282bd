#pragma once
// What the quiz windows share: showing one modeless as a child of the main window (a top
// window while there is none, as in tests) and unloading it.
class QWidget;

namespace quiz {

// Shows the window, adding it to the main window's child area on first show; atOrigin
// places the child window at Left 0, Top 0.
void ShowModeless(QWidget* window, bool atOrigin);
// Closes the window (and its child frame); closing runs its unload.
void CloseWindow(QWidget* window);

} // namespace quiz
