#pragma once
// What the benchmarks share: a working copy of an installed reference database with the
// connection string start-up builds for it, the bare connection open that every report and
// screen contains, and the benchmark program's main.
#include "platform/Database.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace bench {

// An installed reference database ("LXClayCIUCnCIDCnUUC.lxr", say) copied to a temporary
// folder as start-up copies it, and the connection string the program opens the copy with.
struct InstalledCopy {
    QTemporaryDir dir;
    QString path;
    QString connection;

    explicit InstalledCopy(const QString& file) : path(dir.filePath(file))
    {
        QFile::copy(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/") + file, path);
        connection = lx::ConnectionString::format(path, QStringLiteral("mobkel"));
    }
};

// The copy of the clay database, made once per program.
inline InstalledCopy& clayCopy()
{
    static InstalledCopy copy(QStringLiteral("LXClayCIUCnCIDCnUUC.lxr"));
    return copy;
}
// The clay database's test of 301 points, the most a stored test holds.
inline const QString LongestClayTest = QStringLiteral("JPD-100");

// A connection of its own opened in each iteration, as each window opens its own.
inline void openConnections(benchmark::State& state, const QString& connection)
{
    for (auto _ : state) {
        lx::Connection c;
        c.Open(connection);
        benchmark::DoNotOptimize(c.State());
    }
}

// A benchmark program's main: the Qt application (windows on the offscreen platform unless
// one is set), the set-up given, then the benchmarks the command line selects.
template <typename Application = QApplication>
int runBenchmarks(int argc, char** argv, void (*setUp)() = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
