#pragma once
// The stored points of a test, as the data-acquisition screens and the reports hold them: a
// curve of columns read from a recordset through a column map.
//
// Each column of the map says where its value comes from (a field of the row by position,
// or the base-10 logarithm of an earlier column) and how it is turned into the curve's
// unit: rounded to n decimals (halves to even, on the double-precision value) and/or
// multiplied by a factor, in the order the builder calls are written:
//
//   ColumnRule::field(3).rounded(3).times(100)   // the screens: 0.01234 -> 0.012 -> 1.2f
//   ColumnRule::field(3).times(100).rounded(3)   // the report controls: 0.0123456 -> 1.235f
//   ColumnRule::field(3).times(100)              // the reports' database mode, unrounded
//   ColumnRule::log10Of(0).rounded(4)            // consolidation: log of column 0
//   ColumnRule::computed({6, 7, 8}, octahedral).rounded(1)   // one value of several fields
//
// The arithmetic is in double precision; the result is then stored at the curve's
// precision. A single is not the decimal it came from: 1.2f is 1.20000004768371582,
// 1.235f is 1.23500001430511475, so compare stored values with float literals (or their
// SingleText), never with doubles.
#include <QStringList>
#include <array>
#include <initializer_list>
#include <span>
#include <vector>

namespace lx {

class Recordset;

struct ColumnRule {
    enum class Source { Field, Log10, Computed };
    enum class Order { RoundThenMultiply, MultiplyThenRound, MultiplyOnly };
    static constexpr int NoRounding = -1;
    static constexpr int MaxInputs = 8;
    // A computed column's formula: the values of its fields, in the order they were named.
    using Formula = double (*)(std::span<const double> fields);

    Source source = Source::Field;
    // Field: the 0-based position of the field in the row. Log10: an earlier column of the curve.
    int position = 0;
    int decimals = NoRounding;
    double factor = 1.0;
    Order order = Order::MultiplyOnly;
    // Computed: the fields' positions and the formula taking their values.
    std::array<int, MaxInputs> inputs{};
    int inputCount = 0;
    Formula formula = nullptr;

    static constexpr ColumnRule field(int position)
    {
        ColumnRule r;
        r.position = position;
        return r;
    }
    // The logarithm of the stored (already converted) value of an earlier column; a value
    // of zero or less has no logarithm and counts as missing.
    static constexpr ColumnRule log10Of(int column)
    {
        ColumnRule r;
        r.source = Source::Log10;
        r.position = column;
        return r;
    }
    // A value computed in double precision from several fields of the row (at most
    // MaxInputs); a missing value in any of them skips the row, as for a field.
    static constexpr ColumnRule computed(std::initializer_list<int> positions, Formula f)
    {
        ColumnRule r;
        r.source = Source::Computed;
        r.formula = f;
        for (int p : positions)
            if (r.inputCount < MaxInputs)
                r.inputs[size_t(r.inputCount++)] = p;
        return r;
    }
    // Rounds to n decimals: after the factor when times() came first, else before it.
    constexpr ColumnRule rounded(int n) const
    {
        ColumnRule r = *this;
        r.decimals = n;
        r.order = factor != 1.0 ? Order::MultiplyThenRound : Order::RoundThenMultiply;
        return r;
    }
    // Multiplies by f: after the rounding when rounded() came first; without rounding otherwise.
    constexpr ColumnRule times(double f) const
    {
        ColumnRule r = *this;
        r.factor = f;
        r.order = decimals != NoRounding ? Order::RoundThenMultiply : Order::MultiplyOnly;
        return r;
    }

    // The column's value for a source value (a field, or the logarithm already taken).
    double apply(double source) const;
};

// One rule per curve column, in column order.
using ColumnMap = std::vector<ColumnRule>;

// The most points a data-acquisition screen replays, and a study report holds.
inline constexpr int ScreenCap = 301;

// How append() treats a test that does not fit under the caps.
enum class TestFit {
    Cut,        // takes the rows up to the cap (the screens: the first 301 points)
    WholeOnly,  // takes the test whole or not at all (a study must not cut a test mid-way)
};

// What the last append() did.
struct Appended {
    int points = 0;        // points added
    int skipped = 0;       // rows skipped for a missing value
    int repeated = 0;      // rows left out for repeating an earlier point's number
    int notFinite = 0;     // rows left out for a value the curve cannot hold as a finite number
    bool cut = false;      // a cap left rows of the test unread (Cut) or refused the test (WholeOnly)
    bool refused = false;  // WholeOnly: the test did not fit and nothing was added
};

// A curve of points in columns. Each append() reads one test and keeps where it starts, so
// that several tests can share one curve (a study report, the direct shear curve counts).
// With a cap the curve never holds more points than that (the screens' 301); a test cap
// limits each test the same way (a report's points per curve); without them it grows as
// far as the tests go.
template <typename T>
class BasicStoredCurve {
public:
    static constexpr int Unlimited = -1;
    static constexpr int AllTests = -1;

    // Throws std::invalid_argument when a logarithm names a column that is not earlier,
    // or a computed column has no formula.
    explicit BasicStoredCurve(ColumnMap map = {}, int cap = Unlimited, int testCap = Unlimited);

    // Reads the recordset's rows from its first through the map, as one more test, and
    // returns the number of points added. A row with a missing value (null or the text
    // "Null") in any field the map reads is skipped. Reading stops at the cap or the test
    // cap; truncated() then tells whether rows were left. With TestFit::WholeOnly a test
    // with more points than either cap leaves room for adds nothing and is no test of the
    // curve, nor is a test without points (a study reports only tests it can draw). A
    // field position beyond the row throws DatabaseError and adds nothing.
    // Every reader of stored points (screens, reports, studies) leaves out the same rows: one
    // with a value that is not finite at single precision, the precision the curves are drawn
    // at (an infinity, or 1e308, in a double curve too), and one whose point number repeats
    // that of a point already taken from this test. The point number is the field named
    // "Point Number" when the query reads it (FindPointNumber), or the field at the position
    // given; NoPointNumber reads none.
    int append(Recordset& rs, TestFit fit = TestFit::Cut, int pointNumberField = FindPointNumber);
    static constexpr int NoPointNumber = -1;
    static constexpr int FindPointNumber = -2;
    const Appended& lastAppend() const { return last; }
    // Adds a point whose values are already in the curve's units (a result file's row);
    // missing trailing values are 0. False, and nothing added, once the cap is reached.
    bool addPoint(std::span<const double> values);
    bool addPoint(std::initializer_list<double> values) { return addPoint(std::span<const double>(values.begin(), values.size())); }
    // Empties the curve (points, tests and counters); the map and the caps stay.
    void clear();

    const ColumnMap& map() const { return rules; }
    int cap() const { return limit; }
    int testCap() const { return testLimit; }
    int columns() const { return int(rules.size()); }
    int points() const { return count; }
    bool empty() const { return count == 0; }

    // point < points(), column < columns().
    T value(int point, int column) const { return data[size_t(column)][size_t(point)]; }
    T operator()(int point, int column) const { return value(point, column); }
    // The points of one column, contiguous (for MinValue, MaxValue and the charts); of
    // one test only when test is given.
    std::span<const T> column(int c, int test = AllTests) const;
    // The same column at single precision, as the charts and the peak searches take a
    // report's doubles.
    std::vector<float> singles(int c, int test = AllTests) const;
    // The first row (of the curve, or of one test) at the column's largest value, compared
    // at single precision: a tie goes to the earlier row. -1 when there are no points.
    int peakRow(int c, int test = AllTests) const;
    // The first n values of a point (all columns when n < 0): a list line, an export line.
    std::vector<T> row(int point, int n = -1) const;
    // The same values as the list and the export show them (SingleText of a single,
    // DoubleText of a double): a list line's sub-items.
    QStringList rowTexts(int point, int n = -1) const;

    // Tests in the order they were appended; test t holds points testStart(t) to
    // testStart(t) + testPoints(t) - 1.
    int tests() const { return int(starts.size()); }
    int testStart(int t) const { return starts[size_t(t)]; }
    int testPoints(int t) const;

    // Totals over every append since the curve was made or cleared.
    int skippedRows() const { return skipped; }
    bool truncated() const { return cut; }

private:
    ColumnMap rules;
    int limit;
    int testLimit;
    int count = 0;
    int skipped = 0;
    bool cut = false;
    Appended last;
    std::vector<std::vector<T>> data;
    std::vector<int> starts;

    int room() const;
    bool full() const { return limit != Unlimited && count >= limit; }
    // The values of the recordset's current row, false when one is missing.
    bool readRow(Recordset& rs, std::vector<double>& values) const;
    void push(const std::vector<double>& values);
};

// The screens hold single precision; the report controls' tables are double.
using StoredCurve = BasicStoredCurve<float>;
using DoubleStoredCurve = BasicStoredCurve<double>;

extern template class BasicStoredCurve<float>;
extern template class BasicStoredCurve<double>;

} // namespace lx
