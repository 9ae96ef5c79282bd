#include "FrameAssets.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QImage>
#include <QImageReader>
#include <QLabel>

namespace lx {

QString VersionText()
{
    return QStringLiteral("Version %1.%2.%3").arg(LOAMIX_VERSION_MAJOR).arg(LOAMIX_VERSION_MINOR).arg(LOAMIX_VERSION_PATCH);
}

QIcon LoamixIcon()
{
    // Read once for the application, whose windows all carry it (each reading decodes every
    // size the file holds); the copy goes with the application object.
    struct Cache final : QObject {
        QString file;
        QIcon icon;
    };
    static QPointer<Cache> cache;
    const QString file = lx::installPath(QStringLiteral("\\pictures\\icons\\Loamix.ico"));
    if (cache && cache->file == file)
        return cache->icon;
    const QIcon icon = QFileInfo(file).isFile() ? QIcon(file) : QIcon();
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (!cache)
            cache = new Cache;
        cache->setParent(app);
        cache->file = file;
        cache->icon = icon;
    }
    return icon;
}

void setLoamixIcon(QWidget* window)
{
    const QIcon icon = LoamixIcon();
    if (!icon.availableSizes().isEmpty())
        window->setWindowIcon(icon);
}

QImage ReadPicture(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull() && QFileInfo::exists(path))
        image = QImage(path);
    return image;
}

QPixmap InstallPicture(const QString& relative) { return QPixmap::fromImage(ReadPicture(lx::installPath(relative))); }

QPixmap FitPicture(const QPixmap& picture, QSize room)
{
    if (picture.isNull() || (picture.width() <= room.width() && picture.height() <= room.height()))
        return picture;
    return picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void showLogo(QLabel* box)
{
    box->setPixmap(FitPicture(InstallPicture(QStringLiteral("\\pictures\\icons\\LXicon.gif")), box->size()));
}

QPixmap MaskedResourcePicture(const QString& path)
{
    QImage image = ReadPicture(path);
    if (image.isNull())
        return {};
    if (!image.hasAlphaChannel()) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb mask = qRgb(192, 192, 192);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (mask & 0xFFFFFF))
                    line[x] = 0;
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace lx
