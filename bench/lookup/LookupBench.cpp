// One lookup against fault databases of 1 MB and 100 MB, generated at run
// time: description blocks of many segments and steps, with the two blocks of
// the small example database (segment 5 step 3, segment 12 step 1A) placed
// half-way through. BM_Floor is the least any lookup must do: read the file
// once and count its lines. Every case reports the process's peak resident
// memory; it must not grow with the size of the database. BM_Check and
// BM_Coverage are the maintainers' tool on the same files: the check may take
// at most 2.2 times as long as BM_NotFound33, the coverage table 1.2 times.
// Times on a shared machine swing: compare them within one run, with
// --benchmark_repetitions and --benchmark_enable_random_interleaving.
//
// BM_Shape looks up a block and copies it into the report (a sink that only
// counts) on databases of hostile shapes, each in a process of its own so
// that its peak memory is its own: the 1 MB database for comparison, a 1 GB
// line that starts like the keyword, the same line starting with "x", a block
// of 21 million one-byte lines and a block without its "@" that runs to the
// end of a 1 GB file. The large shapes are made on the fly, not on disk.
// The last shape is the maintainers' word search through a block whose one
// description line is 1 GB long, the word at its very end.

#include "dbtool/Coverage.h"
#include "dbtool/DatabaseCheck.h"
#include "dbtool/WordSearch.h"
#include "lookup/BlockCopy.h"
#include "lookup/Cp1251.h"
#include "lookup/FaultSearch.h"
#include "lookup/StepCodes.h"
#include "support/DatabaseLines.h"
#include "support/Win1251.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>

namespace zornalit {
namespace {

constexpr qint64 megabyte = 1024 * 1024;

using testing::databaseLines;
using testing::exampleBlockLines;
using testing::win;

// Segments of the filler blocks: anything but 5, 7 and 12, the segments the
// cases look up.
QByteArrayList fillerSegments()
{
    QByteArrayList segments;
    for (int n = 1; n < 100; ++n) {
        if (n != 5 && n != 7 && n != 12)
            segments << QByteArray::number(n);
    }
    for (const char* letters : {"A", "B", "C", "1A", "2F", "ZZ"})
        segments << letters;
    return segments;
}

QByteArrayList fillerBodyLines()
{
    const QStringList words = {
        u"Проверьте"_qs,
        u"кассету"_qs,
        u"плату"_qs,
        u"управления"_qs,
        u"шины"_qs,
        u"обрыв"_qs,
        u"импульсного"_qs,
        u"тракта"_qs,
        u"стойки"_qs,
        u"замените"_qs,
        u"микротест"_qs,
        u"показал"_qs,
        u"сбой"_qs,
        u"таймера"_qs,
        u"в"_qs,
        u"блоке"_qs,
        u"ВВК"_qs,
        u"УВП"_qs,
        u"источник"_qs,
        u"питания"_qs,
    };
    std::mt19937 random(7);
    QByteArrayList lines;
    for (int i = 0; i < 64; ++i) {
        QString line;
        const int target = 30 + static_cast<int>(random() % 50);
        while (line.size() < target)
            line += words[random() % words.size()] + u' ';
        lines << win(line.trimmed() + u'.');
    }
    return lines;
}

void writeExampleBlocks(QFile& file)
{
    file.write(databaseLines(exampleBlockLines() << QString()));
}

// Writes the database block by block, so that making it takes little memory.
QString generateDatabase(const QString& folder, qint64 megabytes)
{
    const QString path = QStringLiteral("%1/faults-%2MB.txt").arg(folder).arg(megabytes);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};

    const QByteArrayList segments = fillerSegments();
    const QByteArrayList bodies = fillerBodyLines();
    StepCodes codes;
    std::mt19937 random(static_cast<std::uint32_t>(megabytes));
    const qint64 size = megabytes * megabyte;
    bool examplesWritten = false;

    file.write(win(u"Описания неисправностей АТСКЭ\r\n\r\n"_qs));
    QByteArray block;
    while (file.size() < size) {
        if (!examplesWritten && file.size() >= size / 2) {
            writeExampleBlocks(file);
            examplesWritten = true;
        }
        block = "\xD1\xC5\xC3\xCC " + segments[random() % segments.size()] + '.'
            + codes.at(static_cast<int>(random() % StepCodes::count)).toLatin1() + ".\r\n";
        const int bodyLines = 2 + static_cast<int>(random() % 7);
        for (int i = 0; i < bodyLines; ++i)
            block += bodies[random() % bodies.size()] + "\r\n";
        block += "@\r\n\r\n";
        file.write(block);
    }
    return file.error() == QFile::NoError ? path : QString();
}

// Each database is made once per run and removed at its end.
QString databaseOf(qint64 megabytes)
{
    static QTemporaryDir folder;
    static QHash<qint64, QString> made;
    if (!made.contains(megabytes))
        made.insert(megabytes, generateDatabase(folder.path(), megabytes));
    return made.value(megabytes);
}

void reportPeakMemory(benchmark::State& state, qint64 megabytes)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetBytesProcessed(state.iterations() * megabytes * megabyte);
}

qint64 countLines(QFile& file)
{
    QByteArray buffer(LineScan::defaultChunkBytes, Qt::Uninitialized);
    qint64 lines = 0;
    bool openLine = false;
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got <= 0)
            break;
        const char* at = buffer.constData();
        const char* const end = at + got;
        while (const void* cr = std::memchr(at, '\r', static_cast<std::size_t>(end - at))) {
            ++lines;
            at = static_cast<const char*>(cr) + 1;
        }
        // A chunk without a CR always leaves an open line.
        openLine = at != end;
    }
    return lines + (openLine ? 1 : 0);
}

void BM_Floor(benchmark::State& state)
{
    const qint64 megabytes = state.range(0);
    const QString path = databaseOf(megabytes);
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the database");
            return;
        }
        benchmark::DoNotOptimize(countLines(file));
    }
    reportPeakMemory(state, megabytes);
}

// Runs a command that reads the whole database (a lookup, or one of the
// maintainers' tool), checking its outcome every time.
template <typename Command>
void wholeFile(benchmark::State& state, Command command)
{
    const qint64 megabytes = state.range(0);
    const QString path = databaseOf(megabytes);
    StepCodes codes;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the database");
            return;
        }
        if (!command(file, codes)) {
            state.SkipWithError("the command gave a wrong outcome");
            return;
        }
    }
    reportPeakMemory(state, megabytes);
}

void lookup(benchmark::State& state, const QString& segment, const QString& step, const char* expectedStep)
{
    wholeFile(state, [&](QFile& file, const StepCodes& codes) {
        const SearchOutcome outcome = searchFaults(file, {segment, step}, codes);
        benchmark::DoNotOptimize(outcome.blockStart);
        return outcome.foundStep == QLatin1String(expectedStep);
    });
}

void BM_FirstHit(benchmark::State& state)
{
    lookup(state, "5", "3", "3");
}

void BM_Fallback29(benchmark::State& state)
{
    lookup(state, "5", "1F", "3");
}

void BM_NotFound33(benchmark::State& state)
{
    lookup(state, "7", "1F", "");
}

// A read-only database made of pieces, each a pattern repeated, produced as
// it is read, so that a shape of gigabytes costs neither disk nor memory.
class GeneratedDatabase : public QIODevice {
public:
    void add(const QByteArray& pattern, qint64 repeats = 1)
    {
        // A tile of whole patterns of at least 64 KB, copied from in big steps.
        QByteArray tile = pattern;
        while (tile.size() < 64 * 1024)
            tile += pattern;
        m_pieces.append({tile, pattern.size(), m_size, pattern.size() * repeats});
        m_size += pattern.size() * repeats;
    }

    bool open() { return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    qint64 size() const override { return m_size; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        qint64 done = 0;
        qint64 at = pos();
        for (const Piece& piece : m_pieces) {
            while (done < maxSize && at >= piece.start && at < piece.start + piece.size) {
                const qint64 inPiece = at - piece.start;
                const qint64 inTile = inPiece % piece.patternSize;
                const qint64 count = std::min({maxSize - done, piece.size - inPiece, piece.tile.size() - inTile});
                std::memcpy(data + done, piece.tile.constData() + inTile, static_cast<std::size_t>(count));
                done += count;
                at += count;
            }
        }
        return done;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Piece {
        QByteArray tile;
        qint64 patternSize;
        qint64 start;
        qint64 size;
    };
    QList<Piece> m_pieces;
    qint64 m_size = 0;
};

// Where the report goes: counts the bytes and keeps none.
class CountingSink : public QIODevice {
public:
    CountingSink() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    qint64 counted = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        counted += size;
        return size;
    }
};

constexpr qint64 gigabyte = 1024 * megabyte;

void addExampleBlocks(GeneratedDatabase& database)
{
    database.add(win(u"СЕГМ 5.3.\r\nОбрыв шины управления\r\n\r\nПроверьте платы в кассете\r\n@\r\n"_qs));
}

// One lookup of segment 5 step 3 and the copy of its block; the size of the
// report it wrote, or -1.
qint64 lookUpAndCopy(QIODevice& database)
{
    StepCodes codes;
    const SearchOutcome outcome = searchFaults(database, {"5", "3"}, codes);
    if (outcome.result != SearchOutcome::Result::Found)
        return -1;
    CountingSink report;
    if (copyBlock(database, outcome.blockStart, report).result != BlockCopy::Result::Copied)
        return -1;
    return report.counted;
}

qint64 lookUpShape(int shape)
{
    if (shape == 0) {
        QFile file(databaseOf(1));
        return file.open(QIODevice::ReadOnly) ? lookUpAndCopy(file) : -1;
    }
    GeneratedDatabase database;
    switch (shape) {
    case 1: // a 1 GB line that starts with the keyword's first byte
    case 2: // the same line starting with "x"
        database.add(shape == 1 ? "\xD1" : "x");
        database.add("y", gigabyte);
        database.add("\r\n");
        addExampleBlocks(database);
        break;
    case 3: // a block of 21 million one-byte lines
        database.add(win(u"СЕГМ 5.3.\r\n"_qs));
        database.add("a\r\n", 21 * 1000 * 1000);
        database.add("@\r\n");
        break;
    case 4: // a block without its terminator to the end of a 1 GB file
        database.add(win(u"СЕГМ 5.3.\r\n"_qs));
        database.add(win(u"Проверьте кассету и плату управления, замените источник питания.\r\n"_qs), gigabyte / 66);
        break;
    case 5: { // the word search through a 1 GB line that ends in the word
        database.add(win(u"СЕГМ 5.3.\r\n"_qs));
        database.add("y", gigabyte);
        database.add(win(u" кросс\r\n@\r\n"_qs));
        if (!database.open())
            return -1;
        StepCodes codes;
        const dbtool::WordSearchSummary summary = dbtool::searchWords(
            database, {u"КРОСС"_qs}, codes, [](const dbtool::FoundBlock&) {});
        return summary.readFailed ? -1 : summary.found;
    }
    default:
        return -1;
    }
    return database.open() ? lookUpAndCopy(database) : -1;
}

// Runs one shape in a child process and reports the child's own peak memory.
void BM_Shape(benchmark::State& state)
{
    const int shape = static_cast<int>(state.range(0));
    if (shape == 0)
        databaseOf(1); // made here, so the child only reads it
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0)
            _exit(lookUpShape(shape) > 0 ? 0 : 1);
        int status = 0;
        rusage usage{};
        if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the lookup failed");
            return;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
        state.counters["seconds"] = took.count();
    }
}

void BM_Check(benchmark::State& state)
{
    wholeFile(state, [](QFile& file, const StepCodes& codes) {
        const dbtool::CheckReport report = dbtool::checkDatabase(file, codes);
        // The generated file repeats headers on purpose, and has nothing else wrong.
        return !report.readFailed && report.of(dbtool::Problem::RepeatedHeader).count > 0
            && report.problemCount() == report.of(dbtool::Problem::RepeatedHeader).count;
    });
}

void BM_Coverage(benchmark::State& state)
{
    wholeFile(state, [](QFile& file, const StepCodes& codes) {
        const dbtool::CoverageTable table = dbtool::coverDatabase(file, codes);
        return !table.readFailed && !table.segments.isEmpty();
    });
}

BENCHMARK(BM_Floor)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstHit)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fallback29)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotFound33)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
// 0: the 1 MB database; 1: a 1 GB line starting with "С"; 2: the same with
// "x"; 3: 21 million one-byte lines; 4: a block to the end of a 1 GB file;
// 5: the word search through a 1 GB line.
BENCHMARK(BM_Shape)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Coverage)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zornalit

BENCHMARK_MAIN();
