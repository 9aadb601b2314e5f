#include "BlockCopy.h"

#include "HeaderLine.h"
#include "LineScan.h"
#include "platform/DeviceFailure.h"

namespace zornalit {

BlockCopy copyBlock(QIODevice& database, qint64 blockStart, QIODevice& report, qsizetype chunkBytes)
{
    const auto readFailed = [&database] {
        return BlockCopy{BlockCopy::Result::ReadFailed, readFailureReason(database)};
    };
    if (database.pos() != blockStart && !database.seek(blockStart))
        return readFailed();

    bool headerLine = true;   // copied whatever it starts with
    bool lineStarted = false; // a piece of the current line was seen
    bool writeFailed = false;
    const auto write = [&report, &writeFailed](const char* bytes, qsizetype size) {
        writeFailed = report.write(bytes, size) != size;
        return !writeFailed;
    };
    // Each piece of a line is written as soon as it is read, so a line of
    // any length is never held whole; the terminator line ends the reading
    // at its first piece.
    const LineScan::Pieces copy = [&](QByteArrayView piece) {
        if (!lineStarted && !headerLine && endsBlock(piece))
            return false;
        lineStarted = true;
        return write(piece.data(), piece.size());
    };
    LineScan lines(database, chunkBytes, 1);
    while (lines.next(copy)) {
        if (!write("\r\n", 2))
            break;
        headerLine = false;
        lineStarted = false;
    }
    if (writeFailed)
        return BlockCopy{BlockCopy::Result::WriteFailed, writeFailureReason(report)};
    if (lines.failed())
        return readFailed();
    return {};
}

} // namespace zornalit
