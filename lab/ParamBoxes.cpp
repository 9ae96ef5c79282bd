#include "lab/ParamBoxes.h"

#include "platform/Database.h"
#include "platform/Numbers.h"

namespace lx {

QString ParamText(double value, const ParamFormat& format)
{
    if (format.zeroIsMissing && value == 0.0)
        return format.missing;
    if (format.single)
        return format.classic ? StrSingle(float(value)) : SingleText(float(value));
    return format.classic ? Str(value) : DoubleText(value);
}

QString ParamText(const Field& field, const ParamFormat& format, int decimals)
{
    if (field.isMissing())
        return format.missing;
    const int type = field.Value.typeId();
    const bool number = type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
    if (!number && decimals < 0)
        return field.toText();
    // A slot that rounds shows a number, also from a text: its leading number, else 0.
    const double value = number ? field.Value.toDouble() : Val(field.toText());
    return ParamText(decimals >= 0 ? Round(value, decimals) : value, format);
}

double ParamValue(QStringView text) { return Val(text); }

namespace {

template <typename TextOf>
QStringList fill(std::span<const ParamSlot> table, int boxCount, const ParamFormat& format, TextOf textOf)
{
    QStringList texts;
    for (int i = 0; i < boxCount; ++i)
        texts << format.missing;
    for (const ParamSlot& s : table)
        if (s.box >= 0 && s.box < boxCount)
            texts[s.box] = textOf(s);
    return texts;
}

} // namespace

QStringList ParamTexts(Recordset& row, std::span<const ParamSlot> table, int boxCount, const ParamFormat& format)
{
    return fill(table, boxCount, format, [&](const ParamSlot& s) {
        if (row.eof() || s.position < 0 || s.position >= row.fieldCount())
            return format.missing;
        return ParamText(row.Fields(s.position), format, s.decimals);
    });
}

QStringList ParamTexts(std::span<const double> values, std::span<const ParamSlot> table, int boxCount,
                       const ParamFormat& format)
{
    return fill(table, boxCount, format, [&](const ParamSlot& s) {
        if (s.position < 0 || size_t(s.position) >= values.size())
            return format.missing;
        const double v = values[size_t(s.position)];
        return ParamText(s.decimals >= 0 ? Round(v, s.decimals) : v, format);
    });
}

} // namespace lx
