// The database-simulation report of a stored 50-point sand test beside its simulation
// (CreateReport: connection, two queries, the response library's call and its 301-row
// result file, the page, both charts and the failure table) beside the bare opening of the
// same connection, in one run.
#include "BenchmarkSupport.h"
#include "app/basGlobal.h"
#include "controls/dbsimreport/LXDBSimReport.h"
#include "platform/Paths.h"

#include <array>

namespace {

bench::InstalledCopy& sandCopy()
{
    static bench::InstalledCopy copy(QStringLiteral("LXSandCIDC.lxr"));
    return copy;
}

void BM_OpenConnection(benchmark::State& state) { bench::openConnections(state, sandCopy().connection); }
BENCHMARK(BM_OpenConnection)->Unit(benchmark::kMillisecond);

void BM_CreateReportWithSimulation(benchmark::State& state)
{
    QTemporaryDir temp;
    basGlobal::TempPath = temp.path();
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));   // DLL/libsoilnet.so
    for (auto _ : state) {
        std::array<double, 8> toyoura = {0.19, 1.4, 1, 7, 16, 0.608, 200, 30};
        QString results = QStringLiteral("bench.txt");
        lx::LXDBSimReport report;
        report.strConnectionString = sandCopy().connection;
        report.CreateReport(QStringLiteral("DB CIDC "), results, QStringLiteral("30"), QStringLiteral("TOY-200-608"),
                            toyoura);
        if (report.published().points() != 50 || report.simulation().points() != 301)
            state.SkipWithError("TOY-200-608 should hold 50 points and its simulation 301");
        benchmark::DoNotOptimize(report.simulation().points());
    }
    basGlobal::TempPath.clear();
}
BENCHMARK(BM_CreateReportWithSimulation)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
