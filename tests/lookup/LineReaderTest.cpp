#include "lookup/LineReader.h"
#include "support/TrickleDevice.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <random>

namespace zornalit {
namespace {

using testing::TrickleDevice;

QByteArrayList readAll(QIODevice& device, qsizetype chunk = LineReader::defaultChunkBytes)
{
    LineReader reader(device, chunk);
    QByteArrayList lines;
    while (const auto line = reader.next())
        lines << line->toByteArray();
    EXPECT_FALSE(reader.failed()) << reader.errorString().toStdString();
    return lines;
}

QByteArrayList linesOf(const QByteArray& bytes, qsizetype chunk = LineReader::defaultChunkBytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAll(buffer, chunk);
}

TEST(LineReader, LineEnds)
{
    EXPECT_EQ(linesOf("a\r\nb\r\n"), (QByteArrayList{"a", "b"}));
    EXPECT_EQ(linesOf("a\rb\r"), (QByteArrayList{"a", "b"})) << "a lone CR ends a line";
    EXPECT_EQ(linesOf("a\nb\r\nc"), (QByteArrayList{"a\nb", "c"})) << "a lone LF stays in the line";
    EXPECT_EQ(linesOf("a\n\r\n"), (QByteArrayList{"a\n"}));
    EXPECT_EQ(linesOf("\nx"), (QByteArrayList{"\nx"}));
    EXPECT_EQ(linesOf("a\r\r\nb"), (QByteArrayList{"a", "", "b"}));
    EXPECT_EQ(linesOf("a\n\rb"), (QByteArrayList{"a\n", "b"}));
}

TEST(LineReader, EndOfFile)
{
    EXPECT_EQ(linesOf(""), QByteArrayList{}) << "an empty file has no lines";
    EXPECT_EQ(linesOf("last"), (QByteArrayList{"last"})) << "the last line may lack its line end";
    EXPECT_EQ(linesOf("last\r\n"), (QByteArrayList{"last"})) << "a final line end starts no line";
    EXPECT_EQ(linesOf("\r\n"), (QByteArrayList{""}));
    EXPECT_EQ(linesOf("\r\n\r\n"), (QByteArrayList{"", ""}));
    EXPECT_EQ(linesOf("\r"), (QByteArrayList{""}));
    EXPECT_EQ(linesOf("\n"), (QByteArrayList{"\n"}));
}

TEST(LineReader, KeepsEveryByteOfALine)
{
    QByteArray line;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r')
            line.append(static_cast<char>(byte));
    }
    EXPECT_EQ(linesOf(line + "\r\n" + line), (QByteArrayList{line, line}));
}

TEST(LineReader, LineEndsSplitAcrossReads)
{
    const QByteArray text = "ab\r\ncd\re\nf\r\n\r\ng\r";
    const QByteArrayList expected{"ab", "cd", "e\nf", "", "g"};
    for (qsizetype chunk = 1; chunk <= 8; ++chunk)
        EXPECT_EQ(linesOf(text, chunk), expected) << "chunk " << chunk;
    for (qint64 step = 1; step <= 4; ++step) {
        TrickleDevice device(text, step);
        EXPECT_EQ(readAll(device, 3), expected) << "device step " << step;
    }
}

// Mixes both ways of reading on random texts: each must give what plain
// splitting gives.
TEST(LineReader, BothWaysOfReadingAgreeOnRandomTexts)
{
    const QByteArray alphabet = "xxab\r\r\n\n";
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed);
        QByteArray text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        const QByteArrayList all = linesOf(text);

        QBuffer buffer;
        buffer.setData(text);
        buffer.open(QIODevice::ReadOnly);
        LineReader reader(buffer, 1 + random() % 6);
        qsizetype at = 0; // index in all of the next line
        for (;;) {
            if (random() % 2) {
                const auto line = reader.next();
                if (at == all.size()) {
                    ASSERT_FALSE(line.has_value()) << "seed " << seed;
                    break;
                }
                ASSERT_TRUE(line.has_value()) << "seed " << seed;
                ASSERT_EQ(*line, all[at]) << "seed " << seed;
                ++at;
            } else {
                while (at < all.size() && !all[at].startsWith('x'))
                    ++at;
                const auto line = reader.nextStartingWith('x');
                if (at == all.size()) {
                    ASSERT_FALSE(line.has_value()) << "seed " << seed;
                    break;
                }
                ASSERT_TRUE(line.has_value()) << "seed " << seed;
                ASSERT_EQ(*line, all[at]) << "seed " << seed;
                ++at;
            }
        }
    }
}

TEST(LineReader, LinesOfSeveralMegabytes)
{
    const QByteArray longLine(5 * 1024 * 1024 + 7, 'x');
    const QByteArray withLf = QByteArray(3 * 1024 * 1024, 'y') + '\n' + QByteArray(1024, 'z');
    const QByteArrayList lines = linesOf("first\r\n" + longLine + "\r\n" + withLf + "\rlast");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "first");
    EXPECT_TRUE(lines[1] == longLine);
    EXPECT_TRUE(lines[2] == withLf);
    EXPECT_EQ(lines[3], "last");

    QBuffer buffer;
    const QByteArray wanted = "w" + longLine;
    buffer.setData(longLine + "\r\n" + withLf + "\r" + wanted + "\r\n");
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    const auto found = reader.nextStartingWith('w');
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(*found == wanted);
    EXPECT_FALSE(reader.nextStartingWith('w').has_value());
}

TEST(LineReader, PassingOverAHugeLineHoldsLittleOfIt)
{
    // A file saved with LF line ends is one line to this reader; looking for
    // a wanted line must not keep all of it.
    QByteArray text;
    for (int i = 0; i < 400000; ++i)
        text += "y line with an LF end\n";
    text += "\rwanted\r\n";
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    const auto found = reader.nextStartingWith('w');
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, "wanted");
    EXPECT_LT(reader.heldBytes(), 1024 * 1024) << "of " << text.size();
    EXPECT_FALSE(reader.nextStartingWith('w').has_value());
}

TEST(LineReader, HeadsOfWantedLinesAgreeWithWholeLines)
{
    // The head of each line starting with 'w' and where it starts, read the
    // plain way, against the reader's heads on random texts and reads.
    std::mt19937 random(11);
    const char alphabet[] = {'w', 'w', 'x', '\r', '\n', ' '};
    for (int round = 0; round < 3000; ++round) {
        QByteArray text;
        const int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % sizeof alphabet];
        const qsizetype headBytes = 1 + static_cast<qsizetype>(random() % 6);

        QList<std::pair<QByteArray, qint64>> expected;
        qint64 start = 0;
        for (const QByteArray& line : linesOf(text)) {
            if (line.startsWith('w'))
                expected.append({line.first(std::min(line.size(), headBytes)), start});
            start += line.size() + 1;
            if (start < text.size() && text[start - 1] == '\r' && text[start] == '\n')
                ++start;
        }

        TrickleDevice device(text, 1 + static_cast<qint64>(random() % 5));
        LineReader reader(device, 1 + static_cast<qsizetype>(random() % 6));
        QList<std::pair<QByteArray, qint64>> heads;
        while (const auto head = reader.nextHeadStartingWith('w', headBytes))
            heads.append({head->bytes.toByteArray(), head->offset});
        ASSERT_EQ(heads, expected) << "text " << text.toPercentEncoding().toStdString();
    }
}

TEST(LineReader, AHugeWantedLineIsReadByItsHeadOnly)
{
    const QByteArray huge = "w" + QByteArray(8 * 1024 * 1024, 'y');
    QBuffer buffer;
    buffer.setData(huge + "\r\n" + huge + "\rwanted");
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    for (int i = 0; i < 2; ++i) {
        const auto head = reader.nextHeadStartingWith('w', 4);
        ASSERT_TRUE(head.has_value());
        EXPECT_EQ(head->bytes, "wyyy");
        EXPECT_LT(reader.heldBytes(), 1024 * 1024);
    }
    const auto last = reader.nextHeadStartingWith('w', 16);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->bytes, "wanted");
    EXPECT_EQ(last->offset, 2 * huge.size() + 3);
    EXPECT_FALSE(reader.nextHeadStartingWith('w', 16).has_value());
}

TEST(LineReader, ReportsADeviceError)
{
    TrickleDevice device("one\r\ntwo", 4);
    device.endFailure = QStringLiteral("сбой устройства");
    LineReader reader(device, 16);
    const auto first = reader.next();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, "one");
    EXPECT_FALSE(reader.next().has_value()) << "a line cut short by an error is not given out";
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.errorString(), QStringLiteral("сбой устройства"));
    EXPECT_FALSE(reader.next().has_value());
}

} // namespace
} // namespace zornalit
