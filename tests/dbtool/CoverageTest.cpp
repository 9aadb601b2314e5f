#include "dbtool/Coverage.h"
#include "support/DatabaseLines.h"

#include <gtest/gtest.h>

#include <QBuffer>

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

} // namespace
} // namespace zornalit::dbtool
