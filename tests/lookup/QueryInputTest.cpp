#include "lookup/QueryInput.h"

#include <gtest/gtest.h>

namespace zornalit {

// Found by argument-dependent lookup, so it must live beside QueryBoxes.
static void PrintTo(const QueryBoxes& boxes, std::ostream* os)
{
    *os << '{' << boxes.segment << ", " << boxes.step << '}';
}

namespace {

using enum QueryProblem;

// A query as typed, what the boxes show afterwards and the problem found.
struct Case {
    QString segment, step;
    QueryBoxes shown;
    QueryProblem problem;
};

TEST(QueryInput, TheBoxesAreNormalisedAndCheckedSegmentFirst)
{
    const QString smile = QStringLiteral("\U0001F600");
    const Case cases[] = {
        // Steps are upper-cased and lose a leading zero.
        {"5", "1a", {"5", "1A"}, None},
        {"5", "0f", {"5", "F"}, None},
        {"5", "01", {"5", "1"}, None},
        {"5", "00", {"5", "0"}, None},
        {"5", "0", {"5", "0"}, None},
        {"5", "1F", {"5", "1F"}, None},
        // The length is tested before the zero is dropped.
        {"5", "001", {"5", "001"}, StepTooLong},
        {"005", "1", {"005", "1"}, SegmentTooLong},
        // Steps outside the table.
        {"5", "20", {"5", "20"}, StepUnknown},
        {"5", "1g", {"5", "1G"}, StepUnknown},
        {"5", "G", {"5", "G"}, StepUnknown},
        {"5", " 1", {"5", " 1"}, StepUnknown}, // a space is a character
        {"5", "1 ", {"5", "1 "}, StepUnknown},
        {"5", u"а"_qs, {"5", u"А"_qs}, StepUnknown},   // Cyrillic а
        {"5", u"1с"_qs, {"5", u"1С"_qs}, StepUnknown}, // Cyrillic с
        {"5", "0 ", {"5", " "}, StepUnknown},
        // A failing segment leaves the step untouched.
        {"abc", "1a", {"ABC", "1a"}, SegmentTooLong},
        {"", "", {"", ""}, SegmentMissing},
        {"", "zzz", {"", "zzz"}, SegmentMissing},
        // The segment keeps its normal form when the step fails.
        {"0a", "g", {"A", "G"}, StepUnknown},
        {"0a", "", {"A", ""}, StepMissing},
        {"0a", "abc", {"A", "ABC"}, StepTooLong},
        // Any one or two characters make a segment.
        {"0", "3", {"0", "3"}, None},
        {"07", "3", {"7", "3"}, None},
        {"00", "3", {"0", "3"}, None},
        {"zz", "3", {"ZZ", "3"}, None},
        {"12", "3", {"12", "3"}, None},
        {" .", "3", {" .", "3"}, None},
        {u"жё"_qs, "3", {u"ЖЁ"_qs, "3"}, None},
        {"0 ", "3", {" ", "3"}, None},
        // A surrogate pair is one character.
        {smile, "3", {smile, "3"}, None},
        {"0" + smile, "3", {smile, "3"}, None},
        {smile + smile, "3", {smile + smile, "3"}, None},
        {smile + smile + "1", "3", {smile + smile + "1", "3"}, SegmentTooLong},
    };
    const StepCodes codes;
    for (const Case& c : cases) {
        const QueryCheck result = normaliseQuery({c.segment, c.step}, codes);
        EXPECT_EQ(result.boxes, c.shown) << c.segment << " / " << c.step;
        EXPECT_EQ(result.problem, c.problem) << c.segment << " / " << c.step;
    }
}

TEST(QueryPrompt, EachProblemHasItsOwnPrompt)
{
    const std::pair<QueryProblem, QString> prompts[] = {
        {None, QString()},
        {SegmentTooLong, u"Номер сегмента не может состоять из трёх знаков"_qs},
        {SegmentMissing, u"Вы забыли ввести номер сегмента"_qs},
        {StepTooLong, u"Номер шага не может состоять из трёх знаков"_qs},
        {StepMissing, u"Вы забыли ввести номер шага"_qs},
        {StepUnknown, u"Недопустимый номер шага"_qs},
    };
    for (const auto& [problem, prompt] : prompts)
        EXPECT_EQ(queryPrompt(problem), prompt) << int(problem);
}

} // namespace
} // namespace zornalit
