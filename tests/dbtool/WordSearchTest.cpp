#include "dbtool/WordSearch.h"
#include "support/DatabaseLines.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace zornalit::dbtool {
namespace {

QList<FoundBlock> search(const QStringList& lines, const QStringList& words)
{
    StepCodes codes;
    QBuffer buffer;
    buffer.setData(testing::databaseLines(lines));
    buffer.open(QIODevice::ReadOnly);
    QList<FoundBlock> found;
    const WordSearchSummary summary = searchWords(buffer, words, codes, [&](const FoundBlock& block) { found << block; });
    EXPECT_EQ(summary.found, found.size());
    return found;
}

const QStringList database = {
    u"Все слова вне блоков не ищутся: ЁЛКА обрыв"_qs,
    u"СЕГМ 5.3."_qs, u"ОБРЫВ шины управления"_qs, u"Замените ёмкость в кассете"_qs, u"@"_qs,
    u"СЕГМ 6.1."_qs, u"Обрыв луча"_qs, u"@ ёмкость здесь уже не блок"_qs,
    u"СЕГМ 5.3. повтор"_qs, u"обрыв, емкость"_qs, u"@"_qs,
};

TEST(WordSearch, AllWordsAcrossCaseAndYo)
{
    const QList<FoundBlock> found = search(database, {u"Обрыв"_qs, u"ЕМКОСТЬ"_qs});
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].header, 2);
    EXPECT_EQ(found[0].headerText, u"СЕГМ 5.3."_qs);
    ASSERT_EQ(found[0].lines.size(), 2);
    EXPECT_EQ(found[0].lines[0].line, 3);
    EXPECT_EQ(found[0].lines[1].line, 4);
    EXPECT_TRUE(found[0].unreachable.isEmpty());

    // The repeated header comes in file order, marked as never shown.
    EXPECT_EQ(found[1].header, 9);
    EXPECT_TRUE(found[1].unreachable.contains(u"строке 2"));

    EXPECT_EQ(search(database, {u"ёлка"_qs}).size(), 0);
    EXPECT_EQ(search(database, {u"ЛУЧА"_qs}).size(), 1);
}

TEST(WordSearch, HeaderInsideADescriptionStartsItsOwnBlock)
{
    const QList<FoundBlock> found = search({u"СЕГМ 5.3."_qs, u"шина"_qs, u"СЕГМ 5.4."_qs, u"таймер"_qs, u"@"_qs},
                                           {u"таймер"_qs});
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].header, 3);
}

TEST(WordSearch, FoldsCyrillicCaseAndYo)
{
    EXPECT_EQ(foldedForSearch(u"ЁЖИК Ёлка"_qs), u"ежик елка"_qs);
}

} // namespace
} // namespace zornalit::dbtool
