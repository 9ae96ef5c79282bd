// Time from process start to the shown main window, beside a bare Qt main window with an
// MDI area started the same way, and the peak memory of each. Each runs as a fresh process
// of this program ("--child loamix|bare|menu"), offscreen, so exec, loading and Qt's own
// start are counted alike. Loamix makes its working copies as at every start; the guidance
// box after the quiz question is answered by a scripted answer. The third program, a bare
// window with one text menu and a status text, shows what any window with text pays for
// the font database and Qt's image plugins, which the bare window never loads.
#include "basGlobal.h"
#include "frmMDI.h"

#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

int runChild(const std::string& kind, const char* installDir, int argc, char** argv)
{
    QApplication app(argc, argv);
    if (kind == "bare" || kind == "menu") {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Bare"));
        window.setCentralWidget(new QMdiArea(&window));
        if (kind == "menu") {
            window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
            window.statusBar()->showMessage(QStringLiteral("Status"));
        }
        window.resize(659, 600);
        window.show();
        QCoreApplication::processEvents();
        std::printf("shown\n");
        std::fflush(stdout);
        return 0;
    }
    basGlobal::InstallFontSubstitutions();
    lx::setInstallDir(QString::fromLocal8Bit(installDir));
    auto messages = std::make_unique<lx::testing::ScriptedMessages>();
    // With the quiz built its question comes first ("Disable"); then the guidance box's OK.
    messages->msgsAnswers = basGlobal::Hooks().quizOption ? std::deque<int>{3, 1} : std::deque<int>{1};
    lx::services().messages = std::move(messages);
    if (basGlobal::StartUp() != 0)
        return 1;
    QCoreApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
    basGlobal::ResetFrameState();
    return 0;
}

struct Run {
    double ms = 0;
    long maxRssKiB = 0;
    bool ok = false;
};

std::string installDir;
std::string tmpDir;

Run spawnChild(const char* kind)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "TMPDIR=", 7) != 0 && std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    env.push_back("TMPDIR=" + tmpDir);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = "/proc/self/exe", flag = "--child", k = kind;
    char* args[] = {self.data(), flag.data(), k.data(), installDir.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, args, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    Run run;
    if (spawned != 0) {
        close(fds[0]);
        return run;
    }
    std::string out;
    char buf[64];
    ssize_t n;
    while (out.find('\n') == std::string::npos && (n = read(fds[0], buf, sizeof buf)) > 0)
        out.append(buf, size_t(n));
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    while (read(fds[0], buf, sizeof buf) > 0) {
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.maxRssKiB = usage.ru_maxrss;
    run.ok = out.rfind("shown", 0) == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

std::vector<double> loamixTimes, bareTimes, menuTimes;
long loamixRss = 0, bareRss = 0, menuRss = 0;

void measure(benchmark::State& state, const char* kind, std::vector<double>& times, long& rss)
{
    for (auto _ : state) {
        const Run run = spawnChild(kind);
        if (!run.ok) {
            state.SkipWithError("the child did not show its window");
            return;
        }
        state.SetIterationTime(run.ms / 1000.0);
        times.push_back(run.ms);
        rss = std::max(rss, run.maxRssKiB);
    }
    state.counters["peak_MiB"] = double(rss) / 1024.0;
}

void BM_StartLoamix(benchmark::State& state) { measure(state, "loamix", loamixTimes, loamixRss); }
void BM_StartBareWindow(benchmark::State& state) { measure(state, "bare", bareTimes, bareRss); }
void BM_StartBareWindowWithText(benchmark::State& state) { measure(state, "menu", menuTimes, menuRss); }
BENCHMARK(BM_StartBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartBareWindowWithText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartLoamix)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The built databases when all nine are there, else stand-ins of about their size.
bool prepareInstallTree(QTemporaryDir& fixture)
{
    const QString built = QStringLiteral(LOAMIX_INSTALL_DIR);
    lx::setInstallDir(built);
    bool complete = true;
    for (const basGlobal::DataFile& f : basGlobal::DataFiles())
        complete = complete && QFileInfo(lx::installPath(f.source)).isFile();
    lx::setInstallDir(QString());
    if (complete) {
        installDir = built.toStdString();
        return true;
    }
    for (const basGlobal::DataFile& f : basGlobal::DataFiles()) {
        QString rel = f.source;
        rel.replace(u'\\', u'/');
        const QString path = fixture.path() + rel;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QByteArray bytes(1 << 20, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        file.write(bytes);
    }
    installDir = fixture.path().toStdString();
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argv[2], argv[3], 1, argv);

    QTemporaryDir fixture, tmp;
    const bool realData = prepareInstallTree(fixture);
    tmpDir = tmp.path().toStdString();
    std::printf("Working copies of %s\n", realData ? "the built databases" : "nine 1 MiB stand-in files");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double loamix = median(loamixTimes), bare = median(bareTimes), menu = median(menuTimes);
    if (loamix > 0 && bare > 0)
        std::printf("Start to shown window (median): Loamix %.1f ms, bare window %.1f ms, ratio %.2f (goal <= 2); "
                    "bare window with text %.1f ms\n"
                    "Peak memory: Loamix %.1f MiB, bare window %.1f MiB, with text %.1f MiB (goal < 60 MiB)\n",
                    loamix, bare, loamix / bare, menu, double(loamixRss) / 1024.0, double(bareRss) / 1024.0,
                    double(menuRss) / 1024.0);
    return 0;
}
