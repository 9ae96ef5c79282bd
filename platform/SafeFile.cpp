#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lx {

namespace {

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// Closes a descriptor and removes the temporary file unless the write got through.
// The lock is held through a descriptor of its own, until the rename is done.
struct TemporaryFile {
    int fd = -1;
    int lockFd = -1;
    QByteArray path;
    bool keep = false;
    ~TemporaryFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!keep && !path.isEmpty())
            ::unlink(path.constData());
        if (lockFd >= 0)
            ::close(lockFd);
    }
};

bool writeAll(int fd, const char* data, qint64 size, int* failure)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *failure = n < 0 ? errno : ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// How much of name a temporary name with this suffix holds: the whole, or a beginning cut
// (at a character's start) so that the whole fits the folder's longest name.
qsizetype keptOfName(const QByteArray& folder, const QByteArray& name, qsizetype suffixSize)
{
    const long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    const qsizetype room = (longest > 0 ? qsizetype(longest) : 255) - 1 - suffixSize;
    qsizetype keep = std::min(name.size(), std::max<qsizetype>(room, 0));
    // UTF-8 continuation bytes (10xxxxxx) never start a character.
    while (keep > 0 && keep < name.size() && (uchar(name[keep]) & 0xC0) == 0x80)
        --keep;
    return keep;
}

// ".<name>.loamix-<random>.tmp" in folder: the mark and a random part of exactly RandomDigits
// base-36 digits (zero-padded), so that the clean-up can tell this program's copies from a
// user's own files of a like name (".notes.txt.old.tmp").
constexpr char Mark[] = ".loamix-";
constexpr char End[] = ".tmp";
constexpr qsizetype MarkSize = sizeof(Mark) - 1;
constexpr qsizetype EndSize = sizeof(End) - 1;
constexpr qsizetype RandomDigits = 13; // 36^13 > 2^64
constexpr qsizetype LongestSuffix = MarkSize + RandomDigits + EndSize;

QByteArray temporaryName(const QByteArray& folder, const QByteArray& name)
{
    const QByteArray random = QByteArray::number(QRandomGenerator::global()->generate64(), 36).rightJustified(RandomDigits, '0');
    const QByteArray suffix = Mark + random + End;
    return folder + "/." + name.left(keptOfName(folder, name, suffix.size())) + suffix;
}

// True when entry is a temporary name of the whole name (not of a beginning of it).
bool isTemporaryNameOf(const QByteArray& entry, const QByteArray& name)
{
    if (entry.size() != 1 + name.size() + LongestSuffix || !entry.startsWith('.') || entry.mid(1, name.size()) != name)
        return false;
    const QByteArray suffix = entry.mid(1 + name.size());
    if (!suffix.startsWith(Mark) || !suffix.endsWith(End))
        return false;
    const QByteArray random = suffix.mid(MarkSize, RandomDigits);
    return std::all_of(random.begin(), random.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
}

// The file a save of path really replaces: a link's regular file.
QByteArray savedTarget(const QString& path)
{
    const QFileInfo info(path);
    return QFile::encodeName(info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath());
}

} // namespace

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

int removeLeftoverCopies(const QString& path)
{
    if (path.isEmpty())
        return 0;
    const QByteArray target = savedTarget(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const QByteArray name = QFile::encodeName(QFileInfo(QFile::decodeName(target)).fileName());
    // A name cut in its temporary names cannot be told from another one with its beginning.
    if (keptOfName(folder, name, LongestSuffix) < name.size())
        return 0;
    int removed = 0;
    const QStringList entries = QDir(QFile::decodeName(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& e : entries) {
        const QByteArray entry = QFile::encodeName(e);
        if (!isTemporaryNameOf(entry, name))
            continue;
        const QByteArray copy = folder + '/' + entry;
        struct stat st {};
        if (::lstat(copy.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        const int fd = ::open(copy.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        // A running save holds its lock until its rename; a killed one holds none. The file
        // is removed under the lock, and only while it is the one looked at.
        struct stat held {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && held.st_ino == st.st_ino && held.st_dev == st.st_dev
            && ::unlink(copy.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error, FileAccess access)
{
    static const bool signalIgnored = (ignoreFileSizeSignal(), true);
    (void)signalIgnored;
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("No file name was given."));

    // The file that is really replaced: a link is followed to its regular file and stays a link.
    QByteArray target = QFile::encodeName(path);
    struct stat old {};
    bool replacing = false;
    struct stat link {};
    if (::lstat(target.constData(), &link) == 0) {
        if (::stat(target.constData(), &old) != 0 || !S_ISREG(old.st_mode))
            return fail(QStringLiteral("It is not a regular file, so it is left as it is."));
        // A file its owner made read-only, or one this user may not write, is not replaced
        // behind their back (the rename would need only the folder's permission).
        if ((old.st_mode & 0222) == 0 || ::access(target.constData(), W_OK) != 0)
            return fail(QStringLiteral("It is a read-only file, so it is left as it is."));
        replacing = true;
        if (S_ISLNK(link.st_mode))
            target = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    } else if (errno != ENOENT) {
        return fail(systemError(errno));
    }

    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const QByteArray name = QFile::encodeName(QFileInfo(QFile::decodeName(target)).fileName());
    removeLeftoverCopies(QFile::decodeName(target));
    TemporaryFile temp;
    for (int attempt = 0; attempt < 16 && temp.fd < 0; ++attempt) {
        temp.path = temporaryName(folder, name);
        // 0666 less the umask, as a new file gets; a replaced file's own mode is set below.
        const mode_t mode = access == FileAccess::Private ? 0600 : 0666;
        temp.fd = ::open(temp.path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (temp.fd < 0 && errno != EEXIST) {
            const int why = errno;
            temp.path.clear();
            return fail(QStringLiteral("No file can be written in the folder %1 (%2).").arg(QFile::decodeName(folder), systemError(why)));
        }
        // Held until the rename, so that another program's clean-up leaves it; one that took
        // it as a leftover between the open and the lock has removed it: a new name then.
        if (temp.fd >= 0) {
            temp.lockFd = ::dup(temp.fd);
            struct stat held {};
            const bool locked = temp.lockFd >= 0 && ::flock(temp.lockFd, LOCK_EX) == 0;
            const bool removed = ::fstat(temp.fd, &held) == 0 && held.st_nlink == 0;
            if (!locked || removed) {
                if (!removed)
                    ::unlink(temp.path.constData());
                ::close(temp.fd);
                if (temp.lockFd >= 0)
                    ::close(temp.lockFd);
                temp.fd = temp.lockFd = -1;
                temp.path.clear();
            }
        }
    }
    if (temp.fd < 0) {
        temp.path.clear();
        return fail(QStringLiteral("No temporary file can be made in the folder %1.").arg(QFile::decodeName(folder)));
    }
    if (replacing) {
        // Owner first (only root can give a file away), then the mode, which chown may clear.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)::fchown(temp.fd, old.st_uid, old.st_gid);
        const mode_t mode = access == FileAccess::Private ? mode_t(0600) : mode_t(old.st_mode & 07777);
        if (::fchmod(temp.fd, mode) != 0)
            return fail(QStringLiteral("The file's permissions cannot be kept (%1).").arg(systemError(errno)));
    }
    int why = 0;
    if (!writeAll(temp.fd, bytes.constData(), bytes.size(), &why))
        return fail(QStringLiteral("The file could not be written completely (%1).").arg(systemError(why)));
    if (::fsync(temp.fd) != 0)
        return fail(QStringLiteral("The file could not be written to the disk (%1).").arg(systemError(errno)));
    const int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0)
        return fail(QStringLiteral("The file could not be written completely (%1).").arg(systemError(errno)));
    if (::rename(temp.path.constData(), target.constData()) != 0)
        return fail(QStringLiteral("The file could not be replaced (%1).").arg(systemError(errno)));
    temp.keep = true;

    // The rename lives in the folder: sync it too. Some file systems cannot sync a folder
    // (EINVAL); there the rename is as durable as they make it.
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return fail(QStringLiteral("The folder %1 could not be written to the disk (%2).").arg(QFile::decodeName(folder), systemError(errno)));
    const int synced = ::fsync(dir) == 0 || errno == EINVAL ? 0 : errno;
    ::close(dir);
    if (synced != 0)
        return fail(QStringLiteral("The folder %1 could not be written to the disk (%2).").arg(QFile::decodeName(folder), systemError(synced)));
    return true;
}

} // namespace lx
