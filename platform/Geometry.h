#pragma once
// Window geometry is given in twips, at a fixed 15 twips per pixel.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace lx {

inline constexpr double TwipsPerPixel = 15.0;

// Twips to pixels, rounded to the nearest pixel.
inline int tw(double twips) { return int(std::lround(twips / TwipsPerPixel)); }
inline double toTwips(int pixels) { return pixels * TwipsPerPixel; }
inline QRect twRect(double left, double top, double width, double height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

// Window sizes are outer sizes of the original, whose caption and borders took 405 twips
// of height and 120 of width; this is the client area Qt needs for them.
inline QSize clientSizeForOuter(double outerWidthTw, double outerHeightTw)
{
    return QSize(tw(outerWidthTw - 120), tw(outerHeightTw - 405));
}
inline double outerHeightTw(int clientHeightPx) { return toTwips(clientHeightPx) + 405; }
inline double outerWidthTw(int clientWidthPx) { return toTwips(clientWidthPx) + 120; }

// Where a top-level window of the given size goes to be whole in a screen's free area with
// the desktop's frame around it (frame: what the frame adds to width and height, the caption
// on top): as large as asked where there is room, smaller where not, centred. The result is
// the frame's top-left corner and the window's own size.
inline QRect placeWhole(const QRect& free, QSize size, QSize frame)
{
    size = size.boundedTo(free.size() - frame).expandedTo(QSize(0, 0));
    const QSize outer = size + frame;
    return QRect(QPoint(free.left() + (free.width() - outer.width()) / 2, free.top() + (free.height() - outer.height()) / 2), size);
}

} // namespace lx
