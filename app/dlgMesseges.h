#pragma once
// The system's own message box with one to four captioned buttons.

// Makes lx::messages().msgs show this box (start-up calls it once).
void installMessageBox();
