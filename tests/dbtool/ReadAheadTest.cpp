// Reading ahead in a thread must hand over the device's bytes exactly as
// reading when asked would: all of them, in order, then the end or the
// device's error, and it must stop cleanly when dropped half-way.

#include "dbtool/ReadAhead.h"
#include "support/FailingDevice.h"
#include "support/TrickleDevice.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace zornalit::dbtool {
namespace {

QByteArray numberedBytes(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>(i * 7 + i / 251);
    return bytes;
}

// Everything the reader hands over, and the size it ended with.
std::pair<QByteArray, qint64> readAll(ReadAhead& reader)
{
    QByteArray all;
    QByteArray chunk;
    for (;;) {
        const qint64 size = reader.next(chunk);
        if (size <= 0)
            return {all, size};
        all += chunk.first(size);
    }
}

TEST(ReadAhead, HandsOverEveryByteInOrderThenTheEnd)
{
    for (const qsizetype chunk : {1, 7, 64, 4096, 65536, 200'000}) {
        // Small chunks pass each other between threads many times over.
        const QByteArray content = numberedBytes(chunk < 64 ? 3000 : 100'000);
        for (const int depth : {0, 1, 3}) {
            QBuffer buffer;
            buffer.setData(content);
            buffer.open(QIODevice::ReadOnly);
            ReadAhead reader(buffer, chunk, depth);
            const auto [all, end] = readAll(reader);
            EXPECT_EQ(all, content) << "chunk " << chunk << ", depth " << depth;
            EXPECT_EQ(end, 0);
            QByteArray after;
            EXPECT_EQ(reader.next(after), 0) << "the end stays the end";
        }
    }
}

TEST(ReadAhead, TakesShortReadsAsTheyCome)
{
    const QByteArray content = numberedBytes(10'000);
    testing::TrickleDevice device(content, 13);
    ReadAhead reader(device, 4096);
    EXPECT_EQ(readAll(reader).first, content);
}

TEST(ReadAhead, PassesOnTheDevicesErrorAfterTheBytesBeforeIt)
{
    const QByteArray content = numberedBytes(50'000);
    for (const int depth : {0, 3}) {
        for (const qint64 failAt : {0, 1, 4095, 4096, 30'000}) {
            testing::FailingDevice device(content, failAt);
            ReadAhead reader(device, 4096, depth);
            const auto [all, end] = readAll(reader);
            EXPECT_EQ(all, content.first(failAt)) << "failing at " << failAt << ", depth " << depth;
            EXPECT_EQ(end, -1);
            EXPECT_EQ(reader.errorString(), QStringLiteral("сбой чтения"));
            QByteArray after;
            EXPECT_EQ(reader.next(after), -1) << "the error stays the error";
        }
    }
}

TEST(ReadAhead, StopsWhenDroppedHalfWay)
{
    const QByteArray content = numberedBytes(1'000'000);
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    {
        ReadAhead reader(buffer, 1024, 2);
        QByteArray chunk;
        ASSERT_EQ(reader.next(chunk), 1024);
        EXPECT_EQ(chunk.first(1024), content.first(1024));
    }
    // Dropped with most of the device unread: the thread read no further
    // than the chunks it was allowed to hold.
    EXPECT_LE(buffer.pos(), 1024 * 4);
}

} // namespace
} // namespace zornalit::dbtool
