#pragma once
#include <QByteArray>
#include <QString>

namespace lx {

// Writes a whole file through a temporary file and a rename, so that the old file
// survives any failure. A short write (a full disk, a size limit) is a failure too: the
// write is unbuffered and checked byte for byte. On failure returns false and, when
// asked, the reason.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace lx
