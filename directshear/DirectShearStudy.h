#pragma once
// The parametric study of one sand without windows: its stored tests in normal-stress
// order, at most three of them and each whole while all fit in one curve of 301 points,
// with the 21 parameter texts and the curve counts the report reads. What could not be
// taken is said in one text.
#include "directshear/DirectShearSoils.h"
#include "lab/StoredPoints.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace lx {
class Connection;
}

namespace directshear {

// The columns of a replayed or reported test: horizontal displacement (mm, 3 decimals),
// shear stress (kPa, 1 decimal) and vertical displacement (mm, 3 decimals).
lx::ColumnMap PointColumns();

class ParamStudy {
public:
    static constexpr int MaxTests = 3;
    static constexpr int TextCount = 21;

    ParamStudy();

    // Forgets the sand: every text "", no test, nothing to report.
    void clear();
    // Clears, then reads the sand's Reference row, its tests and their points. Throws
    // lx::DatabaseError when the database cannot be read (the study is then empty).
    void chooseSand(lx::Connection& connection, const lx::SoilEntry& sand);

    const QString& sand() const { return sand_; }
    // ParamTexts of the report: 0 to 4 the sand and specimen, 5 + 2k and 6 + 2k the normal
    // stress and initial void ratio of test k; "" where nothing is stored.
    const QStringList& texts() const { return texts_; }
    // The boxes of test k (0 to 2): "" where there is no test.
    QString normalStressText(int k) const { return texts_[5 + 2 * k]; }
    QString voidRatioText(int k) const { return texts_[6 + 2 * k]; }

    const lx::StoredCurve& points() const { return points_; }
    int tests() const { return int(testIDs_.size()); }
    const QStringList& testIDs() const { return testIDs_; }
    // 11 entries: the number of tests, then the points of each (the rest 0).
    std::vector<int16_t> curveCounts() const;

    bool canReport() const { return tests() > 0; }
    // Why the sand has no report, or which of its tests were left out and why; "" when the
    // study took every stored test. Lines are separated by CR.
    const QString& message() const { return message_; }

private:
    QString sand_;
    QStringList texts_;
    QStringList testIDs_;
    lx::StoredCurve points_;
    QString message_;
};

} // namespace directshear
