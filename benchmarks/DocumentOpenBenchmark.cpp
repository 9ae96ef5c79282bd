// Opening a document just below the size a document window accepts, in the shapes that
// cost most: RTF of many short paragraphs, plain text on one line, and one endless word
// (a file of zeros). The time runs
// from the file to a laid-out window, as the student waits for it.
#include "frmDocument.h"

#include "BenchmarkSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString writeBelowLimit(const QTemporaryDir& dir, const QString& name, const QByteArray& head, const QByteArray& unit,
                        const QByteArray& tail)
{
    QByteArray bytes = head;
    const qint64 room = frmDocument::MaxFileBytes - 1 - tail.size();
    while (bytes.size() + unit.size() <= room)
        bytes += unit;
    bytes += tail;
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
}

void openDocument(benchmark::State& state, const QString& path)
{
    for (auto _ : state) {
        frmDocument document;
        QString why;
        if (!document.LoadFile(path, &why)) {
            state.SkipWithError(why.toStdString().c_str());
            return;
        }
        document.show();
        // The whole layout, as scrolling to the end would ask for it.
        benchmark::DoNotOptimize(document.rtfText->document()->documentLayout()->documentSize());
        QApplication::processEvents();
    }
    state.counters["bytes"] = double(QFile(path).size());
}

void BM_OpenRtfOfShortParagraphsBelowTheLimit(benchmark::State& state)
{
    QTemporaryDir dir;
    openDocument(state, writeBelowLimit(dir, QStringLiteral("notes.rtf"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ",
                                         "Notes\\par ", "}"));
}
BENCHMARK(BM_OpenRtfOfShortParagraphsBelowTheLimit)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenOneLineTextBelowTheLimit(benchmark::State& state)
{
    QTemporaryDir dir;
    openDocument(state, writeBelowLimit(dir, QStringLiteral("line.txt"), "", "soil mechanics ", ""));
}
BENCHMARK(BM_OpenOneLineTextBelowTheLimit)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenOneWordBelowTheLimit(benchmark::State& state)
{
    QTemporaryDir dir;
    openDocument(state, writeBelowLimit(dir, QStringLiteral("zeros.bin"), "", QByteArray(1024, '\0'), ""));
}
BENCHMARK(BM_OpenOneWordBelowTheLimit)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
