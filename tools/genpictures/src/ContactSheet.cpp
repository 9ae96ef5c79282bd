// Contact sheets: every picture as written (read back from its file), and the
// animations' pictures stacked at their window positions, for a person to check.
#include "Composites.h"
#include "Draw.h"
#include "Registry.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>

#include <algorithm>

namespace genpictures {
namespace {

QImage checker(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < size.height(); y += 8)
        for (int x = 0; x < size.width(); x += 8)
            p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(200, 200, 200) : QColor(236, 236, 236));
    return img;
}

QString fileOf(const Picture& p, const QString& installRoot, const QString& formsRoot)
{
    return p.path.startsWith(u"forms/") ? formsRoot + u'/' + p.path.mid(6) : installRoot + u'/' + p.path;
}

} // namespace

QImage loadWritten(const Picture& p, const QString& installRoot, const QString& formsRoot, int index)
{
    QImageReader reader(fileOf(p, installRoot, formsRoot));
    if (index > 0) reader.jumpToImage(index);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QString writeContactSheets(const Pictures& all, const QString& installRoot, const QString& formsRoot, const QString& dir)
{
    QDir().mkpath(dir);
    QMap<QString, std::vector<const Picture*>> groups;
    for (const Picture& p : all) groups[QFileInfo(p.path).path()].push_back(&p);

    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const int sheetWidth = 1100;
        struct Cell {
            QImage img;
            QString caption;
            QPoint at;
        };
        std::vector<Cell> cells;
        int x = 10, y = 10, rowHeight = 0;
        for (const Picture* p : it.value()) {
            QList<QImage> imgs;
            if (p->format == Format::Ico) {
                for (int i = 0; i < 3; ++i) imgs.append(loadWritten(*p, installRoot, formsRoot, i));
            } else {
                imgs.append(loadWritten(*p, installRoot, formsRoot, 0));
            }
            for (QImage img : imgs) {
                if (img.isNull()) return QStringLiteral("cannot read back %1").arg(p->path);
                const QSize real = img.size();
                const int longest = std::max(img.width(), img.height());
                const int zoom = longest <= 50 ? 3 : longest <= 100 ? 2 : 1;
                if (zoom > 1) img = img.scaled(img.size() * zoom, Qt::KeepAspectRatio, Qt::FastTransformation);
                const QString caption = QStringLiteral("%1  %2x%3").arg(QFileInfo(p->path).fileName()).arg(real.width()).arg(real.height());
                const int w = std::max(img.width(), 190);
                if (x + w > sheetWidth - 10) {
                    x = 10;
                    y += rowHeight + 24;
                    rowHeight = 0;
                }
                cells.push_back({img, caption, QPoint(x, y)});
                x += w + 14;
                rowHeight = std::max(rowHeight, img.height());
            }
        }
        QImage sheet(sheetWidth, y + rowHeight + 34, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        draw::prepare(painter);
        painter.setFont(draw::font(11));
        for (const Cell& c : cells) {
            painter.drawImage(c.at, checker(c.img.size()));
            painter.drawImage(c.at, c.img);
            painter.setPen(Qt::black);
            painter.drawText(QRect(c.at.x(), c.at.y() + c.img.height() + 2, 400, 16), Qt::AlignLeft, c.caption);
        }
        painter.end();
        QString name = it.key();
        name.replace(u'/', u'_');
        if (!sheet.save(dir + QStringLiteral("/sheet_%1.png").arg(name))) return QStringLiteral("cannot write a sheet");
    }
    return writeComposites(all, installRoot, formsRoot, dir);
}

} // namespace genpictures
