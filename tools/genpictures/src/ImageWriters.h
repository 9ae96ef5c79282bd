#pragma once
// Writers for the formats Qt cannot write itself: GIF (through giflib) and a
// multi-size Windows icon.
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

namespace genpictures {

// Reduces an image to at most maxColours colours by median cut over its opaque
// pixels (exact when it has few enough). Pixels with alpha below one half become
// index 'transparentIndex' when that is >= 0; the others are first laid over
// 'matte', so anti-aliased edges blend into the colour the picture is drawn on.
struct IndexedImage {
    int width = 0, height = 0;
    QVector<QRgb> palette;          // opaque colours; may include the transparent slot
    QVector<unsigned char> pixels;  // row by row
    int transparentIndex = -1;
};
IndexedImage quantise(const QImage& image, const QColor& matte, bool transparent, int maxColours = 256);

// Writes a GIF89a with one frame; returns an error text, empty on success.
QString writeGif(const QString& path, const QImage& image, const QColor& matte, bool transparent);

// Writes a Windows icon holding one 32-bit entry (with its AND mask) per image.
QString writeIco(const QString& path, const QList<QImage>& images);

} // namespace genpictures
