#pragma once
#include <QFont>
#include <QString>

namespace lx {

// A form's font by its classic face name ("MS Sans Serif", "Tahoma", "Arial"); the program
// maps those names to installed faces once, at start-up.
inline QFont formFont(const QString& face, double points, bool bold = false)
{
    QFont f(face);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace lx
