// The direct shear screen's Start Test (open, read a stored test of 91 points, set up both
// charts) and a study's sand choice (three tests, 273 points) with Create Report, beside the
// bare connection open they contain, all on one working copy of the installed database.
#include "directshear/dlgDSParamStudy.h"
#include "directshear/frmDirectShearReport.h"
#include "directshear/frmScreenDAS_DS.h"

#include "BenchmarkSupport.h"
#include "app/basGlobal.h"
#include "platform/FormRegistry.h"

#include <QComboBox>
#include <QTimer>

#include <memory>

namespace {

bench::InstalledCopy& copy()
{
    static bench::InstalledCopy c(QStringLiteral("LXDirectShear.lxr"));
    return c;
}

const QStringList Texts = {"0.25", "2.2", "0.5", "25.4", "63.5", "200", "0.907"};

void BM_BareConnectionOpen(benchmark::State& state) { bench::openConnections(state, copy().connection); }
BENCHMARK(BM_BareConnectionOpen)->Unit(benchmark::kMillisecond);

void BM_StartTest91Points(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<frmScreenDAS_DS>();
        state.ResumeTiming();
        if (!screen->StartTest(QStringLiteral("DS-NRD-200"), QStringLiteral("New North Rankin Dense Sand"), Texts))
            state.SkipWithError("the test could not be read");
        state.PauseTiming();
        screen->Timer1->stop();
        screen.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartTest91Points)->Unit(benchmark::kMillisecond);

void BM_StudySandAndReport(benchmark::State& state)
{
    dlgDSParamStudy& study = lx::SingleInstance<dlgDSParamStudy>::get();
    for (auto _ : state) {
        study.CboParOption->setCurrentIndex(0);
        study.CboParOption_Click();
        frmDirectShearReport* report = study.cmdCreate_Click();
        if (!report || study.study().points().points() != 273)
            state.SkipWithError("the study did not read three tests of 91 points");
        state.PauseTiming();
        delete report;
        state.ResumeTiming();
    }
    lx::SingleInstance<dlgDSParamStudy>::unload();
}
BENCHMARK(BM_StudySandAndReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv, [] { basGlobal::DirectShearConnection = copy().connection; });
}
