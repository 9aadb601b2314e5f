// The check's own line splitting must give the lines the lookup's reader
// gives, at any chunk size, while keeping only the start of each.

#include "dbtool/LineScan.h"
#include "lookup/LineReader.h"
#include "support/RandomFaultDatabase.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <algorithm>

namespace zornalit::dbtool {
namespace {

struct Line {
    QByteArray start;
    qint64 length = 0;
    qint64 lineFeeds = 0;
    qint64 unassigned = 0;
    bool operator==(const Line&) const = default;
};

QList<Line> byLineReader(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    QList<Line> lines;
    while (const std::optional<QByteArrayView> line = reader.next()) {
        lines << Line{line->first(std::min(line->size(), LineScan::keptBytes)).toByteArray(), line->size(),
                      line->count('\n'), line->count('\x98')};
    }
    return lines;
}

QList<Line> byLineScan(const QByteArray& bytes, qsizetype chunk)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineScan scan(buffer, chunk);
    QList<Line> lines;
    while (const ScannedLine* line = scan.next()) {
        EXPECT_EQ(line->number, lines.size() + 1);
        lines << Line{line->start.toByteArray(), line->length, line->lineFeeds, line->unassigned};
    }
    return lines;
}

TEST(LineScan, SplitsAsTheLookupsReaderOnRandomDatabases)
{
    StepCodes codes;
    for (std::uint32_t seed = 7000; seed < 7000 + 1500; ++seed) {
        testing::RandomFaultDatabase random(seed);
        QByteArray bytes = random.make(codes);
        if (random.below(4) == 0)
            bytes.insert(random.below(static_cast<int>(bytes.size()) + 1), QByteArray(300 + random.below(400), '\x98'));
        const qsizetype chunk = random.below(2) == 0 ? LineScan::defaultChunkBytes : 1 + random.below(70);
        ASSERT_EQ(byLineScan(bytes, chunk), byLineReader(bytes)) << "seed " << seed << ", chunk " << chunk;
    }
}

TEST(LineScan, KeepsOnlyTheStartOfAnEndlessLine)
{
    const QByteArray line = "\xD1\xC5\xC3\xCC 5.3." + QByteArray(3 * 1024 * 1024, 'x') + "\n\n";
    QBuffer buffer;
    buffer.setData(line);
    buffer.open(QIODevice::ReadOnly);
    LineScan scan(buffer, 4096);
    const ScannedLine* only = scan.next();
    ASSERT_TRUE(only);
    EXPECT_EQ(only->start, line.first(LineScan::keptBytes));
    EXPECT_EQ(only->length, line.size());
    EXPECT_EQ(only->lineFeeds, 2);
    EXPECT_FALSE(scan.next());
}

} // namespace
} // namespace zornalit::dbtool
