#pragma once
// Every picture the generator draws: where it goes, its size and format, and how
// it is drawn.
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace genpictures {

enum class Format { Gif, Jpeg, Ico, Png };

struct Picture {
    QString path;       // "pictures/..." (installed) or "forms/..." (resource)
    QSize size;         // pixels; for an icon the largest entry
    Format format = Format::Png;
    std::function<QImage(QSize)> draw;  // an ARGB32 image of the size asked for
    bool transparent = false;           // GIF: pixels with alpha below one half become transparent
    QColor matte = Qt::white;           // GIF: what the picture is laid over on its window
    QString usedBy;                     // window and control, for the contact sheet
};

using Pictures = std::vector<Picture>;

void addIcons(Pictures& out);
void addTriaxial(Pictures& out);
void addConsolidation(Pictures& out);
void addDirectShear(Pictures& out);
void addTrueTriaxial(Pictures& out);
void addHollowCylinder(Pictures& out);

Pictures allPictures();
const Picture* findPicture(const Pictures& all, const QString& path);

// Writes one picture under its root; returns an error text, empty on success.
QString writePicture(const Picture& p, const QString& installRoot, const QString& formsRoot);

// The program's icon (the drawing of pictures/icons/Loamix.ico) as one PNG a size, where a
// desktop looks for it: dir/<size>x<size>/apps/<name>.png. Returns an error text, empty on success.
QString writeDesktopIcons(const Pictures& all, const QString& dir, const QString& name, const QList<int>& sizes);

// Sheets of every picture and of the assembled animations, for a person to look at.
QString writeContactSheets(const Pictures& all, const QString& installRoot, const QString& formsRoot,
                           const QString& dir);

} // namespace genpictures
