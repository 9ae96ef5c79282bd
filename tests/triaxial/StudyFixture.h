#pragma once
// A small sand database for the study's tests, packed from CSV text: the layout of the
// installed sand files with a handful of tests whose values show the study's rules.
#include "DataPacker.h"
#include "tests/common/TestHelpers.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace studyfixture {

struct Test {
    QString ref, id, info;      // info: the TestInfo columns after the TestID, comma-separated
    QStringList points;         // "strain,stress,volumetric,pore" per point
};

inline QString connectionTo(const QString& path)
{
    return QStringLiteral("DBQ=") + path + QStringLiteral(";Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;");
}

// Packs the tests into dir/name and returns its connection string.
inline QString pack(const QTemporaryDir& dir, const QString& name, const std::vector<Test>& tests)
{
    const QString source = dir.filePath(name + QStringLiteral(".src"));
    QByteArray info = "ReferenceNumber,TestID,Average Diameter (mm),Coefficient of Uniformity,Coefficient of Concavity,Hardness,"
                      "Shape Factor,e,Sigma3 (kPa)\n";
    QByteArray results = "ReferenceNumber,TestID,Point Number,Axial Strain,Deviator Stress (kPa),Volumetric Strain,Pore Pressure (kPa)\n";
    for (const Test& t : tests) {
        info += (t.ref + u',' + t.id + u',' + t.info + u'\n').toUtf8();
        for (int i = 0; i < t.points.size(); ++i)
            results += (t.ref + u',' + t.id + u',' + QString::number(i + 1) + u',' + t.points[i] + u'\n').toUtf8();
    }
    lx::testing::writeFile(source + QStringLiteral("/schema.sql"),
                           "CREATE TABLE TestInfo (ReferenceNumber REAL, TestID TEXT COLLATE NOCASE, \"Average Diameter (mm)\" REAL,"
                           " \"Coefficient of Uniformity\" REAL, \"Coefficient of Concavity\" REAL, Hardness REAL, \"Shape Factor\" REAL,"
                           " e REAL, \"Sigma3 (kPa)\" REAL);\n"
                           "CREATE TABLE Reference (\"Reference Number\" REAL, Reference TEXT, Date TEXT, \"Soil Description\" TEXT);\n"
                           "CREATE TABLE TestResults (ReferenceNumber REAL, TestID TEXT COLLATE NOCASE, \"Point Number\" INTEGER,"
                           " \"Axial Strain\" REAL, \"Deviator Stress (kPa)\" REAL, \"Volumetric Strain\" REAL, \"Pore Pressure (kPa)\" REAL);\n");
    lx::testing::writeFile(source + QStringLiteral("/TestInfo.csv"), info);
    lx::testing::writeFile(source + QStringLiteral("/TestResults.csv"), results);
    lx::testing::writeFile(source + QStringLiteral("/Reference.csv"), "Reference Number,Reference,Date,Soil Description\n");
    const QString path = dir.filePath(name);
    lx::pack::packDatabase(source, QStringLiteral("mobkel"), path);
    return connectionTo(path);
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
