// A study report of the seven cube tests of San Francisco Bay Mud (the most a true triaxial
// report shows) beside the bare open of the connection it reads, so that the cost of the
// report itself shows.
#include "BenchmarkSupport.h"

#include "truetriaxial/frmTTTReport.h"

#include "app/basGlobal.h"

namespace {

bench::InstalledCopy& cubeCopy()
{
    static bench::InstalledCopy copy(QStringLiteral("LXClayTTT.lxr"));
    return copy;
}

void BM_BareConnectionOpen(benchmark::State& state) { bench::openConnections(state, cubeCopy().connection); }
BENCHMARK(BM_BareConnectionOpen)->Unit(benchmark::kMillisecond);

void BM_TrueTriaxialReportSevenTests(benchmark::State& state)
{
    basGlobal::ClayTTTConnection = cubeCopy().connection;
    const QStringList titles = {QStringLiteral("True Triaxial Test Parametric Study:  San Francisco Bay Mud"),
                                QStringLiteral("TSF-B00-b000"), QStringLiteral("TSF-B00-b010"), QStringLiteral("TSF-B00-b025"),
                                QStringLiteral("TSF-B00-b040"), QStringLiteral("TSF-B00-b050"), QStringLiteral("TSF-B00-b075"),
                                QStringLiteral("TSF-B00-b100")};
    for (auto _ : state) {
        frmTTTReport report;
        report.CreateReport(7, titles);
        benchmark::DoNotOptimize(report.data().points.points());
    }
}
BENCHMARK(BM_TrueTriaxialReportSevenTests)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The working copy is made before the timing starts.
    return bench::runBenchmarks(argc, argv, [] { cubeCopy(); });
}
