#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

QString privateTempFolder(QString* error)
{
    const QString dir = QDir::tempPath() + QStringLiteral("/loamix-") + QString::number(::getuid());
    const QByteArray native = QFile::encodeName(dir);
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return QString();
    };
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return fail(QStringLiteral("The folder %1 cannot be created.").arg(dir));
    struct stat st {};
    // lstat: a symbolic link planted by someone else must not be followed.
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return fail(QStringLiteral("%1 is not a folder.").arg(dir));
    if (st.st_uid != ::getuid())
        return fail(QStringLiteral("The folder %1 belongs to another user.").arg(dir));
    if ((st.st_mode & 0777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        return fail(QStringLiteral("The folder %1 cannot be made private.").arg(dir));
    return dir + u'/';
}

} // namespace lx
