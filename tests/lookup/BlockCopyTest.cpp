#include "lookup/BlockCopy.h"
#include "support/CopiedBlock.h"
#include "support/FailingDevice.h"

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::copiedBlock;
using testing::FailingDevice;

TEST(BlockCopy, CopiesFromTheHeaderToTheTerminator)
{
    const QByteArray bytes = "before\r\n\xD1 head\r\none\r\n\r\na\nb\rlast\r\n@ end\r\nafter\r\n";
    const qint64 start = bytes.indexOf('\xD1');
    for (const qsizetype chunk : {1, 2, 3, 7, 64 * 1024}) {
        EXPECT_EQ(copiedBlock(bytes, start, chunk), (QByteArrayList{"\xD1 head", "one", "", "a\nb", "last"}))
            << "chunk " << chunk;
    }
    EXPECT_EQ(copiedBlock("@ header\r\n@\r\n", 0), QByteArrayList{"@ header"})
        << "the first line is never a terminator";
    EXPECT_EQ(copiedBlock("h\r\nx\r\n @\r\n", 0), (QByteArrayList{"h", "x", " @"})) << "no terminator: to the end";
    EXPECT_EQ(copiedBlock("h\r\nlast", 0), (QByteArrayList{"h", "last"})) << "the last line gets its line end";
    EXPECT_EQ(copiedBlock("h\r\r\n\r", 0), (QByteArrayList{"h", "", ""})) << "lone CRs end empty lines";
}

TEST(BlockCopy, LinesOfAnyLengthAndNumber)
{
    const QByteArray longLine(3 * 1024 * 1024 + 5, '\xD1');
    QByteArray manyLines = "h\r\n";
    for (int i = 0; i < 100000; ++i)
        manyLines += "x\r\n";
    for (const qsizetype chunk : {5, 64 * 1024}) {
        const QByteArray report = testing::copiedReport("h\r\n" + longLine + "\r\n@", 0, chunk);
        EXPECT_TRUE(report == "h\r\n" + longLine + "\r\n") << "chunk " << chunk;
        EXPECT_TRUE(testing::copiedReport(manyLines + "@\r\n", 0, chunk) == manyLines) << "chunk " << chunk;
    }
}

TEST(BlockCopy, EveryFailedWriteIsReported)
{
    const QByteArray bytes = "\xD1 header\r\nbody line\r\nlast\r\n@\r\n";
    const QByteArray whole = "\xD1 header\r\nbody line\r\nlast\r\n";
    for (qint64 limit = 0; limit <= whole.size(); ++limit) {
        for (const qsizetype chunk : {3, 64 * 1024}) {
            FailingDevice database(bytes);
            FailingDevice report({}, -1, limit);
            const BlockCopy copy = copyBlock(database, 0, report, chunk);
            const bool fits = limit == whole.size();
            EXPECT_EQ(copy.result, fits ? BlockCopy::Result::Copied : BlockCopy::Result::WriteFailed)
                << "limit " << limit << ", chunk " << chunk;
            EXPECT_TRUE(whole.startsWith(report.written()));
        }
    }
}

TEST(BlockCopy, EveryFailedReadIsReported)
{
    const QByteArray bytes = "x\r\n\xD1 header\r\nbody line\r\n@\r\n";
    for (qint64 limit = 3; limit < bytes.size(); ++limit) {
        FailingDevice database(bytes, limit);
        FailingDevice report;
        const BlockCopy copy = copyBlock(database, 3, report, 4);
        // A read failure past the terminator is never reached.
        const bool pastTerminator = limit >= bytes.indexOf('@') + 1;
        EXPECT_EQ(copy.result, pastTerminator ? BlockCopy::Result::Copied : BlockCopy::Result::ReadFailed)
            << "limit " << limit;
    }
}

} // namespace
} // namespace zornalit
