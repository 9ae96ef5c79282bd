// The test report of a stored 301-point test (CreateReport: connection, query, table, page and
// both charts) beside the bare opening of the same connection, in one run.
#include "controls/testreport/LXTestReport.h"
#include "platform/Database.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <array>

namespace {

// The installed clay database, copied as start-up copies it; its test JPD-100 has 301 points.
struct Fixture {
    QTemporaryDir dir;
    QString connection;
    Fixture()
    {
        const QString path = dir.filePath(QStringLiteral("LXClayCIUCnCIDCnUUC.lxr"));
        QFile::copy(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/LXClayCIUCnCIDCnUUC.lxr"), path);
        connection = QStringLiteral("DBQ=") + path + QStringLiteral(";Driver={Loamix};Pwd=mobkel;");
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_OpenConnection(benchmark::State& state)
{
    for (auto _ : state) {
        lx::Connection c;
        c.Open(fixture().connection);
        benchmark::DoNotOptimize(c.State());
    }
}
BENCHMARK(BM_OpenConnection)->Unit(benchmark::kMillisecond);

void BM_CreateReport301Points(benchmark::State& state)
{
    const std::array<double, 8> clay = {55, 28, 0.005, 45, 0, 0, 100, 30};
    for (auto _ : state) {
        lx::LXTestReport report;
        report.strConnectionString = fixture().connection;
        report.CreateReport(QStringLiteral("Get CIDC C"), QStringLiteral("Clay"), QStringLiteral("JPD-100"), clay);
        if (report.rowCount() != 301)
            state.SkipWithError("JPD-100 should hold 301 points");
        benchmark::DoNotOptimize(report.rowCount());
    }
}
BENCHMARK(BM_CreateReport301Points)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
