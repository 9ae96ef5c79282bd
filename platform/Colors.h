#pragma once
#include <QColor>
#include <cstdint>

namespace lx {

// The classic 16-colour palette: 0 black, 1 blue, ..., 8 grey, 9 light blue, ..., 15 white.
QColor QBColor(int index);

// A colour literal of the form &H00BBGGRR (blue, green, red from high to low byte).
inline QColor BgrColor(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// The inverse, for tests and for code that stores a colour as a number.
inline uint32_t toBgr(const QColor& c)
{
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

} // namespace lx
