#include "StoredPoints.h"

#include "platform/Database.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
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
BasicStoredCurve<T>::BasicStoredCurve(ColumnMap map, int cap, int testCap)
    : rules(std::move(map)), limit(cap < 0 ? Unlimited : cap), testLimit(testCap < 0 ? Unlimited : testCap)
{
    for (size_t c = 0; c < rules.size(); ++c) {
        const ColumnRule& r = rules[c];
        if (r.source == ColumnRule::Source::Log10 && (r.position < 0 || size_t(r.position) >= c))
            throw std::invalid_argument("a logarithm column must follow the column it is taken of");
        if (r.source == ColumnRule::Source::Computed && !r.formula)
            throw std::invalid_argument("a computed column needs a formula");
    }
    data.resize(rules.size());
}

template <typename T>
int BasicStoredCurve<T>::room() const
{
    int r = limit == Unlimited ? std::numeric_limits<int>::max() : std::max(0, limit - count);
    if (testLimit != Unlimited)
        r = std::min(r, testLimit);
    return r;
}

template <typename T>
bool BasicStoredCurve<T>::readRow(Recordset& rs, std::vector<double>& values) const
{
    for (size_t c = 0; c < rules.size(); ++c) {
        const ColumnRule& rule = rules[c];
        switch (rule.source) {
        case ColumnRule::Source::Field: {
            const Field& f = rs.Fields(rule.position);
            if (f.isMissing())
                return false;
            values[c] = T(rule.apply(f.toDouble()));
            break;
        }
        case ColumnRule::Source::Log10: {
            // The logarithm of the value as this curve stores it, as the screens take it.
            const double base = values[size_t(rule.position)];
            if (!(base > 0.0))
                return false;
            values[c] = T(rule.apply(std::log(base) / std::log(10.0)));
            break;
        }
        case ColumnRule::Source::Computed: {
            std::array<double, ColumnRule::MaxInputs> in{};
            for (int k = 0; k < rule.inputCount; ++k) {
                const Field& f = rs.Fields(rule.inputs[size_t(k)]);
                if (f.isMissing())
                    return false;
                in[size_t(k)] = f.toDouble();
            }
            values[c] = T(rule.apply(rule.formula(std::span<const double>(in.data(), size_t(rule.inputCount)))));
            break;
        }
        }
    }
    return true;
}

namespace {

// The position of the point number among the fields the query reads, if it reads it.
int pointNumberFieldOf(const Recordset& rs)
{
    const QStringList names = rs.fieldNames();
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(QStringLiteral("Point Number"), Qt::CaseInsensitive) == 0)
            return i;
    return StoredCurve::NoPointNumber;
}

} // namespace

template <typename T>
int BasicStoredCurve<T>::append(Recordset& rs, TestFit fit, int pointNumberField)
{
    if (pointNumberField == FindPointNumber)
        pointNumberField = pointNumberFieldOf(rs);
    // The test is read into its own rows first, so that an error or a refusal adds nothing.
    Appended a;
    const int fits = room();
    std::vector<std::vector<double>> taken;
    std::vector<double> values(rules.size());
    std::set<double> numbers;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        if (!readRow(rs, values)) {
            ++a.skipped;
            continue;
        }
        // Finite at single precision, the precision the curves are drawn at, whatever the
        // curve holds: 1e308 in a double curve is no point either.
        const auto single = [](double v) { return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max(); };
        if (!std::all_of(values.begin(), values.end(), single)) {
            ++a.notFinite;
            continue;
        }
        if (pointNumberField != NoPointNumber) {
            const Field& number = rs.Fields(pointNumberField);
            if (!number.isMissing() && !numbers.insert(number.toDouble()).second) {
                ++a.repeated;
                continue;
            }
        }
        if (int(taken.size()) >= fits) {
            a.cut = true;
            if (fit == TestFit::Cut)
                break;
            continue;
        }
        taken.push_back(values);
    }
    skipped += a.skipped;
    cut = cut || a.cut;
    if (a.cut && fit == TestFit::WholeOnly) {
        a.refused = true;
        last = a;
        return 0;
    }
    if (taken.empty() && fit == TestFit::WholeOnly) {
        last = a;
        return 0;
    }
    starts.push_back(count);
    for (const auto& row : taken)
        push(row);
    a.points = int(taken.size());
    last = a;
    return a.points;
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
    last = {};
    count = 0;
    skipped = 0;
    cut = false;
}

template <typename T>
std::span<const T> BasicStoredCurve<T>::column(int c, int test) const
{
    const std::span<const T> all = data[size_t(c)];
    if (test == AllTests)
        return all;
    return all.subspan(size_t(testStart(test)), size_t(testPoints(test)));
}

template <typename T>
std::vector<float> BasicStoredCurve<T>::singles(int c, int test) const
{
    const std::span<const T> values = column(c, test);
    return std::vector<float>(values.begin(), values.end());
}

template <typename T>
int BasicStoredCurve<T>::peakRow(int c, int test) const
{
    const std::span<const T> values = column(c, test);
    int best = -1;
    float peak = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        const float v = float(values[i]);
        if (std::isnan(v))
            continue;
        if (best < 0 || v > peak) {
            best = int(i);
            peak = v;
        }
    }
    if (best < 0)
        return -1;
    return best + (test == AllTests ? 0 : testStart(test));
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
