#include "FrameAssets.h"

#include "platform/Paths.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>

namespace lx {

QString VersionText()
{
    return QStringLiteral("Version %1.%2.%3").arg(LOAMIX_VERSION_MAJOR).arg(LOAMIX_VERSION_MINOR).arg(LOAMIX_VERSION_PATCH);
}

QIcon LoamixIcon()
{
    const QString file = lx::installPath(QStringLiteral("\\pictures\\icons\\Loamix.ico"));
    return QFileInfo(file).isFile() ? QIcon(file) : QIcon();
}

void setLoamixIcon(QWidget* window)
{
    const QIcon icon = LoamixIcon();
    if (!icon.availableSizes().isEmpty())
        window->setWindowIcon(icon);
}

QPixmap InstallPicture(const QString& relative) { return QPixmap(lx::installPath(relative)); }

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
    QImage image(path);
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
