#pragma once
// Number conversions used wherever a number becomes text or text becomes a number.
// The decimal separator is always '.', whatever the locale: every text the program
// writes is read back with Val, which knows only '.'.
#include <QString>
#include <QStringView>
#include <cstdint>

namespace lx {

// Reads the longest leading number of a text: blanks are skipped, the number stops at the
// first character that cannot continue it. "" and "N/A" give 0. "&H1F" and "&O17" are read
// as hexadecimal and octal as the classic conversion does.
double Val(QStringView text);

// Classic number text: a leading blank for values >= 0, '-' otherwise, no zero before the
// decimal point, up to 15 significant digits (7 for StrSingle), "1E+20" style exponents.
QString Str(double value);
QString StrSingle(float value);

// Shortest general decimal text, with a zero before the point: at most 7 significant
// digits for a single, 15 for a double ("0.1", "1.2", "-3.333333", "1E-05").
QString SingleText(float value);
QString DoubleText(double value);

// Rounds to n decimals, halves to the even neighbour.
double Round(double value, int decimals = 0);

// Conversions to 16- and 32-bit integers, halves to even; out of range throws std::overflow_error.
int16_t CInt(double value);
int32_t CLng(double value);

} // namespace lx
