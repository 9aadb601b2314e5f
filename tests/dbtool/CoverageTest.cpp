#include "dbtool/Coverage.h"
#include "lookup/FaultSearch.h"
#include "support/DatabaseLines.h"
#include "support/RandomFaultDatabase.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <random>

namespace zornalit::dbtool {
namespace {

TEST(Coverage, EachStepLeadsWhereTheFallbackLeads)
{
    StepCodes codes;
    QBuffer buffer;
    buffer.setData(testing::databaseLines({u"СЕГМ 5.3."_qs, u"@"_qs, u"СЕГМ 5.3. повтор"_qs, u"@"_qs, u"СЕГМ 12.1A."_qs,
        u"@"_qs, u"СЕГМ 12.1."_qs, u"@"_qs, u"СЕГМ 05.7."_qs, u"@"_qs}));
    buffer.open(QIODevice::ReadOnly);
    const CoverageTable table = coverDatabase(buffer, codes);

    ASSERT_EQ(table.segments.size(), 2); // "05" can never be asked
    const SegmentCoverage& five = table.segments[0];
    EXPECT_EQ(five.segment, "5");
    EXPECT_FALSE(five.shown[0].exists()); // 0, then 1: nothing
    EXPECT_FALSE(five.shown[2].exists());
    for (int position = 3; position < StepCodes::count; ++position)
        EXPECT_EQ(five.shown[position].text, QByteArray("\xD1\xC5\xC3\xCC 5.3.")) << position;

    const SegmentCoverage& twelve = table.segments[1];
    EXPECT_EQ(twelve.segment, "12");
    EXPECT_TRUE(twelve.shown[0].text.endsWith("12.1.")); // 0 falls back to 1
    EXPECT_TRUE(twelve.shown[25].text.endsWith("12.1."));
    EXPECT_TRUE(twelve.shown[26].text.endsWith("12.1A."));
    EXPECT_TRUE(twelve.shown[31].text.endsWith("12.1A."));
}

// The line that starts at offset, as the table shows it: up to its CR,
// at most shownHeaderBytes.
QByteArray shownLineAt(const QByteArray& bytes, qint64 offset)
{
    const qsizetype end = bytes.indexOf('\r', offset);
    const QByteArray line = bytes.sliced(offset, (end < 0 ? bytes.size() : end) - offset);
    return line.first(std::min(line.size(), shownHeaderBytes));
}

// Headers only, of few segments and steps written in several ways: pairs
// repeat, and near misses (segment 1 against 12, step 3 against " 3")
// meet often.
QByteArray crowdedHeaders(std::uint32_t seed)
{
    std::mt19937 random(seed);
    const auto pick = [&random](const QByteArrayList& choices) { return choices[random() % choices.size()]; };
    const QByteArrayList afterKeyword{" ", " ", "", "  "};
    const QByteArrayList segments{"1", "12", "5", "05", "A", "1A", " 1"};
    const QByteArrayList steps{"3", "1", "0", "1A", "1a", " 3", "3 ", "03"};
    QByteArray bytes;
    for (int i = 0; i < 30; ++i)
        bytes += testing::win(u"СЕГМ"_qs) + pick(afterKeyword) + pick(segments) + '.' + pick(steps) + ".\r\n@\r\n";
    return bytes;
}

// The table must show, for every query, the very header the window's own
// search finds, also on databases full of odd and repeated headers.
TEST(Coverage, ShowsForEveryQueryTheHeaderTheLookupFinds)
{
    StepCodes codes;
    for (std::uint32_t seed = 0; seed < 600; ++seed) {
        const QByteArray bytes = seed % 2 == 0 ? testing::RandomFaultDatabase(seed).make(codes) : crowdedHeaders(seed);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const CoverageTable table = coverDatabase(buffer, codes);
        for (const char* segment : {"5", "12", "A", "1"}) {
            const auto covered = std::find_if(table.segments.cbegin(), table.segments.cend(),
                [&](const SegmentCoverage& row) { return row.segment == segment; });
            for (int position = 0; position < StepCodes::count; ++position) {
                QBuffer again;
                again.setData(bytes);
                again.open(QIODevice::ReadOnly);
                const SearchOutcome found = searchFaults(again, {segment, codes.at(position)}, codes);
                const QByteArray expected = found.result == SearchOutcome::Result::Found
                    ? shownLineAt(bytes, found.blockStart)
                    : QByteArray();
                const QByteArray shown = covered == table.segments.cend() ? QByteArray()
                                                                          : covered->shown[position].text;
                ASSERT_EQ(shown, expected) << "seed " << seed << ", segment " << segment << ", step " << position;
            }
        }
    }
}

} // namespace
} // namespace zornalit::dbtool
