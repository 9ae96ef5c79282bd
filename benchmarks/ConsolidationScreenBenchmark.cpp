// The consolidation screen's Start (open, read the largest stored test, a CRS test of 145
// points, set up both charts) and one incremental-loading increment curve drawn whole (the
// chart set up and its twelve segments), beside the bare connection open they contain.
#include "consolidation/frmScreenDAS1D.h"
#include "consolidation/SettlementChart.h"

#include "BenchmarkSupport.h"
#include "app/basGlobal.h"
#include "platform/Paths.h"

#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

bench::InstalledCopy& consolidationCopy()
{
    static bench::InstalledCopy copy(QStringLiteral("LX1DConsolidation.lxr"));
    return copy;
}

const QStringList Params{"76", "46", "1.88", "0.01", "20", "63.5", "Undisturbed"};

void BM_BareConnectionOpen(benchmark::State& state) { bench::openConnections(state, consolidationCopy().connection); }
BENCHMARK(BM_BareConnectionOpen)->Unit(benchmark::kMillisecond);

void BM_StartTestCRS145Points(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<frmScreenDAS1D>();
        state.ResumeTiming();
        if (!screen->StartTest(2004.0f, QStringLiteral("CRS-KAO-01"), QStringLiteral("Kaolin Clay"), Params))
            state.SkipWithError("the test could not be read");
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartTestCRS145Points)->Unit(benchmark::kMillisecond);

void BM_IncrementCurve(benchmark::State& state)
{
    auto screen = std::make_unique<frmScreenDAS1D>();
    if (!screen->StartTest(1001.0f, QStringLiteral("IL-SGC-01"), QStringLiteral("Singapore Clay"), Params)) {
        state.SkipWithError("the test could not be read");
        return;
    }
    // Replayed to its end, so that Previous and Next step through the increments.
    while (screen->replay.running())
        screen->Timer1_Timer();
    screen->settlement->Timer2->stop();
    bool back = true;
    for (auto _ : state) {
        if (back ? !screen->settlement->cmdPrev->isEnabled() : !screen->settlement->cmdNext->isEnabled())
            back = !back;
        back ? screen->settlement->cmdPrev_Click() : screen->settlement->cmdNext_Click();
        while (screen->settlement->Timer2->isActive())
            screen->settlement->Timer2_Timer();
    }
}
BENCHMARK(BM_IncrementCurve)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] {
        lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
        basGlobal::Consolidation1DConnection = consolidationCopy().connection;
    });
}
