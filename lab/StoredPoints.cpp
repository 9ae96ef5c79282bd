#include "StoredPoints.h"

#include "platform/Database.h"
#include "platform/Numbers.h"

#include <cmath>
#include <stdexcept>
#include <type_traits>

namespace lx {

double ColumnRule::apply(double source) const
{
    switch (order) {
    case Order::RoundThenMultiply:
        return (decimals == NoRounding ? source : Round(source, decimals)) * factor;
    case Order::MultiplyThenRound:
        return decimals == NoRounding ? source * factor : Round(source * factor, decimals);
    case Order::MultiplyOnly:
        break;
    }
    return source * factor;
}

template <typename T>
BasicStoredCurve<T>::BasicStoredCurve(ColumnMap map, int cap) : rules(std::move(map)), limit(cap < 0 ? Unlimited : cap)
{
    for (size_t c = 0; c < rules.size(); ++c)
        if (rules[c].source == ColumnRule::Source::Log10 && (rules[c].position < 0 || size_t(rules[c].position) >= c))
            throw std::invalid_argument("a logarithm column must follow the column it is taken of");
    data.resize(rules.size());
}

template <typename T>
int BasicStoredCurve<T>::append(Recordset& rs)
{
    starts.push_back(count);
    const int before = count;
    std::vector<double> values(rules.size());
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        if (full()) {
            cut = true;
            break;
        }
        bool missing = false;
        for (size_t c = 0; c < rules.size() && !missing; ++c) {
            const ColumnRule& rule = rules[c];
            if (rule.source == ColumnRule::Source::Field) {
                const Field& f = rs.Fields(rule.position);
                missing = f.isMissing();
                if (!missing)
                    values[c] = T(rule.apply(f.toDouble()));
            } else {
                // The logarithm of the value as this curve stores it, as the screens take it.
                const double base = values[size_t(rule.position)];
                missing = !(base > 0.0);
                if (!missing)
                    values[c] = T(rule.apply(std::log(base) / std::log(10.0)));
            }
        }
        if (missing)
            ++skipped;
        else
            push(values);
    }
    return count - before;
}

template <typename T>
bool BasicStoredCurve<T>::addPoint(std::span<const double> values)
{
    if (full()) {
        cut = true;
        return false;
    }
    if (starts.empty())
        starts.push_back(0);
    std::vector<double> row(rules.size(), 0.0);
    for (size_t c = 0; c < row.size() && c < values.size(); ++c)
        row[c] = T(values[c]);
    push(row);
    return true;
}

template <typename T>
void BasicStoredCurve<T>::push(const std::vector<double>& values)
{
    for (size_t c = 0; c < data.size(); ++c)
        data[c].push_back(T(values[c]));
    ++count;
}

template <typename T>
void BasicStoredCurve<T>::clear()
{
    for (auto& column : data)
        column.clear();
    starts.clear();
    count = 0;
    skipped = 0;
    cut = false;
}

template <typename T>
std::vector<T> BasicStoredCurve<T>::row(int point, int n) const
{
    const size_t width = n < 0 ? data.size() : std::min(size_t(n), data.size());
    std::vector<T> values(width);
    for (size_t c = 0; c < width; ++c)
        values[c] = data[c][size_t(point)];
    return values;
}

template <typename T>
QStringList BasicStoredCurve<T>::rowTexts(int point, int n) const
{
    QStringList texts;
    for (T v : row(point, n)) {
        if constexpr (std::is_same_v<T, float>)
            texts << SingleText(v);
        else
            texts << DoubleText(v);
    }
    return texts;
}

template <typename T>
int BasicStoredCurve<T>::testPoints(int t) const
{
    const int end = size_t(t) + 1 < starts.size() ? starts[size_t(t) + 1] : count;
    return end - starts[size_t(t)];
}

template class BasicStoredCurve<float>;
template class BasicStoredCurve<double>;

} // namespace lx
