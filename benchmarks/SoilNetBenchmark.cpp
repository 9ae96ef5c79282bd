// One call of the response library as a report makes it: the library loaded from the install
// folder's DLL folder, the drained result file (301 rows) and the undrained one (1251 rows)
// written into a private folder and read back.
#include "soilnet/SoilNet.h"

#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <array>

namespace {

void run(benchmark::State& state, lx::SoilNetProcedure p, std::span<const double> values)
{
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
    QTemporaryDir dir;
    lx::SoilNet net;
    const QString file = lx::SoilNet::resultFileIn(QStringLiteral("soilnet.txt"), dir.path());
    size_t rows = 0;
    for (auto _ : state) {
        const lx::SoilNetResult r = net.simulate(p, values, file);
        if (!r.ok()) {
            state.SkipWithError(r.message.toUtf8().constData());
            return;
        }
        rows = r.rows.size();
        benchmark::DoNotOptimize(r.rows.data());
    }
    state.counters["rows"] = double(rows);
}

void BM_SoilNetDrainedCall(benchmark::State& state)
{
    // Toyoura sand at 100 kPa, to 30 % strain as the main program asks.
    const std::array<double, 8> values{0.19, 1.4, 1, 7, 16, 0.612, 100, 30};
    run(state, lx::SoilNetProcedure::CidcSandLow, values);
}
BENCHMARK(BM_SoilNetDrainedCall)->Unit(benchmark::kMillisecond);

void BM_SoilNetUndrainedCall(benchmark::State& state)
{
    const std::array<double, 4> values{40, 1.6, 1, 200};
    run(state, lx::SoilNetProcedure::CiucSand, values);
}
BENCHMARK(BM_SoilNetUndrainedCall)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
