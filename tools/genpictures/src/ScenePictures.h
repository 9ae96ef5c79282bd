#pragma once
// Pictures cut from a scene drawn in twips: the rectangle a control covers on its window,
// its size in pixels, and the GIF, PNG or JPEG entry that draws it.
#include "Draw.h"
#include "lab/PictureLayout.h"
#include "Registry.h"

#include <cmath>
#include <functional>
#include <utility>

namespace genpictures {

inline draw::TwipRectF tr(const lx::pictures::TwipRect& r)
{
    return {double(r.left), double(r.top), double(r.width), double(r.height)};
}

inline QSize px(const lx::pictures::TwipRect& r)
{
    return QSize(int(std::lround(r.width / 15.0)), int(std::lround(r.height / 15.0)));
}

inline lx::pictures::TwipRect withTop(lx::pictures::TwipRect r, int top)
{
    r.top = top;
    return r;
}

inline lx::pictures::TwipRect withLeft(lx::pictures::TwipRect r, int left)
{
    r.left = left;
    return r;
}

// A transparent GIF laid over a window of the given colour.
inline Picture gif(const QString& path, const lx::pictures::TwipRect& r, std::function<void(QPainter&)> fn,
                   const QString& usedBy, QColor matte = draw::colour::formYellow)
{
    Picture p;
    p.path = path;
    p.size = px(r);
    p.format = Format::Gif;
    p.draw = [r, fn](QSize s) { return draw::scenePart(tr(r), s, fn); };
    p.transparent = true;
    p.matte = matte;
    p.usedBy = usedBy;
    return p;
}

inline Picture png(const QString& path, const lx::pictures::TwipRect& r, std::function<void(QPainter&)> fn,
                   const QString& usedBy)
{
    Picture p = gif(path, r, std::move(fn), usedBy);
    p.format = Format::Png;
    p.transparent = false;
    return p;
}

// A picture of the given pixel size drawn whole (not cut from a scene).
inline Picture drawn(Format format, const QString& path, QSize size, std::function<QImage(QSize)> fn,
                     const QString& usedBy, QColor matte = draw::colour::paper)
{
    Picture p;
    p.path = path;
    p.size = size;
    p.format = format;
    p.draw = std::move(fn);
    p.matte = matte;
    p.usedBy = usedBy;
    return p;
}

// A JPEG, laid over its background (a JPEG has no transparency).
inline Picture jpg(const QString& path, QSize size, std::function<QImage(QSize)> fn, const QString& usedBy,
                   QColor background = draw::colour::paper)
{
    return drawn(Format::Jpeg, path, size, std::move(fn), usedBy, background);
}

} // namespace genpictures
