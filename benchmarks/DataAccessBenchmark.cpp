// Opening an installed reference database with its password (the first connection and a
// further one side by side), reading the 301 points of one test with the replay screen's
// statement (the bare query, by hand, and into a stored curve), and building and writing a
// 301-point export.
#include "BenchmarkSupport.h"
#include "ExportText.h"
#include "lab/StoredPoints.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>

namespace {

bench::InstalledCopy& fixture() { return bench::clayCopy(); }

const QString replaySql = QStringLiteral("SELECT * from TestResults WHERE TestID = ") + u'\'' + bench::LongestClayTest + u'\''
                          + QStringLiteral("order by [Point Number]");

// The first connection to a file in the process derives its key from the password; a
// further one reuses the key (each window opens its own connection).
void BM_OpenFirstConnection(benchmark::State& state)
{
    for (auto _ : state) {
        lx::Connection::forgetDerivedKeys();
        lx::Connection c;
        c.Open(fixture().connection);
        benchmark::DoNotOptimize(c.State());
    }
}
BENCHMARK(BM_OpenFirstConnection)->Unit(benchmark::kMillisecond);

void BM_OpenFurtherConnection(benchmark::State& state)
{
    lx::Connection::forgetDerivedKeys();
    lx::Connection first;
    first.Open(fixture().connection);
    bench::openConnections(state, fixture().connection);
}
BENCHMARK(BM_OpenFurtherConnection)->Unit(benchmark::kMillisecond);

void BM_Read301Points(benchmark::State& state)
{
    lx::Connection c;
    c.Open(fixture().connection);
    float strain[301], stress[301];
    for (auto _ : state) {
        lx::Recordset rs;
        rs.Open(replaySql, c);
        int n = 0;
        for (rs.MoveFirst(); !rs.eof() && n < 301; rs.MoveNext(), ++n) {
            strain[n] = float(rs.Fields(3).toDouble());
            stress[n] = float(rs.Fields(4).toDouble());
        }
        benchmark::DoNotOptimize(strain);
        benchmark::DoNotOptimize(stress);
        if (n != 301)
            state.SkipWithError("expected 301 points");
    }
}
BENCHMARK(BM_Read301Points)->Unit(benchmark::kMicrosecond);

// The statement alone: what reading into a curve adds is the difference.
void BM_Query301Points(benchmark::State& state)
{
    lx::Connection c;
    c.Open(fixture().connection);
    for (auto _ : state) {
        lx::Recordset rs;
        rs.Open(replaySql, c);
        if (rs.RecordCount() != 301)
            state.SkipWithError("expected 301 points");
    }
}
BENCHMARK(BM_Query301Points)->Unit(benchmark::kMicrosecond);

// The drained triaxial screen's curve: strain and volumetric strain rounded then x 100.
void BM_Read301PointsIntoCurve(benchmark::State& state)
{
    using lx::ColumnRule;
    lx::Connection c;
    c.Open(fixture().connection);
    lx::StoredCurve curve({ColumnRule::field(3).rounded(3).times(100), ColumnRule::field(4).rounded(1),
                           ColumnRule::field(5).rounded(3).times(100)},
                          301);
    for (auto _ : state) {
        lx::Recordset rs;
        rs.Open(replaySql, c);
        curve.clear();
        if (curve.append(rs) != 301)
            state.SkipWithError("expected 301 points");
        benchmark::DoNotOptimize(curve.column(1).data());
    }
}
BENCHMARK(BM_Read301PointsIntoCurve)->Unit(benchmark::kMicrosecond);

void BM_BuildAndWrite301PointExport(benchmark::State& state)
{
    const QString out = fixture().dir.filePath(QStringLiteral("export.txt"));
    for (auto _ : state) {
        ExportText text(QStringLiteral("CIDC Test on Ottawa sand"),
                        {QStringLiteral("Axial Strain (%)"), QStringLiteral("Deviator Stress (kPa)"), QStringLiteral("Volumetric Strain (%)")});
        for (int i = 0; i < 301; ++i)
            text.addPoint({i * 0.1f, 150.0f * i / (10.0f + i), -0.01f * i});
        if (!lx::writeFileSafely(out, text.text().toUtf8() + "\r\n"))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_BuildAndWrite301PointExport)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks<QCoreApplication>(argc, argv); }
