#include "lookup/QueryInput.h"

#include <gtest/gtest.h>

namespace zornalit {

// Found by argument-dependent lookup, so it must live beside QueryBoxes.
static void PrintTo(const QueryBoxes& boxes, std::ostream* os)
{
    *os << '{' << boxes.segment.toStdString() << ", " << boxes.step.toStdString() << '}';
}

namespace {

const QString segmentTooLong = QStringLiteral("Номер сегмента не может состоять из трёх знаков");
const QString segmentMissing = QStringLiteral("Вы забыли ввести номер сегмента");
const QString stepTooLong = QStringLiteral("Номер шага не может состоять из трёх знаков");
const QString stepMissing = QStringLiteral("Вы забыли ввести номер шага");
const QString stepUnknown = QStringLiteral("Недопустимый номер шага");

class QueryInput : public ::testing::Test {
protected:
    // What the boxes show afterwards and the prompt, empty when it passed.
    std::pair<QueryBoxes, QString> check(const QString& segment, const QString& step)
    {
        const QueryCheck result = normaliseQuery({segment, step}, codes);
        return {result.boxes, result.error};
    }

    StepCodes codes;
};

TEST_F(QueryInput, StepsAreUpperCasedAndLoseALeadingZero)
{
    EXPECT_EQ(check("5", "1a"), std::pair(QueryBoxes{"5", "1A"}, QString()));
    EXPECT_EQ(check("5", "0f"), std::pair(QueryBoxes{"5", "F"}, QString()));
    EXPECT_EQ(check("5", "01"), std::pair(QueryBoxes{"5", "1"}, QString()));
    EXPECT_EQ(check("5", "00"), std::pair(QueryBoxes{"5", "0"}, QString()));
    EXPECT_EQ(check("5", "0"), std::pair(QueryBoxes{"5", "0"}, QString()));
    EXPECT_EQ(check("5", "1F"), std::pair(QueryBoxes{"5", "1F"}, QString()));
}

TEST_F(QueryInput, LengthIsTestedBeforeTheZeroIsDropped)
{
    EXPECT_EQ(check("5", "001"), std::pair(QueryBoxes{"5", "001"}, stepTooLong));
    EXPECT_EQ(check("005", "1"), std::pair(QueryBoxes{"005", "1"}, segmentTooLong));
}

TEST_F(QueryInput, StepsOutsideTheTable)
{
    EXPECT_EQ(check("5", "20"), std::pair(QueryBoxes{"5", "20"}, stepUnknown));
    EXPECT_EQ(check("5", "1g"), std::pair(QueryBoxes{"5", "1G"}, stepUnknown));
    EXPECT_EQ(check("5", "G"), std::pair(QueryBoxes{"5", "G"}, stepUnknown));
    EXPECT_EQ(check("5", " 1"), std::pair(QueryBoxes{"5", " 1"}, stepUnknown)) << "a space is a character";
    EXPECT_EQ(check("5", "1 "), std::pair(QueryBoxes{"5", "1 "}, stepUnknown));
    EXPECT_EQ(check("5", u"а"_qs), std::pair(QueryBoxes{"5", u"А"_qs}, stepUnknown)) << "Cyrillic а";
    EXPECT_EQ(check("5", u"1с"_qs), std::pair(QueryBoxes{"5", u"1С"_qs}, stepUnknown)) << "Cyrillic с";
    EXPECT_EQ(check("5", "0 "), std::pair(QueryBoxes{"5", " "}, stepUnknown));
}

TEST_F(QueryInput, SegmentFailuresLeaveTheStepUntouched)
{
    EXPECT_EQ(check("abc", "1a"), std::pair(QueryBoxes{"ABC", "1a"}, segmentTooLong));
    EXPECT_EQ(check("", ""), std::pair(QueryBoxes{"", ""}, segmentMissing));
    EXPECT_EQ(check("", "zzz"), std::pair(QueryBoxes{"", "zzz"}, segmentMissing));
}

TEST_F(QueryInput, SegmentKeepsItsNormalFormWhenTheStepFails)
{
    EXPECT_EQ(check("0a", "g"), std::pair(QueryBoxes{"A", "G"}, stepUnknown));
    EXPECT_EQ(check("0a", ""), std::pair(QueryBoxes{"A", ""}, stepMissing));
    EXPECT_EQ(check("0a", "abc"), std::pair(QueryBoxes{"A", "ABC"}, stepTooLong));
}

TEST_F(QueryInput, AnyOneOrTwoCharactersMakeASegment)
{
    EXPECT_EQ(check("0", "3"), std::pair(QueryBoxes{"0", "3"}, QString()));
    EXPECT_EQ(check("07", "3"), std::pair(QueryBoxes{"7", "3"}, QString()));
    EXPECT_EQ(check("00", "3"), std::pair(QueryBoxes{"0", "3"}, QString()));
    EXPECT_EQ(check("zz", "3"), std::pair(QueryBoxes{"ZZ", "3"}, QString()));
    EXPECT_EQ(check("12", "3"), std::pair(QueryBoxes{"12", "3"}, QString()));
    EXPECT_EQ(check(" .", "3"), std::pair(QueryBoxes{" .", "3"}, QString()));
    EXPECT_EQ(check(u"жё"_qs, "3"), std::pair(QueryBoxes{u"ЖЁ"_qs, "3"}, QString()));
    EXPECT_EQ(check("0 ", "3"), std::pair(QueryBoxes{" ", "3"}, QString()));
}

TEST_F(QueryInput, ASurrogatePairIsOneCharacter)
{
    const QString smile = QStringLiteral("\U0001F600");
    EXPECT_EQ(check(smile, "3"), std::pair(QueryBoxes{smile, "3"}, QString()));
    EXPECT_EQ(check("0" + smile, "3"), std::pair(QueryBoxes{smile, "3"}, QString()));
    EXPECT_EQ(check(smile + smile, "3"), std::pair(QueryBoxes{smile + smile, "3"}, QString()));
    EXPECT_EQ(check(smile + smile + "1", "3").second, segmentTooLong);
}

} // namespace
} // namespace zornalit
