// The test report of a stored 301-point test (CreateReport: connection, query, table, page and
// both charts) beside the bare opening of the same connection, in one run.
#include "BenchmarkSupport.h"
#include "controls/testreport/LXTestReport.h"

#include <array>

namespace {

void BM_OpenConnection(benchmark::State& state) { bench::openConnections(state, bench::clayCopy().connection); }
BENCHMARK(BM_OpenConnection)->Unit(benchmark::kMillisecond);

void BM_CreateReport301Points(benchmark::State& state)
{
    const std::array<double, 8> clay = {55, 28, 0.005, 45, 0, 0, 100, 30};
    for (auto _ : state) {
        lx::LXTestReport report;
        report.strConnectionString = bench::clayCopy().connection;
        report.CreateReport(QStringLiteral("Get CIDC C"), QStringLiteral("Clay"), bench::LongestClayTest, clay);
        if (report.rowCount() != 301)
            state.SkipWithError("JPD-100 should hold 301 points");
        benchmark::DoNotOptimize(report.rowCount());
    }
}
BENCHMARK(BM_CreateReport301Points)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
