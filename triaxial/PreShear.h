#pragma once
// The road of the graded steps before shearing, as the test chooser starts it.
#include <QString>

namespace preshear {

// Opens (or brings to the front) the window of the steps before shearing for a test:
// "UUC " (with its trailing blank) for the unconsolidated-undrained test, empty for the
// consolidated tests. The type is set on every opening, and the caption with it.
void OpenPreShear(const QString& testType);

} // namespace preshear
