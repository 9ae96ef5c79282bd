#pragma once
// Helpers shared by the consolidation, direct shear, true triaxial and quiz generators.
#include "Generator.h"

#include <QString>
#include <QStringList>

#include <cmath>

namespace gendata::other {

// The value rounded to a number of decimals, as the measuring system would have logged it.
inline double rounded(double v, int decimals)
{
    const double f = std::pow(10.0, decimals);
    const double r = std::round(v * f) / f;
    return r == 0.0 ? 0.0 : r;   // no "-0" in the sources
}

inline QString num(double v, int decimals) { return CsvWriter::num(rounded(v, decimals)); }
inline QString num(double v) { return CsvWriter::num(v); }
inline QString txt(const QString& t) { return CsvWriter::text(t); }

inline double deg(double radians) { return radians * 180.0 / M_PI; }
inline double rad(double degrees) { return degrees * M_PI / 180.0; }

// The date written into every Reference row of a generated test.
inline QString generatedDate() { return QStringLiteral("2026"); }

} // namespace gendata::other
