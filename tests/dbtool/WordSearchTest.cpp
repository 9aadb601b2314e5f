#include "dbtool/LineWords.h"
#include "lookup/LineScan.h"
#include "dbtool/WordSearch.h"
#include "support/DatabaseLines.h"
#include "support/Win1251.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace zornalit::dbtool {
namespace {

QList<FoundBlock> searchBytes(
    const QByteArray& bytes, const QStringList& words, qsizetype chunk = LineScan::defaultChunkBytes)
{
    StepCodes codes;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QList<FoundBlock> found;
    const WordSearchSummary summary = searchWords(
        buffer, words, codes, [&](const FoundBlock& block) { found << block; }, chunk);
    EXPECT_EQ(summary.found, found.size());
    EXPECT_FALSE(summary.readFailed);
    return found;
}

QList<FoundBlock> search(const QStringList& lines, const QStringList& words)
{
    return searchBytes(testing::databaseLines(lines), words);
}

const QStringList database = {
    u"Все слова вне блоков не ищутся: ЁЛКА обрыв"_qs,
    u"СЕГМ 5.3."_qs,
    u"ОБРЫВ шины управления"_qs,
    u"Замените ёмкость в кассете"_qs,
    u"@"_qs,
    u"СЕГМ 6.1."_qs,
    u"Обрыв луча"_qs,
    u"@ ёмкость здесь уже не блок"_qs,
    u"СЕГМ 5.3. повтор"_qs,
    u"обрыв, емкость"_qs,
    u"@"_qs,
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
    const QList<FoundBlock> found = search(
        {u"СЕГМ 5.3."_qs, u"шина"_qs, u"СЕГМ 5.4."_qs, u"таймер"_qs, u"@"_qs}, {u"таймер"_qs});
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].header, 3);
}

// A block whose one description line is lineLength bytes of "x", with text
// written over it so that the text starts at byte textAt of the file.
QByteArray blockWithLongLine(qsizetype lineLength, const QString& text, qsizetype textAt)
{
    QByteArray bytes = testing::win(u"СЕГМ 5.3.\r\n"_qs);
    bytes += QByteArray(lineLength, 'x');
    bytes.replace(textAt, testing::win(text).size(), testing::win(text));
    return bytes + "\r\n@\r\n";
}

// Words are found anywhere in a line, however long it is and wherever the
// file's chunks break it: at its very end, just over a chunk's end, across
// one.
TEST(WordSearch, SeesTheWholeOfLongLines)
{
    constexpr qsizetype chunk = LineScan::defaultChunkBytes;
    const qsizetype header = testing::win(u"СЕГМ 5.3.\r\n"_qs).size();
    const QString word = u"Кросс"_qs;
    for (const qsizetype length : {chunk - 1, chunk, chunk + 1, qsizetype{70'000}, 3 * chunk + 5}) {
        const qsizetype lineEnd = header + length;
        QList<qsizetype> starts = {lineEnd - word.size(), header};
        for (qsizetype border = chunk; border < lineEnd; border += chunk) {
            for (qsizetype before = 0; before <= word.size(); ++before) {
                if (border - before >= header && border - before + word.size() <= lineEnd)
                    starts << border - before;
            }
        }
        for (const qsizetype start : starts) {
            const QByteArray bytes = blockWithLongLine(length, word, start);
            for (const qsizetype readBy : {chunk, qsizetype{4093}}) {
                const QList<FoundBlock> found = searchBytes(bytes, {u"кРОСС"_qs, u"XXX"_qs}, readBy);
                ASSERT_EQ(found.size(), 1)
                    << "line of " << length << " bytes, word at " << start << ", chunk " << readBy;
                ASSERT_EQ(found[0].lines.size(), 1);
                EXPECT_EQ(found[0].lines[0].line, 2);
                EXPECT_EQ(found[0].lines[0].text.size(), 121); // shortened as always
            }
        }
    }
}

// Only whole words are found: the start of a word at a line's end, or a
// word split over two lines, is not the word.
TEST(WordSearch, FindsNoWordCutByALineEnd)
{
    const QByteArray cut = blockWithLongLine(100'000, u"крос"_qs, 11 + 100'000 - 4);
    EXPECT_TRUE(searchBytes(cut, {u"кросс"_qs}).isEmpty());
    EXPECT_TRUE(searchBytes(cut, {u"кросс"_qs}, 3).isEmpty());

    QByteArray split = cut;
    split.insert(split.indexOf("\r\n@"), "\r\n" + testing::win(u"с и ёмкость"_qs));
    EXPECT_TRUE(searchBytes(split, {u"кросс"_qs}).isEmpty());
    EXPECT_EQ(searchBytes(split, {u"крос"_qs, u"ЕМКОСТЬ"_qs}).size(), 1);
}

// However a line is cut into pieces, the words it holds are the words its
// whole text holds, in any case and with "ё" read as "е".
TEST(LineWords, FindsTheWordsOfTheWholeLineWhereverItIsCut)
{
    const QByteArray line = testing::win(u"Проверить КРОСС, заменить Ёмкость."_qs);
    const QStringList words = {u"кросс"_qs, u"емкость"_qs, u"с, з"_qs, u"кроссы"_qs, u"."_qs};
    const QString whole = foldedForSearch(cp1251::decode(line));
    QList<bool> expected;
    for (const QString& word : words)
        expected << whole.contains(word);
    ASSERT_EQ(expected, QList<bool>({true, true, true, false, true}));

    LineWords found(words);
    for (qsizetype first = 0; first <= line.size(); ++first) {
        for (qsizetype second = first; second <= line.size(); ++second) {
            found.read(QByteArrayView(line).first(first));
            found.read(QByteArrayView(line).sliced(first, second - first));
            found.read(QByteArrayView(line).sliced(second));
            ASSERT_EQ(found.held(), expected) << "cut at " << first << " and " << second;
            found.startLine();
            ASSERT_FALSE(found.holdsAny());
        }
    }
}

// What one line leaves unread never joins the next line's start.
TEST(LineWords, StartsEachLineAfresh)
{
    LineWords found({u"кросс"_qs});
    found.read(testing::win(u"проверить кро"_qs));
    found.startLine();
    found.read(testing::win(u"сс"_qs));
    EXPECT_FALSE(found.holdsAny());
}

TEST(WordSearch, FoldsCyrillicCaseAndYo)
{
    EXPECT_EQ(foldedForSearch(u"ЁЖИК Ёлка"_qs), u"ежик елка"_qs);
}

} // namespace
} // namespace zornalit::dbtool
