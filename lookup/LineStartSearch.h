#pragma once

#include "LineReader.h"

namespace zornalit {

// Finds the lines of a database that begin with one given byte (neither CR
// nor LF), as the header search needs them, and numbers none of them. In the
// lines before one only the bytes equal to that first byte are looked at,
// and the bytes just before those: for the rare first byte of a header that
// costs less than finding every line end. The lines end as LineReader says.
class LineStartSearch : private LineReader {
public:
    using LineReader::errorString;
    using LineReader::failed;
    using LineReader::keptBytes;

    // The search does little for each byte, so there the cost of each read
    // shows: larger reads made it measurably quicker.
    static constexpr qsizetype searchChunkBytes = 2 * defaultChunkBytes;

    LineStartSearch(QIODevice& device, char first, qsizetype chunkBytes = searchChunkBytes, qsizetype kept = keptBytes);

    // The next line that begins with the first byte, or null at the end of
    // the file or after a read error. The line, its number 0, and its bytes
    // stay valid until the next call.
    const ScannedLine* next();

    // How many bytes the search holds in memory: a chunk and the start of one
    // line, whatever the lines are like.
    using LineReader::heldBytes;

private:
    // The first line in the chunk after the one at m_position that starts
    // with the first byte, or -1.
    qsizetype findLineStartingWith() const;
    // The last line end at or after from in the chunk, or -1.
    qsizetype lastLineEnd(qsizetype from) const;

    char m_first;
};

} // namespace zornalit
