#pragma once

#include "LineReader.h"

#include <array>
#include <vector>

namespace zornalit {

// Hands back the lines of a database one after the other, numbered from 1,
// counting LF and 0x98 bytes on the way (the lines end as LineReader says).
// It is quicker than splitting whole lines because it looks for CR and LF
// 64 bytes at a time where the processor allows, and for the rare 0x98 only
// when a reader counts it, once per chunk.
class LineScan : private LineReader {
public:
    using LineReader::defaultChunkBytes;
    using LineReader::errorString;
    using LineReader::failed;
    using LineReader::keptBytes;
    using LineReader::Pieces;

    explicit LineScan(QIODevice& device, qsizetype chunkBytes = defaultChunkBytes, qsizetype kept = keptBytes);

    // The next line, or null at the end of the file or after a read error.
    // The line and its bytes stay valid until the next call.
    const ScannedLine* next();

    // The same, handing every byte of the line but its line end to piece
    // first, in order, in pieces of at most one chunk, before the line is
    // handed back: a reader that needs the whole line reads it so, without
    // the line ever being held whole. A piece that answers false ends the
    // reading there, as the end of the file would, without reading further.
    const ScannedLine* next(const Pieces& piece);

    // The bytes that make a line worth handing back when it begins with one
    // of them.
    class FirstBytes {
    public:
        explicit FirstBytes(QByteArrayView bytes);
        bool contains(char byte) const { return m_table[static_cast<unsigned char>(byte)]; }

    private:
        std::array<bool, 256> m_table{};
    };

    // The next line that begins with one of the given bytes, or holds an LF
    // or a 0x98 byte. The lines skipped on the way are only counted: most
    // lines of a database are description text, and passing over them
    // without a step per byte is several times quicker.
    const ScannedLine* nextNotable(const FirstBytes& firstBytes);

    // How many lines have been handed back or skipped so far.
    qint64 linesRead() const { return m_lines; }

    // How many bytes the scan holds in memory: a chunk and what is noted
    // about it, and the start of one line, whatever the lines are like.
    qsizetype heldBytes() const;

private:
    const ScannedLine* numbered(const ScannedLine* line)
    {
        if (line)
            m_line.number = ++m_lines;
        return line;
    }
    // Notes where the chunk's line ends and its LFs that stay in their line
    // stand; only nextNotable() needs them, so they are found when it first
    // asks.
    void noteLineBytes();
    // The first LF at or after m_position that stays in its line, or m_size.
    qsizetype nextLineFeedInLine();
    // The first line from m_position on that ends in the chunk before
    // plainBefore and starts with one of firstBytes, or null; the lines
    // passed are counted, and m_position is left after them.
    const ScannedLine* nextNotablePlainLine(const FirstBytes& firstBytes, qsizetype plainBefore);

    qint64 m_lines = 0;
    qint64 m_notedChunk = -1; // the offset of the chunk the bits below are for
    // Where the chunk's line ends and its LFs that stay in their line stand,
    // a bit for each byte (bit i of word w for byte 64 w + i).
    std::vector<quint64> m_lineEndBits;
    std::vector<quint64> m_lineFeedBits;
    // As m_nextUnassigned, for the LFs that stay in their line.
    qsizetype m_nextLineFeed = 0;
};

} // namespace zornalit
