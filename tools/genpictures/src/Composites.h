#pragma once
#include "Registry.h"

#include <QImage>

namespace genpictures {

// A written picture read back from its file (entry 'index' of an icon).
QImage loadWritten(const Picture& p, const QString& installRoot, const QString& formsRoot, int index = 0);

// The animations' pictures stacked at their window positions, start and end.
QString writeComposites(const Pictures& all, const QString& installRoot, const QString& formsRoot, const QString& dir);

} // namespace genpictures
