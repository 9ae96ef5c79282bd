#include "SafeFile.h"

#include <QSaveFile>

namespace lx {

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // Buffered writes would hide a short write until a flush whose failure commit() misses.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size()
        && file.size() == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString().isEmpty() || file.error() == QFileDevice::NoError
                     ? QStringLiteral("The file could not be written completely.")
                     : file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace lx
