// The line scan must give the lines the lookup's reader
// gives, at any chunk size, while keeping only the start of each.

#include "lookup/LineScan.h"
#include "lookup/LineReader.h"
#include "support/RandomFaultDatabase.h"
#include "support/TrickleDevice.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <algorithm>

namespace zornalit {
namespace {

struct Line {
    qint64 number = 0;
    QByteArray start;
    qint64 length = 0;
    qint64 lineFeeds = 0;
    qint64 unassigned = 0;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& line, std::ostream* out)
{
    *out << "line " << line.number << " \"" << line.start.toPercentEncoding(" ").toStdString() << "\" (" << line.length
         << " bytes, LF " << line.lineFeeds << ", 0x98 " << line.unassigned << ")";
}

QList<Line> byLineReader(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    QList<Line> lines;
    while (const std::optional<QByteArrayView> line = reader.next()) {
        lines << Line{lines.size() + 1, line->first(std::min(line->size(), LineScan::keptBytes)).toByteArray(),
            line->size(), line->count('\n'), line->count('\x98')};
    }
    return lines;
}

// The lines one way of stepping through a scan hands back, and how many
// lines it counted in all.
template <typename Step>
std::pair<QList<Line>, qint64> scanned(const QByteArray& bytes, qsizetype chunk, Step step)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineScan scan(buffer, chunk);
    QList<Line> lines;
    while (const ScannedLine* line = step(scan))
        lines << Line{line->number, line->start.toByteArray(), line->length, line->lineFeeds, line->unassigned};
    return {lines, scan.linesRead()};
}

QList<Line> byLineScan(const QByteArray& bytes, qsizetype chunk)
{
    return scanned(bytes, chunk, [](LineScan& scan) { return scan.next(); }).first;
}

std::pair<QList<Line>, qint64> byNextNotable(const QByteArray& bytes, qsizetype chunk, QByteArrayView firstBytes)
{
    const LineScan::FirstBytes wanted(firstBytes);
    return scanned(bytes, chunk, [&wanted](LineScan& scan) { return scan.nextNotable(wanted); });
}

// A random database; one time in four a run of byte 0x98, of shortest to
// shortest + spread - 1 bytes, stands somewhere in it.
QByteArray randomDatabase(testing::RandomFaultDatabase& random, int shortest, int spread)
{
    QByteArray bytes = random.make(StepCodes());
    if (random.below(4) == 0)
        bytes.insert(
            random.below(static_cast<int>(bytes.size()) + 1), QByteArray(shortest + random.below(spread), '\x98'));
    return bytes;
}

// Chunks of one or a few bytes, of a few blocks of 64, and the usual size.
qsizetype randomChunk(testing::RandomFaultDatabase& random)
{
    switch (random.below(3)) {
    case 0:
        return 1 + random.below(70);
    case 1:
        return 64 + random.below(400);
    default:
        return LineScan::defaultChunkBytes;
    }
}

TEST(LineScan, SplitsAsTheLookupsReaderOnRandomDatabases)
{
    for (std::uint32_t seed = 7000; seed < 7000 + 1500; ++seed) {
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = randomDatabase(random, 300, 400);
        const qsizetype chunk = randomChunk(random);
        ASSERT_EQ(byLineScan(bytes, chunk), byLineReader(bytes)) << "seed " << seed << ", chunk " << chunk;
    }
}

// Skipping lines in bulk must neither lose a wanted line nor miscount one.
TEST(LineScan, HandsBackExactlyTheWantedLines)
{
    for (std::uint32_t seed = 9000; seed < 9000 + 1500; ++seed) {
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = randomDatabase(random, 1, 3);
        // The check's own bytes, or a few taken from the database itself.
        QByteArray firstBytes = "\xD1\xF1"
                                "Cc@ \t";
        if (random.below(2) == 0 && !bytes.isEmpty()) {
            firstBytes.clear();
            for (int i = 1 + random.below(10); i > 0; --i)
                firstBytes += bytes[random.below(static_cast<int>(bytes.size()))];
        }
        const qsizetype chunk = randomChunk(random);

        const QList<Line> all = byLineReader(bytes);
        QList<Line> wanted;
        std::copy_if(all.cbegin(), all.cend(), std::back_inserter(wanted), [&](const Line& line) {
            return line.lineFeeds > 0 || line.unassigned > 0
                || (!line.start.isEmpty() && firstBytes.contains(line.start.front()));
        });
        const auto [found, counted] = byNextNotable(bytes, chunk, firstBytes);
        ASSERT_EQ(found, wanted) << "seed " << seed << ", chunk " << chunk;
        ASSERT_EQ(counted, all.size()) << "seed " << seed << ", chunk " << chunk;
    }
}

// A reader that needs whole lines gets every byte of each, in pieces no
// larger than a chunk, and nothing of the line ends.
TEST(LineScan, HandsOverEveryByteOfEachLineInPieces)
{
    for (std::uint32_t seed = 11000; seed < 11000 + 500; ++seed) {
        testing::RandomFaultDatabase random(seed);
        QByteArray bytes = randomDatabase(random, 300, 400);
        if (random.below(3) == 0)
            bytes.insert(random.below(static_cast<int>(bytes.size()) + 1), QByteArray(70'000 + random.below(2), 'y'));
        const qsizetype chunk = randomChunk(random);

        QList<QByteArray> whole;
        {
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            LineReader reader(buffer);
            while (const std::optional<QByteArrayView> line = reader.next())
                whole << line->toByteArray();
        }
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        LineScan scan(buffer, chunk);
        QList<QByteArray> joined;
        QByteArray line;
        qsizetype largest = 0;
        const LineScan::Pieces piece = [&](QByteArrayView part) {
            line += part;
            largest = std::max(largest, part.size());
            return true;
        };
        while (const ScannedLine* scanned = scan.next(piece)) {
            ASSERT_EQ(scanned->length, line.size()) << "seed " << seed << ", chunk " << chunk;
            joined << line;
            line.clear();
        }
        ASSERT_EQ(joined, whole) << "seed " << seed << ", chunk " << chunk;
        ASSERT_LE(largest, chunk) << "seed " << seed;
    }
}

// A reader that has what it needs stops at a piece: nothing after it is
// read, not even the rest of that chunk's lines.
TEST(LineScan, AReaderCanStopAtAPiece)
{
    const QByteArray bytes = "one\r\ntwo\r\nstop here\r\nfour\r\n";
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineScan scan(buffer, 13);
    QByteArrayList seen;
    const LineScan::Pieces piece = [&seen](QByteArrayView part) {
        seen << part.toByteArray();
        return !part.startsWith('s');
    };
    ASSERT_TRUE(scan.next(piece));
    ASSERT_TRUE(scan.next(piece));
    EXPECT_FALSE(scan.next(piece));
    EXPECT_FALSE(scan.next(piece)) << "a stopped scan stays at its end";
    EXPECT_FALSE(scan.failed());
    EXPECT_EQ(seen, (QByteArrayList{"one", "two", "sto"}));
    EXPECT_EQ(buffer.pos(), 13) << "no read past the chunk that held the piece";
}

// A device that gives a few bytes at a time, as a pipe may, gives the same
// lines as one that fills every read.
TEST(LineScan, TakesShortReadsAsTheyCome)
{
    testing::RandomFaultDatabase random(4242);
    const QByteArray bytes = randomDatabase(random, 300, 400);
    testing::TrickleDevice device(bytes, 13);
    LineScan scan(device, 4096);
    QList<Line> lines;
    while (const ScannedLine* line = scan.next())
        lines << Line{line->number, line->start.toByteArray(), line->length, line->lineFeeds, line->unassigned};
    EXPECT_EQ(lines, byLineReader(bytes));
}

// A file of one endless line, however it is stepped through.
TEST(LineScan, KeepsOnlyTheStartOfAnEndlessLine)
{
    const QByteArray line = "\xD1\xC5\xC3\xCC 5.3." + QByteArray(3 * 1024 * 1024, 'x') + "\n\n";
    const LineScan::FirstBytes wanted("\xD1");
    for (const bool skipping : {false, true}) {
        QBuffer buffer;
        buffer.setData(line);
        buffer.open(QIODevice::ReadOnly);
        LineScan scan(buffer, 4096);
        const auto step = [&] { return skipping ? scan.nextNotable(wanted) : scan.next(); };
        const ScannedLine* only = step();
        ASSERT_TRUE(only);
        EXPECT_EQ(only->start, line.first(LineScan::keptBytes));
        EXPECT_EQ(only->length, line.size());
        EXPECT_EQ(only->lineFeeds, 2);
        EXPECT_FALSE(step());
        EXPECT_EQ(scan.linesRead(), 1);
    }
}

} // namespace
} // namespace zornalit
