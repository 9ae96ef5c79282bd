// The shear screen's Start Test on the largest stored test (open, read 301 points, set up
// both charts) and one replay tick, beside the bare connection open they contain.
#include "triaxial/frmScreenDASTriaxial.h"

#include "platform/Database.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include <array>
#include <memory>

namespace {

// The clay database's test JPD-100 holds 301 points, the most a screen reads.
const QString Connection = QStringLiteral("DBQ=" LOAMIX_INSTALL_DIR
                                          "/Database/LXClayCIUCnCIDCnUUC.lxr;Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;");
const QString TestID = QStringLiteral("JPD-100");
const std::array<double, 8> Init{40, 20, 0.5, 30, 0, 0, 100, 30};

std::unique_ptr<frmScreenDASTriaxial> startedScreen()
{
    auto screen = std::make_unique<frmScreenDASTriaxial>();
    screen->StartTest(QStringLiteral("CIDC Clay"), QStringLiteral("Clayey soil from Japan"), Connection, TestID, Init);
    screen->Timer1->stop();
    return screen;
}

void BM_BareConnectionOpen(benchmark::State& state)
{
    for (auto _ : state) {
        lx::Connection c;
        c.Open(Connection);
        benchmark::DoNotOptimize(c.State());
    }
}
BENCHMARK(BM_BareConnectionOpen)->Unit(benchmark::kMillisecond);

void BM_StartTest301Points(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<frmScreenDASTriaxial>();
        state.ResumeTiming();
        if (!screen->StartTest(QStringLiteral("CIDC Clay"), QStringLiteral("Clayey soil from Japan"), Connection, TestID, Init))
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
