#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lx {

namespace {
QString& installDirOverride()
{
    static QString dir;
    return dir;
}
} // namespace

QString installDir()
{
    if (!installDirOverride().isEmpty())
        return installDirOverride();
    return QCoreApplication::applicationDirPath();
}

void setInstallDir(const QString& dir) { installDirOverride() = QDir::cleanPath(dir); }

QString resolveCaseInsensitive(const QString& base, const QString& relative)
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    const QStringList parts = rel.split(u'/', Qt::SkipEmptyParts);
    QString current = QDir::cleanPath(base);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == u"." )
            continue;
        QString next = current + u'/' + part;
        if (!QFileInfo::exists(next)) {
            const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current + u'/' + e;
                    break;
                }
            }
        }
        current = next;
    }
    return current;
}

QString installPath(const QString& relative) { return resolveCaseInsensitive(installDir(), relative); }

namespace {

constexpr char instancePrefix[] = "loamix-";

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// Calls f with the name of each entry of the open folder dir but "." and "..". Returns 0 or
// the errno of a folder that cannot be listed.
template <class F>
int forEachEntry(int dir, F&& f)
{
    const int copy = ::dup(dir);
    DIR* listing = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!listing) {
        const int why = errno;
        if (copy >= 0)
            ::close(copy);
        return why;
    }
    while (const dirent* entry = ::readdir(listing))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            f(entry->d_name);
    ::closedir(listing);
    return 0;
}

// Removes what the open folder dir holds, without following links. Returns 0 or the errno
// of the first failure.
int removeContents(int dir)
{
    int failure = 0;
    const int listed = forEachEntry(dir, [&](const char* name) {
        struct stat st {};
        if (::fstatat(dir, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return;   // gone meanwhile
        if (S_ISDIR(st.st_mode)) {
            const int sub = ::openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                if (const int why = removeContents(sub); why != 0 && failure == 0)
                    failure = why;
                ::close(sub);
            }
            if (::unlinkat(dir, name, AT_REMOVEDIR) != 0 && failure == 0)
                failure = errno;
        } else if (::unlinkat(dir, name, 0) != 0 && failure == 0) {
            failure = errno;
        }
    });
    return listed != 0 ? listed : failure;
}

bool isInstanceName(const char* name)
{
    const size_t prefix = sizeof instancePrefix - 1;
    if (std::strncmp(name, instancePrefix, prefix) != 0 || std::strlen(name) != prefix + 6)
        return false;
    for (const char* c = name + prefix; *c; ++c)
        if (!std::isalnum(static_cast<unsigned char>(*c)))
            return false;
    return true;
}

// Removes the folders of this user's instances that hold no lock: their instance has ended.
// A folder whose lock is held belongs to a running instance and stays; anything else by an
// instance's name (another user's, a link, a file) is left alone.
void removeEndedInstances(const QByteArray& base)
{
    const int baseFd = ::open(base.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (baseFd < 0)
        return;
    forEachEntry(baseFd, [&](const char* name) {
        if (!isInstanceName(name))
            return;
        const int dir = ::openat(baseFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (dir < 0)
            return;
        struct stat st {};
        if (::fstat(dir, &st) == 0 && st.st_uid == ::geteuid() && ::flock(dir, LOCK_EX | LOCK_NB) == 0) {
            // Removed while locked, so an instance starting meanwhile cannot take it (see create).
            removeContents(dir);
            ::unlinkat(baseFd, name, AT_REMOVEDIR);
        }
        ::close(dir);
    });
    ::close(baseFd);
}

// The user's runtime folder when there is a sound one: a folder of this user closed to others.
QString runtimeFolder()
{
    const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (dir.isEmpty() || !dir.startsWith('/') || ::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode)
        || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0 || ::access(dir.constData(), W_OK | X_OK) != 0)
        return {};
    return QFile::decodeName(dir);
}

} // namespace

QString InstanceFolder::baseFolder(QString* error)
{
    if (const QString runtime = runtimeFolder(); !runtime.isEmpty())
        return runtime;
    // TMPDIR is read here, not through QDir::tempPath(), which turns a missing folder into "".
    const QByteArray tmp = qgetenv("TMPDIR");
    if (tmp.isEmpty())
        return QStringLiteral("/tmp");
    struct stat st {};
    if (::stat(tmp.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        if (error)
            *error = QStringLiteral("The temp folder %1 (named by TMPDIR) does not exist.").arg(QFile::decodeName(tmp));
        return {};
    }
    return QDir::cleanPath(QFile::decodeName(tmp));
}

std::unique_ptr<InstanceFolder> InstanceFolder::create(QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return std::unique_ptr<InstanceFolder>();
    };
    const QString base = baseFolder(error);
    if (base.isEmpty())
        return nullptr;
    const QByteArray nativeBase = QFile::encodeName(base);
    removeEndedInstances(nativeBase);
    // An instance that removes ended folders may take a new one between mkdtemp and the lock:
    // the lock is only good once the folder is still at its name, else try a new name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        QByteArray name = nativeBase + '/' + instancePrefix + "XXXXXX";
        if (!::mkdtemp(name.data()))
            return fail(QStringLiteral("No folder for the working copies can be made in %1 (%2).").arg(base, systemError(errno)));
        const int lock = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (lock < 0)
            continue;
        struct stat held {}, named {};
        if (::flock(lock, LOCK_EX | LOCK_NB) == 0 && ::fstat(lock, &held) == 0 && ::lstat(name.constData(), &named) == 0
            && held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return std::unique_ptr<InstanceFolder>(new InstanceFolder(QFile::decodeName(name), lock));
        ::close(lock);
    }
    return fail(QStringLiteral("No folder for the working copies can be kept in %1.").arg(base));
}

InstanceFolder::~InstanceFolder()
{
    // Only the folder this instance made and still holds: not whatever may now bear its name.
    const QByteArray name = QFile::encodeName(folder);
    const int dir = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat held {}, named {};
    if (dir >= 0 && ::fstat(lock, &held) == 0 && ::fstat(dir, &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino) {
        removeContents(dir);
        ::rmdir(name.constData());
    }
    if (dir >= 0)
        ::close(dir);
    ::close(lock);
}

bool emptyFolder(const QString& folder, QString* error)
{
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int why = dir < 0 ? errno : removeContents(dir);
    if (dir >= 0)
        ::close(dir);
    if (why != 0 && error)
        *error = QStringLiteral("The folder %1 cannot be emptied (%2).").arg(folder, systemError(why));
    return why == 0;
}

} // namespace lx
