#include "Registry.h"

#include "ImageWriters.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace genpictures {

Pictures allPictures()
{
    Pictures all;
    addIcons(all);
    addTriaxial(all);
    addConsolidation(all);
    addDirectShear(all);
    addTrueTriaxial(all);
    addHollowCylinder(all);
    return all;
}

const Picture* findPicture(const Pictures& all, const QString& path)
{
    for (const Picture& p : all)
        if (p.path == path) return &p;
    return nullptr;
}

QString writePicture(const Picture& p, const QString& installRoot, const QString& formsRoot)
{
    QString target;
    if (p.path.startsWith(u"pictures/"))
        target = installRoot + u'/' + p.path;
    else if (p.path.startsWith(u"forms/"))
        target = formsRoot + u'/' + p.path.mid(6);
    else
        return QStringLiteral("%1: neither an installed nor a form picture").arg(p.path);
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) return QStringLiteral("cannot make the folder of %1").arg(target);

    switch (p.format) {
    case Format::Ico: {
        QList<QImage> sizes;
        for (int s : {16, 32, 48}) sizes.append(p.draw(QSize(s, s)));
        return writeIco(target, sizes);
    }
    case Format::Gif:
        return writeGif(target, p.draw(p.size), p.matte, p.transparent);
    case Format::Jpeg: {
        // A JPEG has no transparency: lay the drawing over its background first.
        QImage flat(p.size, QImage::Format_RGB32);
        flat.fill(p.matte);
        const QImage drawn = p.draw(p.size);
        {
            QPainter painter(&flat);
            painter.drawImage(0, 0, drawn);
        }
        return flat.save(target, "JPEG", 92) ? QString() : QStringLiteral("cannot write %1").arg(target);
    }
    case Format::Png:
        return p.draw(p.size).save(target, "PNG") ? QString() : QStringLiteral("cannot write %1").arg(target);
    }
    return QStringLiteral("unknown format");
}

QString writeDesktopIcons(const Pictures& all, const QString& dir, const QString& name, const QList<int>& sizes)
{
    const Picture* icon = findPicture(all, QStringLiteral("pictures/icons/Loamix.ico"));
    if (!icon) return QStringLiteral("the program's icon is not drawn");
    for (int s : sizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(s);
        if (!QDir().mkpath(folder)) return QStringLiteral("cannot make the folder %1").arg(folder);
        const QString target = folder + u'/' + name + QStringLiteral(".png");
        if (!icon->draw(QSize(s, s)).save(target, "PNG")) return QStringLiteral("cannot write %1").arg(target);
    }
    return {};
}

} // namespace genpictures
