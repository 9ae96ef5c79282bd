#pragma once
// The one-dimensional consolidation test without windows: the soil table and the boxes of
// the set-up form, which rows a replay lists, the weights on the hanger, the stepping
// through load increments, the time table of the settlement-time curves and the
// increment's export text.
#include "lab/SetupForm.h"
#include "lab/StoredPoints.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <vector>

namespace consolidation {

enum class Kind { None, IL, CRS };

// "IL", "CRS", or empty.
QString KindText(Kind kind);
// 1000 to 1999 incremental loading, 2000 and above constant rate of strain.
Kind KindOfReference(float referenceNumber);

// The soil list of a kind (empty for None), in list order.
const std::vector<lx::SoilEntry>& Soils(Kind kind);

// The set-up form's seven boxes: TestInfo 2, 3, 4 (two decimals), 5; Reference 4, 5, 6.
const lx::SoilParameterTable& ParameterTable();
// Their captions, by box index (also the report's parameter rows).
const QStringList& ParameterCaptions();
// The box of the strain rate, shown for CRS only (loaded for both).
inline constexpr int StrainRateBox = 3;

// The test's points by TestID (bound as the one parameter), in point order.
QString TestResultsSql();
// Stress rounded to 3 decimals, void ratio to 4, the logarithm of the stress to 4.
lx::ColumnMap ScreenColumns();

// Whether row i of count is listed, exported and starred: every CRS row; for IL the even
// rows, the rows whose stress equals the largest stress (single-precision equality with
// the unwidened maximum) and the last row.
bool IsListed(Kind kind, int i, int count, float stress, float maxStress);
// The listed rows of a test, in order.
std::vector<int> ListedRows(Kind kind, std::span<const float> stress);

// The weights on the hanger of an incremental-loading test, imgLoad(0) to imgLoad(13).
// Listed point k (1-based, k > 1) at row i: loading (row i's stress above row i - 1's)
// shows weight k - 2; otherwise, with m = k - 2 - offset above 0, weights m and m - 1 go
// and the offset grows by 3. Weights beyond the last are neither shown nor hidden.
class LoadWeights {
public:
    static constexpr int Count = 14;
    struct Change {
        std::vector<int> show, hide;
    };
    Change next(int k, bool loading);
    int offset() const { return offset_; }
    void reset() { offset_ = 1; }

private:
    int offset_ = 1;
};

// Which load increment the settlement-time chart shows: the increment from listed point
// k - 1 to listed point k, over the rows of the listed points. After the replay k is the
// last; Previous goes back to k = 2 (the first increment), Next forward to the last.
class IncrementSteps {
public:
    void reset() { rows_.clear(); k_ = 0; }
    // A point was listed at row.
    void listed(int row) { rows_.push_back(row); k_ = int(rows_.size()); }
    int k() const { return k_; }
    int listedCount() const { return int(rows_.size()); }
    // The rows of listed point k's increment (start, end); k >= 2.
    int startRow() const { return rows_[size_t(k_ - 2)]; }
    int endRow() const { return rows_[size_t(k_ - 1)]; }
    bool hasIncrement() const { return k_ >= 2; }
    bool canPrevious() const { return k_ > 2; }
    bool canNext() const { return k_ >= 2 && k_ < listedCount(); }
    bool previous();
    bool next();

private:
    std::vector<int> rows_;
    int k_ = 0;
};

// The settlement-time curve of an increment follows one table of (time in minutes,
// degree of change U), rows 0 to 12.
struct TimeRow {
    float t;
    float U;
};
inline constexpr int TimeRows = 13;
const std::array<TimeRow, TimeRows>& TimeTable();
// The void ratio at row j of the table: e1 + U(j) x (e2 - e1) in single precision.
float CurveVoidRatio(float e1, float e2, int j);

// The export of one increment: the title, an empty line, the header and the 13 rows of
// the time table, the last value of each line without a TAB after it.
QString IncrementExportText(const QString& title, float e1, float e2);

} // namespace consolidation
