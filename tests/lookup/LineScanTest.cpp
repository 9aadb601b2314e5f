// The line scan and the line start search must give the lines the plain
// model of the line rules gives (support/ModelLines.h), where they stand and
// how they are counted, at any chunk size and however the device hands over
// its bytes, while keeping only the start of each.

#include "lookup/LineScan.h"
#include "lookup/LineStartSearch.h"
#include "support/FailingDevice.h"
#include "support/ModelLines.h"
#include "support/RandomFaultDatabase.h"
#include "support/TrickleDevice.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <tuple>

namespace zornalit {
namespace {

using testing::TrickleDevice;

struct Line {
    qint64 number = 0;
    qint64 offset = 0;
    QByteArray start;
    qint64 length = 0;
    qint64 lineFeeds = 0;
    qint64 unassigned = 0;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& line, std::ostream* out)
{
    *out << "line " << line.number << " at " << line.offset << " \"" << line.start.toPercentEncoding(" ").toStdString()
         << "\" (" << line.length << " bytes, LF " << line.lineFeeds << ", 0x98 " << line.unassigned << ")";
}

Line lineOf(const ScannedLine& line)
{
    return Line{line.number, line.offset, line.start.toByteArray(), line.length, line.lineFeeds, line.unassigned};
}

// The lines of bytes by the model, each start cut to kept bytes.
QList<Line> modelOf(const QByteArray& bytes, qsizetype kept = LineScan::keptBytes)
{
    QList<Line> lines;
    for (const QByteArrayView line : testing::modelLines(bytes)) {
        lines << Line{lines.size() + 1, line.data() - bytes.constData(),
            line.first(std::min(line.size(), kept)).toByteArray(), line.size(), line.count('\n'), line.count('\x98')};
    }
    return lines;
}

QList<Line> modelWhere(
    const QByteArray& bytes, const std::function<bool(const Line&)>& wanted, qsizetype kept = LineScan::keptBytes)
{
    QList<Line> lines;
    for (const Line& line : modelOf(bytes, kept)) {
        if (wanted(line))
            lines << line;
    }
    return lines;
}

// The lines as the line start search, which numbers none, hands them back.
QList<Line> uncounted(QList<Line> lines)
{
    for (Line& line : lines)
        line.number = 0;
    return lines;
}

bool notable(const Line& line, QByteArrayView firstBytes)
{
    return line.lineFeeds > 0 || line.unassigned > 0
        || (!line.start.isEmpty() && firstBytes.contains(line.start.front()));
}

bool startsWith(const Line& line, char first)
{
    return line.start.startsWith(first);
}

// A reader of a device, stepped through one way.
class Reading {
public:
    virtual ~Reading() = default;
    virtual const ScannedLine* next() = 0;
    // Lines handed back or skipped; 0 from a reader that numbers none.
    virtual qint64 linesRead() const = 0;
    virtual bool failed() const = 0;
    virtual QString errorString() const = 0;
    virtual qsizetype heldBytes() const = 0;
};

template <typename Reader, typename Step>
class ReadingWith final : public Reading {
public:
    ReadingWith(std::unique_ptr<Reader> reader, Step step)
        : m_reader(std::move(reader))
        , m_step(std::move(step))
    {
    }
    const ScannedLine* next() override { return m_step(*m_reader); }
    qint64 linesRead() const override
    {
        if constexpr (requires { m_reader->linesRead(); })
            return m_reader->linesRead();
        return 0;
    }
    bool failed() const override { return m_reader->failed(); }
    QString errorString() const override { return m_reader->errorString(); }
    qsizetype heldBytes() const override { return m_reader->heldBytes(); }

private:
    std::unique_ptr<Reader> m_reader;
    Step m_step;
};

// One way of reading: makes its reader for a device, a chunk size and the
// bytes to keep of each line.
using Way = std::function<std::unique_ptr<Reading>(QIODevice&, qsizetype, qsizetype)>;

template <typename Step>
Way scanWay(Step step)
{
    return [step](QIODevice& device, qsizetype chunk, qsizetype kept) -> std::unique_ptr<Reading> {
        return std::make_unique<ReadingWith<LineScan, Step>>(std::make_unique<LineScan>(device, chunk, kept), step);
    };
}

const Way byNext = scanWay([](LineScan& scan) { return scan.next(); });

Way byNextNotable(QByteArrayView firstBytes)
{
    return scanWay([wanted = LineScan::FirstBytes(firstBytes)](LineScan& scan) { return scan.nextNotable(wanted); });
}

Way byLineStart(char first)
{
    return [first](QIODevice& device, qsizetype chunk, qsizetype kept) -> std::unique_ptr<Reading> {
        const auto step = [](LineStartSearch& search) { return search.next(); };
        return std::make_unique<ReadingWith<LineStartSearch, decltype(step)>>(
            std::make_unique<LineStartSearch>(device, first, chunk, kept), step);
    };
}

struct Scanned {
    QList<Line> lines;
    qint64 counted = 0; // lines handed back or skipped
};

Scanned scanned(QIODevice& device, qsizetype chunk, const Way& way, qsizetype kept = LineScan::keptBytes)
{
    const std::unique_ptr<Reading> reader = way(device, chunk, kept);
    Scanned result;
    while (const ScannedLine* line = reader->next())
        result.lines << lineOf(*line);
    EXPECT_FALSE(reader->failed()) << reader->errorString();
    EXPECT_FALSE(reader->next()) << "a reader at its end stays there";
    result.counted = reader->linesRead();
    return result;
}

Scanned scanned(const QByteArray& bytes, qsizetype chunk, const Way& way, qsizetype kept = LineScan::keptBytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return scanned(buffer, chunk, way, kept);
}

QByteArrayList startsOf(const QByteArray& bytes, qsizetype chunk = LineScan::defaultChunkBytes)
{
    QByteArrayList starts;
    for (const Line& line : scanned(bytes, chunk, byNext).lines)
        starts << line.start;
    return starts;
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

TEST(LineScan, LineEnds)
{
    EXPECT_EQ(startsOf("a\r\nb\r\n"), (QByteArrayList{"a", "b"}));
    EXPECT_EQ(startsOf("a\rb\r"), (QByteArrayList{"a", "b"})) << "a lone CR ends a line";
    EXPECT_EQ(startsOf("a\nb\r\nc"), (QByteArrayList{"a\nb", "c"})) << "a lone LF stays in the line";
    EXPECT_EQ(startsOf("a\n\r\n"), (QByteArrayList{"a\n"}));
    EXPECT_EQ(startsOf("\nx"), (QByteArrayList{"\nx"}));
    EXPECT_EQ(startsOf("a\r\r\nb"), (QByteArrayList{"a", "", "b"}));
    EXPECT_EQ(startsOf("a\n\rb"), (QByteArrayList{"a\n", "b"}));
}

TEST(LineScan, EndOfFile)
{
    EXPECT_EQ(startsOf(""), QByteArrayList{}) << "an empty file has no lines";
    EXPECT_EQ(startsOf("last"), (QByteArrayList{"last"})) << "the last line may lack its line end";
    EXPECT_EQ(startsOf("last\r\n"), (QByteArrayList{"last"})) << "a final line end starts no line";
    EXPECT_EQ(startsOf("\r\n"), (QByteArrayList{""}));
    EXPECT_EQ(startsOf("\r\n\r\n"), (QByteArrayList{"", ""}));
    EXPECT_EQ(startsOf("\r"), (QByteArrayList{""}));
    EXPECT_EQ(startsOf("\n"), (QByteArrayList{"\n"}));
}

TEST(LineScan, KeepsEveryByteOfALine)
{
    QByteArray line;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r')
            line.append(static_cast<char>(byte));
    }
    const QList<Line> lines = scanned(line + "\r\n" + line, 7, byNext).lines;
    EXPECT_EQ(lines, (QList<Line>{{1, 0, line, 255, 1, 1}, {2, 257, line, 255, 1, 1}}));
}

// Every way of stepping through the scan, over chunks and reads that split
// the line ends.
TEST(LineScan, LineEndsSplitAcrossReads)
{
    const QByteArray text = "ab\r\ncd\re\nf\r\n\r\ng\r";
    const QList<Line> all = modelOf(text);
    ASSERT_EQ(all.size(), 5);
    const auto check = [&](const std::function<Scanned(const Way&)>& scanWith, const std::string& how) {
        EXPECT_EQ(scanWith(byNext).lines, all) << how;
        EXPECT_EQ(scanWith(byNextNotable("c")).lines, modelWhere(text, [](const Line& l) { return notable(l, "c"); }))
            << how;
        for (const char first : {'a', 'c', 'e', 'f', 'g'}) {
            const Scanned found = scanWith(byLineStart(first));
            EXPECT_EQ(found.lines, uncounted(modelWhere(text, [first](const Line& l) { return startsWith(l, first); })))
                << how << ", lines starting with " << first;
        }
    };
    for (qsizetype chunk = 1; chunk <= 8; ++chunk)
        check([&](const Way& way) { return scanned(text, chunk, way); }, "chunk " + std::to_string(chunk));
    for (qint64 step = 1; step <= 4; ++step) {
        check(
            [&](const Way& way) {
                TrickleDevice device(text, step);
                return scanned(device, 3, way);
            },
            "device step " + std::to_string(step));
    }
}

// The scan's two ways of stepping mixed at random on random texts: each step
// must give what the model gives from where the one before stopped, and
// every line is counted whichever way it was passed.
TEST(LineScan, EveryWayOfSteppingAgreesOnRandomTexts)
{
    const QByteArray alphabet = "xxab\r\r\n\n\x98";
    const LineScan::FirstBytes bytesX("x");
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed);
        QByteArray text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        const QList<Line> all = modelOf(text);

        TrickleDevice device(text, 1 + static_cast<qint64>(random() % 8), TrickleDevice::Access::RandomAccess);
        LineScan scan(device, 1 + static_cast<qsizetype>(random() % 6));
        qsizetype at = 0; // index in all of the next line
        for (;;) {
            const ScannedLine* line = nullptr;
            if (random() % 2 == 0) {
                line = scan.next();
            } else {
                while (at < all.size() && !notable(all[at], "x"))
                    ++at;
                line = scan.nextNotable(bytesX);
            }
            if (at == all.size()) {
                ASSERT_FALSE(line) << "seed " << seed;
                break;
            }
            ASSERT_TRUE(line) << "seed " << seed;
            ASSERT_EQ(lineOf(*line), all[at]) << "seed " << seed;
            ++at;
        }
        ASSERT_EQ(scan.linesRead(), all.size()) << "seed " << seed;
    }
}

TEST(LineScan, SplitsAsTheModelOnRandomDatabases)
{
    for (std::uint32_t seed = 7000; seed < 7000 + 1500; ++seed) {
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = randomDatabase(random, 300, 400);
        const qsizetype chunk = randomChunk(random);
        ASSERT_EQ(scanned(bytes, chunk, byNext).lines, modelOf(bytes)) << "seed " << seed << ", chunk " << chunk;
    }
}

// Skipping lines in bulk must neither lose a wanted line nor miscount one.
TEST(LineScan, HandsBackExactlyTheNotableLines)
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

        const Scanned found = scanned(bytes, chunk, byNextNotable(firstBytes));
        ASSERT_EQ(found.lines, modelWhere(bytes, [&](const Line& line) { return notable(line, firstBytes); }))
            << "seed " << seed << ", chunk " << chunk;
        ASSERT_EQ(found.counted, modelOf(bytes).size()) << "seed " << seed << ", chunk " << chunk;
    }
}

// Passing over the lines between the wanted ones by their first bytes only
// must neither lose a wanted line nor take a byte inside a line for the
// start of one.
TEST(LineScan, HandsBackExactlyTheLinesStartingWithAByte)
{
    for (std::uint32_t seed = 13000; seed < 13000 + 1500; ++seed) {
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = randomDatabase(random, 1, 3);
        // The keyword's first byte, or one taken from the database itself.
        char first = '\xD1';
        if (random.below(2) == 0 && !bytes.isEmpty())
            first = bytes[random.below(static_cast<int>(bytes.size()))];
        if (first == '\r' || first == '\n')
            first = '@';
        const qsizetype chunk = randomChunk(random);
        const qsizetype kept = random.below(2) == 0 ? LineScan::keptBytes : 1 + random.below(20);
        const qint64 step = random.below(2) == 0 ? TrickleDevice::noLimit : 1 + random.below(100);

        TrickleDevice device(bytes, step);
        const Scanned found = scanned(device, chunk, byLineStart(first), kept);
        ASSERT_EQ(found.lines,
            uncounted(modelWhere(
                bytes, [first](const Line& line) { return startsWith(line, first); }, kept)))
            << "seed " << seed << ", chunk " << chunk << ", kept " << kept << ", device step " << step;
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
        for (const QByteArrayView line : testing::modelLines(bytes))
            whole << line.toByteArray();
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
    TrickleDevice device(bytes, 13);
    EXPECT_EQ(scanned(device, 4096, byNext).lines, modelOf(bytes));
}

// Positions are the device's: a line is found again by seeking to its
// position, also when the scan began part way into the device.
TEST(LineScan, PositionsAreTheDevicesOwn)
{
    const QByteArray bytes = "title\r\nx one\r\n\r\nbody\nx not a line start\rx two\r\n";
    for (const qint64 from : {0, 3, 7}) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ASSERT_TRUE(buffer.seek(from));
        const QList<Line> found = scanned(buffer, 5, byLineStart('x')).lines;
        QList<Line> expected = uncounted(
            modelWhere(bytes.sliced(from), [](const Line& line) { return startsWith(line, 'x'); }));
        for (Line& line : expected)
            line.offset += from;
        EXPECT_EQ(found, expected) << "from " << from;
        for (const Line& line : found) {
            ASSERT_TRUE(buffer.seek(line.offset));
            EXPECT_EQ(buffer.read(line.start.size()), line.start) << "from " << from;
        }
    }
}

// A file of one endless line, however it is stepped through.
TEST(LineScan, KeepsOnlyTheStartOfAnEndlessLine)
{
    const QByteArray line = "\xD1\xC5\xC3\xCC 5.3." + QByteArray(3 * 1024 * 1024, 'x') + "\n\n";
    const std::pair<Way, qint64> ways[] = {{byNext, 1}, {byNextNotable("\xD1"), 1}, {byLineStart('\xD1'), 0}};
    for (const auto& [way, number] : ways) {
        QBuffer buffer;
        buffer.setData(line);
        buffer.open(QIODevice::ReadOnly);
        const std::unique_ptr<Reading> scan = way(buffer, 4096, LineScan::keptBytes);
        const ScannedLine* only = scan->next();
        ASSERT_TRUE(only);
        EXPECT_EQ(only->number, number);
        EXPECT_EQ(only->start, line.first(LineScan::keptBytes));
        EXPECT_EQ(only->length, line.size());
        EXPECT_EQ(only->lineFeeds, 2);
        EXPECT_LT(scan->heldBytes(), 1024 * 1024);
        EXPECT_FALSE(scan->next());
        EXPECT_EQ(scan->linesRead(), number);
    }
}

// Lines of megabytes, wanted or passed over, cost no more memory than short
// ones: a file saved with LF line ends is one such line to the scan.
TEST(LineScan, HugeLinesHoldLittleMemory)
{
    QByteArray lfLines;
    for (int i = 0; i < 400000; ++i)
        lfLines += "y line with an LF end\n";
    const QByteArray wanted = "w" + QByteArray(8 * 1024 * 1024, 'y');
    const QByteArray bytes = lfLines + "\r" + wanted + "\r\n" + wanted + "\rwanted";
    const qint64 second = lfLines.size() + 1 + wanted.size() + 2;
    const Line lfLine{1, 0, "y li", lfLines.size(), 400000, 0};
    const QList<Line> wantedLines{{2, lfLines.size() + 1, "wyyy", wanted.size(), 0, 0},
        {3, second, "wyyy", wanted.size(), 0, 0}, {4, second + wanted.size() + 1, "want", 6, 0, 0}};
    const std::pair<Way, QList<Line>> ways[] = {
        {byNext, QList<Line>{lfLine} + wantedLines},
        {byNextNotable("w"), QList<Line>{lfLine} + wantedLines},
        {byLineStart('w'), uncounted(wantedLines)},
    };
    for (const auto& [way, expected] : ways) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const std::unique_ptr<Reading> scan = way(buffer, LineScan::defaultChunkBytes, 4);
        QList<Line> lines;
        while (const ScannedLine* line = scan->next()) {
            lines << lineOf(*line);
            EXPECT_LT(scan->heldBytes(), 1024 * 1024) << "of " << bytes.size();
        }
        EXPECT_EQ(lines, expected);
    }
}

// A read that fails ends the scan: the lines read whole before it are
// handed back, a line cut short is not, and the device's reason is kept.
TEST(LineScan, ReportsADeviceError)
{
    for (std::uint32_t seed = 15000; seed < 15000 + 500; ++seed) {
        testing::RandomFaultDatabase random(seed);
        const QByteArray bytes = randomDatabase(random, 1, 3);
        if (bytes.isEmpty())
            continue;
        const qint64 readLimit = random.below(static_cast<int>(bytes.size()));
        const qsizetype chunk = randomChunk(random);
        const char first = random.below(2) == 0 ? '\xD1' : '@';
        const std::tuple<Way, std::function<bool(const Line&)>, bool> ways[] = {
            {byNext, [](const Line&) { return true; }, true},
            {byNextNotable("@"), [](const Line& line) { return notable(line, "@"); }, true},
            {byLineStart(first), [first](const Line& line) { return startsWith(line, first); }, false},
        };
        for (const auto& [way, wanted, counted] : ways) {
            // A line is whole once its CR is read.
            QList<Line> expected = modelWhere(
                bytes, [&](const Line& line) { return wanted(line) && line.offset + line.length < readLimit; });
            if (!counted)
                expected = uncounted(expected);
            testing::FailingDevice device(bytes, readLimit);
            const std::unique_ptr<Reading> scan = way(device, chunk, LineScan::keptBytes);
            QList<Line> lines;
            while (const ScannedLine* line = scan->next())
                lines << lineOf(*line);
            ASSERT_EQ(lines, expected) << "seed " << seed << ", chunk " << chunk << ", fails at " << readLimit;
            ASSERT_TRUE(scan->failed()) << "seed " << seed;
            EXPECT_EQ(scan->errorString(), QStringLiteral("сбой чтения"));
            EXPECT_FALSE(scan->next()) << "a failed reader stays at its end";
        }
    }
}

} // namespace
} // namespace zornalit
