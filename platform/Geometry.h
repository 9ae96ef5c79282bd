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

} // namespace lx
