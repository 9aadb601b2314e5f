#include "lookup/Cp1251.h"
#include "lookup/FaultSearch.h"
#include "lookup/StepFallback.h"
#include "support/CopiedBlock.h"
#include "support/DatabaseLines.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace zornalit {
namespace {

using testing::databaseLines;
using testing::win;

// The example database: two blocks among lines outside blocks.
const QStringList example = {
    u"Неисправности АТСКЭ «Квант»"_qs, // 1
    u"СЕГМ 5.3."_qs,                   // 2
    u"Обрыв шины управления"_qs,       // 3
    QString(),                         // 4
    u"Проверьте платы в кассете"_qs,   // 5
    u"@"_qs,                           // 6
    QString(),                         // 7
    u"СЕГМ 12.1A."_qs,                 // 8
    u"Сбой таймера"_qs,                // 9
    u"@ конец описания"_qs,            // 10
};

// What a lookup gives: the outcome of the search and the block it copies.
struct Lookup {
    SearchOutcome::Result result;
    QString foundStep;
    QByteArrayList block;
};

class FaultSearch : public ::testing::Test {
protected:
    Lookup search(const QByteArray& bytes, const QString& segment, const QString& step)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const SearchOutcome outcome = searchFaults(buffer, {segment, step}, codes);
        Lookup found{outcome.result, outcome.foundStep, {}};
        if (outcome.result == SearchOutcome::Result::Found)
            found.block = testing::copiedBlock(bytes, outcome.blockStart);
        return found;
    }

    QByteArrayList blockOf(const QByteArray& bytes, const QString& segment, const QString& step)
    {
        const Lookup outcome = search(bytes, segment, step);
        EXPECT_EQ(outcome.result, SearchOutcome::Result::Found) << segment << '.' << step;
        return outcome.block;
    }

    bool finds(const QByteArray& bytes, const QString& segment, const QString& step)
    {
        return search(bytes, segment, step).result == SearchOutcome::Result::Found;
    }

    QByteArrayList lines(std::initializer_list<int> numbers)
    {
        QByteArrayList picked;
        for (const int number : numbers)
            picked << win(example[number - 1]);
        return picked;
    }

    StepCodes codes;
    const QByteArray exampleBytes = databaseLines(example);
};

TEST_F(FaultSearch, FallbackOrder)
{
    EXPECT_EQ(fallbackSteps("3", codes), (QStringList{"3", "2", "1", "0", "1"}));
    EXPECT_EQ(fallbackSteps("0", codes), (QStringList{"0", "1"}));
    EXPECT_EQ(fallbackSteps("1", codes), (QStringList{"1", "0", "1"}));
    const QStringList fromTop = fallbackSteps("1F", codes);
    ASSERT_EQ(fromTop.size(), 33);
    EXPECT_EQ(fromTop.first(), "1F");
    EXPECT_EQ(fromTop[27], "4");
    EXPECT_EQ(fromTop[28], "3") << "the 29th pass looks for step 3";
    EXPECT_EQ(fromTop[31], "0");
    EXPECT_EQ(fromTop[32], "1");
}

TEST_F(FaultSearch, ExampleHits)
{
    const Lookup first = search(exampleBytes, "5", "3");
    ASSERT_EQ(first.result, SearchOutcome::Result::Found);
    EXPECT_EQ(first.block, lines({2, 3, 4, 5}));
    EXPECT_EQ(first.foundStep, "3");

    EXPECT_EQ(blockOf(exampleBytes, "12", "1A"), lines({8, 9}));
}

TEST_F(FaultSearch, ExampleFallsBackToALowerStep)
{
    const Lookup fromSeven = search(exampleBytes, "5", "7");
    ASSERT_EQ(fromSeven.result, SearchOutcome::Result::Found);
    EXPECT_EQ(fromSeven.foundStep, "3");
    EXPECT_EQ(fromSeven.block, lines({2, 3, 4, 5}));

    const Lookup fromTop = search(exampleBytes, "5", "1F");
    EXPECT_EQ(fromTop.foundStep, "3");
    EXPECT_EQ(fromTop.block, lines({2, 3, 4, 5}));

    const Lookup from1B = search(exampleBytes, "12", "1B");
    EXPECT_EQ(from1B.foundStep, "1A");
    EXPECT_EQ(from1B.block, lines({8, 9}));
}

TEST_F(FaultSearch, ExampleFindsNothing)
{
    EXPECT_FALSE(finds(exampleBytes, "12", "3"));
    EXPECT_FALSE(finds(exampleBytes, "5", "0"));
    EXPECT_FALSE(finds(exampleBytes, "7", "1F"));
    EXPECT_FALSE(finds(exampleBytes, "1", "1A")) << "the segment field of СЕГМ 12.1A. is 12";
    EXPECT_FALSE(finds(exampleBytes, "05", "3"));
    EXPECT_FALSE(finds(QByteArray(), "5", "3"));
    EXPECT_FALSE(finds(databaseLines({"no headers", "at all", "@"}), "5", "1F"));
}

TEST_F(FaultSearch, StepOneIsTriedAgainAfterZero)
{
    const QByteArray bytes = databaseLines({u"СЕГМ 5.1."_qs, "one", "@"});
    const Lookup fromZero = search(bytes, "5", "0");
    EXPECT_EQ(fromZero.foundStep, "1");
    EXPECT_EQ(fromZero.block, (QByteArrayList{win(u"СЕГМ 5.1."_qs), "one"}));
    EXPECT_EQ(search(databaseLines({u"СЕГМ 5.0."_qs, "zero", "@", u"СЕГМ 5.1."_qs, "@"}), "5", "0").foundStep, "0");
}

TEST_F(FaultSearch, AHigherStepLaterInTheFileWins)
{
    const QByteArray bytes = databaseLines({
        u"СЕГМ 5.1."_qs,
        "low",
        "@",
        u"СЕГМ 5.4."_qs,
        "high",
        "@",
        u"СЕГМ 5.4."_qs,
        "second high",
        "@",
    });
    const Lookup outcome = search(bytes, "5", "7");
    EXPECT_EQ(outcome.foundStep, "4");
    EXPECT_EQ(outcome.block, (QByteArrayList{win(u"СЕГМ 5.4."_qs), "high"})) << "of two equal headers the first wins";
}

TEST_F(FaultSearch, HeaderInsideABlock)
{
    // A body line that reads as a better header is found as a header, even
    // inside the block of a worse one; a worse one is only a body line.
    const QByteArray bytes = databaseLines({
        u"СЕГМ 5.2."_qs,
        "two",
        u"СЕГМ 5.3."_qs,
        "three",
        u"СЕГМ 5.1."_qs,
        "@",
    });
    EXPECT_EQ(blockOf(bytes, "5", "3"), (QByteArrayList{win(u"СЕГМ 5.3."_qs), "three", win(u"СЕГМ 5.1."_qs)}));
    EXPECT_EQ(blockOf(bytes, "5", "2"),
        (QByteArrayList{win(u"СЕГМ 5.2."_qs), "two", win(u"СЕГМ 5.3."_qs), "three", win(u"СЕГМ 5.1."_qs)}));
}

TEST_F(FaultSearch, HeaderFieldsAreComparedAsTheyAreWritten)
{
    EXPECT_TRUE(finds(databaseLines({u"СЕГМ 12.3 ."_qs, "@"}), "12", "3")) << "spaces around the step are harmless";
    EXPECT_TRUE(finds(databaseLines({u"СЕГМ 5. 3."_qs, "@"}), "5", "3"));
    EXPECT_FALSE(finds(databaseLines({u"СЕГМ 05.3."_qs, "@"}), "5", "3"));
    EXPECT_FALSE(finds(databaseLines({u"СЕГМ 5.1a."_qs, "@"}), "5", "1A"));
    EXPECT_FALSE(finds(databaseLines({u"СЕГМ a.3."_qs, "@"}), "A", "3"));
    EXPECT_FALSE(finds(databaseLines({u"СЕГМ 5."_qs, "@"}), "5", "1F"));
    EXPECT_FALSE(finds(databaseLines({u"сегм 5.3."_qs, "@"}), "5", "3"));
    EXPECT_FALSE(finds(databaseLines({u"CEГM 5.3."_qs, "@"}), "5", "3")) << "Latin look-alikes";
    EXPECT_TRUE(finds(databaseLines({u"СЕГМ 5.3"_qs, "@"}), "5", "3"));
    EXPECT_FALSE(finds(databaseLines({u"СЕГМ 5.3"_qs, "@"}, "\n"), "5", "3"))
        << "a lone LF stays in the line, so the step field is \"3\\n\"";
    EXPECT_TRUE(finds(databaseLines({u"СЕГМ 5.3."_qs, "@"}, "\r"), "5", "3"));
    EXPECT_TRUE(finds(databaseLines({u"СЕГМ ЖЁ.3."_qs, "@"}), u"ЖЁ"_qs, "3"));
    EXPECT_TRUE(finds(databaseLines({u"СЕГМ  .3."_qs, "@"}), " ", "3")) << "a space is a segment like any other";
    EXPECT_FALSE(finds(databaseLines({u"СЕГМ 5.3."_qs, "@"}), QStringLiteral("\u4E00"), "3"));
    EXPECT_FALSE(finds(databaseLines({u"СЕГМ 5.3."_qs, "@"}), "5.", "3"));
}

TEST_F(FaultSearch, BlockBoundaries)
{
    EXPECT_EQ(blockOf(databaseLines({u"СЕГМ 5.3. and more"_qs, "@"}), "5", "3"),
        (QByteArrayList{win(u"СЕГМ 5.3. and more"_qs)}))
        << "a header alone; kept whole";
    EXPECT_EQ(blockOf(databaseLines({u"СЕГМ 5.3."_qs, "a", "@x", "b", "@"}), "5", "3"),
        (QByteArrayList{win(u"СЕГМ 5.3."_qs), "a"}))
        << "the first @ line ends the block";
    EXPECT_EQ(blockOf(databaseLines({u"СЕГМ 5.3."_qs, " @", "line\nwith LF", "@"}), "5", "3"),
        (QByteArrayList{win(u"СЕГМ 5.3."_qs), " @", "line\nwith LF"}));
}

TEST_F(FaultSearch, ABlockOfAnyLength)
{
    QStringList lines{u"СЕГМ 5.3."_qs};
    for (int i = 0; i < 250; ++i)
        lines << QStringLiteral("строка %1").arg(i);
    lines << "@"
          << "after";
    const Lookup outcome = search(databaseLines(lines), "5", "3");
    ASSERT_EQ(outcome.block.size(), 251);
    EXPECT_EQ(outcome.block.last(), win(u"строка 249"_qs));
}

TEST_F(FaultSearch, ADatabaseThatEndsInsideTheBlock)
{
    const QByteArray bytes = win(u"СЕГМ 5.3.\r\nfirst\r\n\r\nlast"_qs);
    const Lookup outcome = search(bytes, "5", "3");
    EXPECT_EQ(outcome.result, SearchOutcome::Result::Found);
    EXPECT_EQ(outcome.block, (QByteArrayList{win(u"СЕГМ 5.3."_qs), "first", "", "last"}));
}

} // namespace
} // namespace zornalit
