// One cleaning of a program folder holding 2,000 leftover temporary files
// (and, in BM_NothingToRemove, the same folder once they are gone). The
// cleaning runs on a thread of its own after the window first shows; its
// time is how long that thread keeps the disk busy, and it must stay well
// under a second.

#include "platform/files/LeftoverFiles.h"
#include "platform/files/SystemFileCalls.h"
#include "platform/files/TemporaryName.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zornalit {
namespace {

const QStringList copies{QStringLiteral("Ostatsa.wav"), QStringLiteral("Mgnoven.wav")};
const QStringList written = QStringList{QStringLiteral("SegmInfo.txt")} + copies;

void plant(const QString& folder, int count)
{
    for (int i = 0; i < count; ++i) {
        QFile file(QDir(folder).filePath(temporaryNameOf(written[i % 3], quint32(i) * 7919)));
        if (!file.open(QIODevice::WriteOnly))
            return;
    }
}

void BM_Remove2000(benchmark::State& state)
{
    QTemporaryDir folder;
    SystemFileCalls calls;
    const LeftoverFiles leftovers(calls, written, copies);
    for (auto _ : state) {
        state.PauseTiming();
        plant(folder.path(), 2000);
        state.ResumeTiming();
        benchmark::DoNotOptimize(leftovers.removeFrom(folder.path()));
    }
}
BENCHMARK(BM_Remove2000)->Unit(benchmark::kMillisecond);

void BM_NothingToRemove(benchmark::State& state)
{
    QTemporaryDir folder;
    SystemFileCalls calls;
    const LeftoverFiles leftovers(calls, written, copies);
    for (auto _ : state)
        benchmark::DoNotOptimize(leftovers.removeFrom(folder.path()));
}
BENCHMARK(BM_NothingToRemove)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zornalit

BENCHMARK_MAIN();
