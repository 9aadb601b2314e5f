#pragma once

#include "LineScan.h"

#include <QIODevice>
#include <QString>

namespace zornalit {

struct BlockCopy {
    enum class Result {
        Copied,
        ReadFailed,  // the database could not be read to the block's end
        WriteFailed, // the report took fewer bytes than it was given
    };

    Result result = Result::Copied;
    // What the device that failed said.
    QString error;
};

// Writes the report of the block whose header line starts at position
// blockStart of the database: the header line, then every line after it up
// to the first that begins with "@" (not copied) or to the end of the file,
// each exactly as read and followed by CR LF. Lines end as for LineReader.
// Streams the block through a buffer of chunkBytes, so a block of any number
// of lines of any length takes no more memory than a short one. Every write
// is checked; the first that fails ends the copy.
BlockCopy copyBlock(
    QIODevice& database, qint64 blockStart, QIODevice& report, qsizetype chunkBytes = LineScan::defaultChunkBytes);

} // namespace zornalit
