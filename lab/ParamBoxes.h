#pragma once
// Parameter boxes: the texts a set-up form, a summary or a report's parameter table shows
// for the values of one stored test. A missing value shows "N/A" (and, where the caller
// says so, a zero too); "N/A" reads back as 0. A table of positions maps a stored row (or
// an array of values) to the boxes.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>

namespace lx {

class Field;
class Recordset;

// The text of a box that has no value.
inline const QString NotAvailable = QStringLiteral("N/A");

struct ParamFormat {
    // Classic: a leading blank, no zero before the point (" .85", Str); else the plain
    // shortest text ("0.85").
    bool classic = false;
    // Single precision (7 significant digits) instead of double (15).
    bool single = false;
    // A stored zero counts as missing.
    bool zeroIsMissing = false;
    // What a box without a value shows ("N/A"; a report row may stay empty).
    QString missing = NotAvailable;
};

// The text of a number in the format (a zero is missing when the format says so).
QString ParamText(double value, const ParamFormat& format = {});
// The text of a stored field: missing (null or the text "Null") gives the missing text, a
// number its number text, any other text itself. decimals >= 0 rounds a number first (halves
// to even); a text then stands for its leading number (0 when it begins with none).
QString ParamText(const Field& field, const ParamFormat& format = {}, int decimals = -1);
// The value a box's text stands for: Val, so "N/A" and "" give 0.
double ParamValue(QStringView text);

// Box `box` shows the value at `position` (a field of the row, or an index of an array),
// rounded to `decimals` when that is 0 or more.
struct ParamSlot {
    int box;
    int position;
    int decimals = -1;
};

// boxCount texts, each the missing text unless a slot fills it from the current row.
QStringList ParamTexts(Recordset& row, std::span<const ParamSlot> table, int boxCount, const ParamFormat& format = {});
QStringList ParamTexts(std::span<const double> values, std::span<const ParamSlot> table, int boxCount,
                       const ParamFormat& format = {});

} // namespace lx
