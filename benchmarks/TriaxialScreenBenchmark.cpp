// The shear screen's Start Test on the largest stored test (open, read 301 points, set up
// both charts) and one replay tick, beside the bare connection open they contain.
#include "triaxial/frmScreenDASTriaxial.h"

#include "BenchmarkSupport.h"
#include "platform/Paths.h"

#include <QTimer>

#include <array>
#include <memory>

namespace {

const std::array<double, 8> Init{40, 20, 0.5, 30, 0, 0, 100, 30};

bool startTest(frmScreenDASTriaxial& screen)
{
    return screen.StartTest(QStringLiteral("CIDC Clay"), QStringLiteral("Clayey soil from Japan"), bench::clayCopy().connection,
                            bench::LongestClayTest, Init);
}

std::unique_ptr<frmScreenDASTriaxial> startedScreen()
{
    auto screen = std::make_unique<frmScreenDASTriaxial>();
    startTest(*screen);
    screen->Timer1->stop();
    return screen;
}

void BM_BareConnectionOpen(benchmark::State& state) { bench::openConnections(state, bench::clayCopy().connection); }
BENCHMARK(BM_BareConnectionOpen)->Unit(benchmark::kMillisecond);

void BM_StartTest301Points(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<frmScreenDASTriaxial>();
        state.ResumeTiming();
        if (!startTest(*screen))
            state.SkipWithError("the test could not be read");
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartTest301Points)->Unit(benchmark::kMillisecond);

void BM_ReplayTick(benchmark::State& state)
{
    auto screen = startedScreen();
    for (auto _ : state) {
        if (!screen->replay.running()) {
            state.PauseTiming();
            screen = startedScreen();
            state.ResumeTiming();
        }
        screen->Timer1_Timer();
    }
}
BENCHMARK(BM_ReplayTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] { lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR)); });
}
