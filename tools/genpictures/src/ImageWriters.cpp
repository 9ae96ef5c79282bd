#include "ImageWriters.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <unordered_map>

namespace genpictures {
namespace {

struct ColourCount {
    QRgb rgb;
    long count;
};

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

struct Box {
    std::vector<ColourCount> colours;
    long weight() const
    {
        long w = 0;
        for (const auto& c : colours) w += c.count;
        return w;
    }
    std::pair<int, int> longestAxis() const
    {
        int best = 0, bestRange = -1;
        for (int axis = 0; axis < 3; ++axis) {
            int lo = 255, hi = 0;
            for (const auto& c : colours) {
                lo = std::min(lo, channel(c.rgb, axis));
                hi = std::max(hi, channel(c.rgb, axis));
            }
            if (hi - lo > bestRange) { bestRange = hi - lo; best = axis; }
        }
        return {best, bestRange};
    }
    QRgb average() const
    {
        double r = 0, g = 0, b = 0, w = 0;
        for (const auto& c : colours) {
            r += qRed(c.rgb) * double(c.count);
            g += qGreen(c.rgb) * double(c.count);
            b += qBlue(c.rgb) * double(c.count);
            w += double(c.count);
        }
        return qRgb(int(r / w + 0.5), int(g / w + 0.5), int(b / w + 0.5));
    }
};

QVector<QRgb> medianCut(std::vector<ColourCount> colours, int wanted)
{
    std::vector<Box> boxes(1);
    boxes[0].colours = std::move(colours);
    while (int(boxes.size()) < wanted) {
        // Split the box whose spread weighs most; single colours cannot split.
        int pick = -1;
        double pickScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].colours.size() < 2) continue;
            const auto [axis, range] = boxes[i].longestAxis();
            (void)axis;
            const double score = double(range) * std::sqrt(double(boxes[i].weight()));
            if (score > pickScore) { pickScore = score; pick = i; }
        }
        if (pick < 0) break;
        Box& box = boxes[pick];
        const int axis = box.longestAxis().first;
        std::sort(box.colours.begin(), box.colours.end(), [axis](const ColourCount& a, const ColourCount& b) {
            return channel(a.rgb, axis) < channel(b.rgb, axis);
        });
        const long half = box.weight() / 2;
        long running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.colours.size(); ++i) {
            running += box.colours[i].count;
            cut = i + 1;
            if (running >= half) break;
        }
        Box upper;
        upper.colours.assign(box.colours.begin() + long(cut), box.colours.end());
        box.colours.resize(cut);
        boxes.push_back(std::move(upper));
    }
    QVector<QRgb> palette;
    for (const auto& b : boxes) palette.append(b.average());
    return palette;
}

int nearest(const QVector<QRgb>& palette, QRgb c, int skip)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < palette.size(); ++i) {
        if (i == skip) continue;
        const long dr = qRed(c) - qRed(palette[i]);
        const long dg = qGreen(c) - qGreen(palette[i]);
        const long db = qBlue(c) - qBlue(palette[i]);
        // Weighted towards green, as the eye is.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) { bestDistance = d; best = i; }
    }
    return best;
}

QRgb overMatte(QRgb px, const QColor& matte)
{
    const int a = qAlpha(px);
    if (a == 255) return px | 0xff000000u;
    // Premultiplied-free blend of the straight colour over the matte.
    auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(px), matte.red()), mix(qGreen(px), matte.green()), mix(qBlue(px), matte.blue()));
}

} // namespace

IndexedImage quantise(const QImage& source, const QColor& matte, bool transparent, int maxColours)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    std::vector<QRgb> flat(size_t(out.width) * size_t(out.height));
    std::unordered_map<QRgb, long> counts;
    bool anyTransparent = false;
    for (int y = 0; y < out.height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            QRgb px = line[x];
            if (transparent && qAlpha(px) < 128) {
                px = 0;  // marker: transparent
                anyTransparent = true;
            } else {
                px = overMatte(px, matte) | 0xff000000u;
                ++counts[px];
            }
            flat[size_t(y) * size_t(out.width) + size_t(x)] = px;
        }
    }
    const bool needSlot = transparent;
    const int room = maxColours - (needSlot ? 1 : 0);
    std::vector<ColourCount> colours;
    colours.reserve(counts.size());
    for (const auto& [rgb, n] : counts) colours.push_back({rgb, n});
    std::sort(colours.begin(), colours.end(), [](const ColourCount& a, const ColourCount& b) { return a.rgb < b.rgb; });

    QVector<QRgb> palette;
    std::unordered_map<QRgb, int> index;
    if (int(colours.size()) <= room) {
        for (const auto& c : colours) {
            index[c.rgb] = int(palette.size());
            palette.append(c.rgb);
        }
    } else {
        palette = medianCut(colours, room);
        for (const auto& c : colours) index[c.rgb] = nearest(palette, c.rgb, -1);
    }
    if (palette.isEmpty()) palette.append(matte.rgb() | 0xff000000u);
    if (needSlot) {
        out.transparentIndex = int(palette.size());
        palette.append(matte.rgb() | 0xff000000u);  // shown by readers that ignore transparency
    }
    (void)anyTransparent;
    out.palette = palette;
    out.pixels.resize(int(flat.size()));
    for (size_t i = 0; i < flat.size(); ++i)
        out.pixels[int(i)] = static_cast<unsigned char>(flat[i] == 0 ? out.transparentIndex : index[flat[i]]);
    return out;
}

QString writeGif(const QString& path, const QImage& image, const QColor& matte, bool transparent)
{
    const IndexedImage indexed = quantise(image, matte, transparent);
    int bits = 1;
    while ((1 << bits) < indexed.palette.size()) ++bits;
    const int mapSize = 1 << bits;
    std::vector<GifColorType> entries(size_t(mapSize), GifColorType{0, 0, 0});
    for (int i = 0; i < indexed.palette.size(); ++i)
        entries[size_t(i)] = GifColorType{GifByteType(qRed(indexed.palette[i])), GifByteType(qGreen(indexed.palette[i])),
                                          GifByteType(qBlue(indexed.palette[i]))};
    ColorMapObject* map = GifMakeMapObject(mapSize, entries.data());
    if (!map) return QStringLiteral("cannot make a colour map");

    int error = 0;
    const QByteArray file = QFile::encodeName(path);
    GifFileType* gif = EGifOpenFileName(file.constData(), false, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return QStringLiteral("cannot create %1: %2").arg(path, QString::fromUtf8(GifErrorString(error)));
    }
    EGifSetGifVersion(gif, true);
    auto fail = [&](const char* what) {
        const QString text = QStringLiteral("%1 failed for %2: %3").arg(QString::fromUtf8(what), path,
                                                                       QString::fromUtf8(GifErrorString(gif->Error)));
        EGifCloseFile(gif, &error);
        GifFreeMapObject(map);
        return text;
    };
    if (EGifPutScreenDesc(gif, indexed.width, indexed.height, bits, 0, map) == GIF_ERROR) return fail("screen");
    if (indexed.transparentIndex >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = indexed.transparentIndex;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_ERROR) return fail("extension");
    }
    if (EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_ERROR) return fail("image");
    std::vector<GifPixelType> line(size_t(indexed.width));
    for (int y = 0; y < indexed.height; ++y) {
        for (int x = 0; x < indexed.width; ++x) line[size_t(x)] = indexed.pixels[y * indexed.width + x];
        if (EGifPutLine(gif, line.data(), indexed.width) == GIF_ERROR) return fail("line");
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
        return QStringLiteral("cannot finish %1: %2").arg(path, QString::fromUtf8(GifErrorString(error)));
    return {};
}

QString writeIco(const QString& path, const QList<QImage>& images)
{
    auto put16 = [](QByteArray& b, int v) {
        b.append(char(v & 0xff));
        b.append(char((v >> 8) & 0xff));
    };
    auto put32 = [](QByteArray& b, quint32 v) {
        for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
    };
    QList<QByteArray> bodies;
    for (const QImage& source : images) {
        const QImage img = source.convertToFormat(QImage::Format_ARGB32);
        const int w = img.width(), h = img.height();
        QByteArray body;
        put32(body, 40);                 // BITMAPINFOHEADER
        put32(body, quint32(w));
        put32(body, quint32(2 * h));     // colour rows plus mask rows
        put16(body, 1);
        put16(body, 32);
        put32(body, 0);                  // BI_RGB
        const int maskStride = ((w + 31) / 32) * 4;
        put32(body, quint32(w * h * 4 + maskStride * h));
        put32(body, 0);
        put32(body, 0);
        put32(body, 0);
        put32(body, 0);
        for (int y = h - 1; y >= 0; --y) {  // bottom-up
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                body.append(char(qBlue(line[x])));
                body.append(char(qGreen(line[x])));
                body.append(char(qRed(line[x])));
                body.append(char(qAlpha(line[x])));
            }
        }
        for (int y = h - 1; y >= 0; --y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            QByteArray row(maskStride, '\0');
            for (int x = 0; x < w; ++x)
                if (qAlpha(line[x]) < 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            body.append(row);
        }
        bodies.append(body);
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, int(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width(), h = images[i].height();
        out.append(char(w >= 256 ? 0 : w));
        out.append(char(h >= 256 ? 0 : h));
        out.append(char(0));  // no palette
        out.append(char(0));
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(bodies[i].size()));
        put32(out, offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray& b : bodies) out.append(b);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return QStringLiteral("cannot create %1").arg(path);
    f.write(out);
    if (!f.commit()) return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace genpictures
