#pragma once
// Special files to save onto: a FIFO, and a character device. The device is a null device
// made in the given folder where the process may make one (root); otherwise /dev/null,
// which such a process cannot replace anyway. Either way no device of the system is at risk.
#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace lx::testing {

enum class SpecialFile { Fifo, Device };

inline QString makeSpecialFile(SpecialFile kind, const QString& folder)
{
    const QString path = folder + (kind == SpecialFile::Fifo ? QStringLiteral("/pipe") : QStringLiteral("/null"));
    const QByteArray native = QFile::encodeName(path);
    if (kind == SpecialFile::Fifo)
        return ::mkfifo(native.constData(), 0644) == 0 ? path : QString();
    if (::mknod(native.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        return path;
    return QStringLiteral("/dev/null");
}

// True while path is still the special file it was made as.
inline bool isStillSpecial(SpecialFile kind, const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return kind == SpecialFile::Fifo ? S_ISFIFO(st.st_mode) : S_ISCHR(st.st_mode);
}

} // namespace lx::testing
