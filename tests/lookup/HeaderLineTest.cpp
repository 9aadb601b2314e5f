#include "lookup/Cp1251.h"
#include "lookup/HeaderLine.h"
#include "support/Win1251.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::win;

struct Fields {
    QString keyword, segment, step;
    bool operator==(const Fields&) const = default;
};

void PrintTo(const Fields& f, std::ostream* os)
{
    *os << '[' << f.keyword << "|" << f.segment << "|" << f.step << ']';
}

Fields fieldsOf(const QString& line)
{
    const QByteArray bytes = win(line);
    const HeaderFields fields = readHeaderFields(bytes);
    return {cp1251::decode(fields.keyword), cp1251::decode(fields.segment), cp1251::decode(fields.step)};
}

TEST(HeaderLine, FieldsAreReadAtTheirPositions)
{
    const std::pair<QString, Fields> cases[] = {
        // The four header forms.
        {u"СЕГМ 5.3."_qs, {u"СЕГМ"_qs, "5", "3"}},
        {u"СЕГМ 5.1A."_qs, {u"СЕГМ"_qs, "5", "1A"}},
        {u"СЕГМ 12.3."_qs, {u"СЕГМ"_qs, "12", "3"}},
        {u"СЕГМ 12.1F."_qs, {u"СЕГМ"_qs, "12", "1F"}},
        // Only the field positions are read.
        {u"СЕГМ 12.1F. Обрыв"_qs, {u"СЕГМ"_qs, "12", "1F"}},
        {u"СЕГМx12x3x"_qs, {u"СЕГМ"_qs, "12", "3x"}},
        {u"СЕГМ 12.3 ."_qs, {u"СЕГМ"_qs, "12", "3 "}},
        {u"СЕГМ 5. 3."_qs, {u"СЕГМ"_qs, "5", " 3"}},
        {u"СЕГМ 5.3"_qs, {u"СЕГМ"_qs, "5", "3"}},
        {u"СЕГМ 05.3."_qs, {u"СЕГМ"_qs, "05", "3"}},
        {u"СЕГМ 5.3\n."_qs, {u"СЕГМ"_qs, "5", "3\n"}},
        // Short lines give short fields.
        {u"СЕГМ 5."_qs, {u"СЕГМ"_qs, "5", ""}},
        {u"СЕГМ 5"_qs, {u"СЕГМ"_qs, "5", ""}},
        {u"СЕГМ 12"_qs, {u"СЕГМ"_qs, "12", ""}},
        {u"СЕГМ 12.1"_qs, {u"СЕГМ"_qs, "12", "1"}},
        {u"СЕГМ"_qs, {u"СЕГМ"_qs, "", ""}},
        {u"СЕ"_qs, {u"СЕ"_qs, "", ""}},
        {QString(), {}},
    };
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(fieldsOf(line), fields) << line;
}

TEST(HeaderLine, KeywordIsTheCyrillicCapitals)
{
    EXPECT_TRUE(beginsWithKeyword("\xD1\xC5\xC3\xCC 5.3."));
    EXPECT_TRUE(beginsWithKeyword(win(u"СЕГМ"_qs)));
    EXPECT_FALSE(beginsWithKeyword(win(u"сегм 5.3."_qs)));
    EXPECT_FALSE(beginsWithKeyword(win(u"CЕГМ 5.3."_qs))) << "Latin C";
    EXPECT_FALSE(beginsWithKeyword(win(u"СEГМ 5.3."_qs))) << "Latin E";
    EXPECT_FALSE(beginsWithKeyword(win(u"СЕГM 5.3."_qs))) << "Latin M";
    EXPECT_FALSE(beginsWithKeyword(win(u" СЕГМ 5.3."_qs)));
    EXPECT_FALSE(beginsWithKeyword(win(u"СЕГ"_qs)));
    EXPECT_FALSE(beginsWithKeyword(""));
}

TEST(HeaderLine, StepIsComparedWithoutSurroundingSpaces)
{
    EXPECT_EQ(trimmedStep(" 3"), "3");
    EXPECT_EQ(trimmedStep("3 "), "3");
    EXPECT_EQ(trimmedStep("  "), "");
    EXPECT_EQ(trimmedStep("1A"), "1A");
    EXPECT_EQ(trimmedStep("\t3"), "\t3") << "only the space character is removed";
}

} // namespace
} // namespace zornalit
