#pragma once
// A small sand database for the study's tests, packed under the installed sand schema with a
// handful of tests whose values show the study's rules.
#include "tests/common/FixturePacker.h"
#include "tests/common/TestHelpers.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace studyfixture {

struct Test {
    QString ref, id, info;      // info: the TestInfo columns after the TestID, comma-separated
    QStringList points;         // "strain,stress,volumetric,pore" per point
};

using lx::testing::connectionTo;

// Packs the tests under the installed sand schema into dir/name and returns its connection string.
inline QString pack(const QTemporaryDir& dir, const QString& name, const std::vector<Test>& tests)
{
    lx::pack::TableRows info{QStringLiteral("TestInfo"), {}};
    lx::pack::TableRows results{QStringLiteral("TestResults"), {}};
    for (const Test& t : tests) {
        info.rows << t.ref + u',' + t.id + u',' + t.info;
        for (int i = 0; i < t.points.size(); ++i)
            results.rows << t.ref + u',' + t.id + u',' + QString::number(i + 1) + u',' + t.points[i];
    }
    return connectionTo(fixture::packDatabase(dir.path(), QStringLiteral("LXSandCIDC"), {info, results}, QStringLiteral("mobkel"), name));
}

// A database packed once for a test suite (or a benchmark), removed with it.
struct Packed {
    QTemporaryDir dir;
    QString connection;
    Packed(const QString& name, const std::vector<Test>& tests) : connection(pack(dir, name, tests)) {}
    QString path(const QString& name) const { return dir.filePath(name); }
};

// n points of a test rising to a peak stress at point n / 2 and falling after it.
inline QStringList curve(int n, double peak, double volumetric = 0.001)
{
    QStringList points;
    for (int i = 0; i < n; ++i) {
        const double strain = 0.001 * i;
        const double stress = i <= n / 2 ? peak * i / std::max(1, n / 2) : peak * (1.0 - 0.2 * (i - n / 2) / double(n));
        points << QStringLiteral("%1,%2,%3,0").arg(strain).arg(stress, 0, 'f', 2).arg(volumetric * i);
    }
    return points;
}

// The Ottawa sand (7) with confining stresses 300, 100, 200, 100.4 and 400 at e 0.85, one
// test outside the void-ratio window, and a Napa basalt (1) with six distinct stresses.
inline std::vector<Test> sandTests()
{
    const QString ottawa = QStringLiteral("0.4,1.7,1.1,5,15,");
    std::vector<Test> t = {
        {"7", "OT-300", ottawa + "0.851,300", curve(21, 900)},
        {"7", "OT-100", ottawa + "0.846,100", curve(11, 300)},
        {"7", "OT-200", ottawa + "0.853,200", curve(15, 600)},
        {"7", "OT-100b", ottawa + "0.849,100.4", curve(9, 310)},
        {"7", "OT-400", ottawa + "0.85,400", curve(31, 1200)},
        {"7", "OT-LOOSE", ottawa + "0.95,250", curve(5, 500)},
        // The void-ratio study's window, 232 to 234 kPa.
        {"7", "OT-233a", ottawa + "0.7012,233", curve(5, 800)},
        {"7", "OT-233b", ottawa + "0.6549,232.5", curve(5, 850)},
    };
    for (int k = 0; k < 6; ++k)
        t.push_back({"1", QStringLiteral("NB-%1").arg(700 + 100 * k), QStringLiteral("Null,5.8,1.3,6,23,0.66,%1").arg(700 + 100 * k),
                     curve(7, 2000 + 100 * k)});
    return t;
}

} // namespace studyfixture
