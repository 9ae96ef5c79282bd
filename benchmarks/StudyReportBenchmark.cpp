// A study report of five tests of 301 points (the most a study shows) beside the bare open
// of the connection it reads, so that the cost of the report itself shows.
#include "BenchmarkSupport.h"
#include "LXParamReport.h"
#include "tests/triaxial/StudyFixture.h"

namespace {

std::vector<studyfixture::Test> fiveLongTests()
{
    std::vector<studyfixture::Test> tests;
    for (int t = 0; t < 5; ++t)
        tests.push_back({"7", QStringLiteral("B%1").arg(t), "0.4,1.7,1.1,5,15,0.85,100", studyfixture::curve(301, 500 + 100 * t)});
    return tests;
}

studyfixture::Packed& studyDatabase()
{
    static studyfixture::Packed f("study.lxr", fiveLongTests());
    return f;
}

void BM_BareConnectionOpen(benchmark::State& state) { bench::openConnections(state, studyDatabase().connection); }
BENCHMARK(BM_BareConnectionOpen)->Unit(benchmark::kMillisecond);

void BM_StudyReportFiveTestsOf301Points(benchmark::State& state)
{
    const std::array<QString, 6> title = {"Effect of Confining Pressure on Shear Behavior of Ottawa sand", "B0", "B1", "B2", "B3", "B4"};
    const std::array<double, 12> init = {0, 0.4, 1.7, 1.1, 5, 15, 0.85, 100, 200, 300, 400, 500};
    for (auto _ : state) {
        lx::LXParamReport report;
        report.strConnectionString = studyDatabase().connection;
        report.CreateReport(QStringLiteral("Get CIDC Sand"), title, init);
        benchmark::DoNotOptimize(report.data().points());
    }
}
BENCHMARK(BM_StudyReportFiveTestsOf301Points)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The fixture is packed before the timing starts.
    return bench::runBenchmarks(argc, argv, [] { studyDatabase(); });
}
