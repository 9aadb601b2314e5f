#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <algorithm>
#include <cstring>
#include <functional>

namespace zornalit {

// One line of the database as its readers need it: where it stands, its
// start, its length and how many of the two troublesome bytes it holds.
struct ScannedLine {
    qint64 number = 0;     // counted from 1 by LineScan; 0 from LineStartSearch, which numbers none
    qint64 offset = 0;     // the device position of its first byte
    QByteArrayView start;  // the first bytes of the line, at most the bytes the reader keeps
    qint64 length = 0;     // of the whole line
    qint64 lineFeeds = 0;  // LF bytes, which end no line
    qint64 unassigned = 0; // bytes 0x98
};

// What the database's readers share: a device read a chunk at a time, and
// the lookup's rule for where a line ends, which is written here and nowhere
// else. A line ends at a CR, and an LF right after that CR belongs to the
// line end; every other byte, a lone LF too, belongs to the line. A line end
// at the very end of the file starts no further line. The readers built on
// it find their lines each their own quick way, but all ask it where a line
// ends and where the next one starts. It holds one chunk and the start of
// one line, however long the lines are. Positions are counted from where the
// device stood when the reading began (from 0 on a sequential device).
class LineReader {
public:
    static constexpr qsizetype keptBytes = 256;
    static constexpr qsizetype defaultChunkBytes = 64 * 1024;

    // Takes every byte of a line but its line end, in order, in pieces of at
    // most one chunk; answers false to end the reading there.
    using Pieces = std::function<bool(QByteArrayView)>;

    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

protected:
    static constexpr char lineEnd = '\r';
    static constexpr char lineFeed = '\n';
    static constexpr char unassignedByte = '\x98';

    // Keeps the first kept bytes of each line (at least one).
    LineReader(QIODevice& device, qsizetype chunkBytes, qsizetype kept);

    // The line rule: the byte that ends a line, and the byte after it that
    // still belongs to that line end.
    static bool endsLine(char byte) { return byte == lineEnd; }
    static bool belongsToLineEnd(char afterLineEnd) { return afterLineEnd == lineFeed; }
    // The same for 64 bytes at once, for the readers that look at bits (bit
    // i for byte i): of the LF bits, those of the LFs that stay in their
    // line, given the line end bits and whether the byte before the 64 ends
    // a line (1 or 0).
    static quint64 lineFeedsInLines(quint64 lineEnds, quint64 lineFeeds, quint64 lineEndBefore)
    {
        return lineFeeds & ~((lineEnds << 1) | lineEndBefore);
    }

    // Where the line after the line end at lineEndAt of the chunk starts:
    // the chunk's size when that is in the next chunk, and then the LF that
    // may start it is passed over by enterLine().
    qsizetype passLineEnd(qsizetype lineEndAt)
    {
        const qsizetype next = lineEndAt + 1;
        if (next == m_size) {
            m_lineEndOpen = true;
            return next;
        }
        return belongsToLineEnd(m_chunk.constData()[next]) ? next + 1 : next;
    }

    // Makes m_position the start of a line and a byte of the chunk, reading
    // the next chunk when this one is used up; false at the end of the file
    // or after a failure.
    bool enterLine() { return (m_position < m_size && !m_lineEndOpen) || enterNextChunk(); }

    // Whether a line starts at at, judged by the bytes before it down to
    // from, itself the start of a line before at.
    bool startsLine(qsizetype at, qsizetype from) const
    {
        const char* bytes = m_chunk.constData();
        return endsLine(bytes[at - 1])
            || (at - 2 >= from && endsLine(bytes[at - 2]) && belongsToLineEnd(bytes[at - 1]));
    }

    // The line from m_position, however many chunks it spans, handing its
    // bytes to piece when one is given; null at the end of the file, after
    // a read error, or when a piece ends the reading.
    const ScannedLine* readLine(const Pieces* piece);

    // Hands back the line from m_position to the line end at end, known to
    // hold no LF and no 0x98, and passes its line end.
    const ScannedLine* plainLine(qsizetype end)
    {
        const qsizetype start = m_position;
        m_line.offset = m_chunkOffset + start;
        m_line.length = end - start;
        m_line.lineFeeds = 0;
        m_line.unassigned = 0;
        m_line.start = QByteArrayView(m_chunk.constData() + start, std::min(end - start, m_keptBytes));
        m_position = passLineEnd(end);
        return &m_line;
    }

    // The first 0x98 in the chunk at or after m_position, or m_size.
    qsizetype nextUnassigned()
    {
        if (m_nextUnassigned < m_position)
            m_nextUnassigned = findByte(m_position, m_size, unassignedByte);
        return m_nextUnassigned;
    }

    // The index of the first byte of the chunk at or after from and before
    // to, or to: for the bytes that are rare.
    qsizetype findByte(qsizetype from, qsizetype to, char byte) const
    {
        if (from >= to)
            return to;
        const char* bytes = m_chunk.constData();
        const void* hit = std::memchr(bytes + from, byte, static_cast<std::size_t>(to - from));
        return hit ? static_cast<const char*>(hit) - bytes : to;
    }

    // How many bytes the reader holds in memory: a chunk and the start of
    // one line.
    qsizetype heldBytes() const { return m_chunk.capacity() + m_kept.capacity(); }

    const char* bytes() const { return m_chunk.constData(); }
    // The device position of the chunk's first byte; it differs from one
    // chunk to the next.
    qint64 chunkOffset() const { return m_chunkOffset; }
    qsizetype chunkCapacity() const { return m_chunk.size(); }

    qsizetype m_position = 0;
    qsizetype m_size = 0;
    // Filled in place: a line handed back by value costs more than its
    // finding, lines being short.
    ScannedLine m_line;

private:
    // enterLine() where the chunk is used up or a line end may go on in it.
    bool enterNextChunk();
    bool fill();
    // Reads no further: every later call finds the end of the file.
    void stop();
    void keep(qsizetype from, qsizetype to);
    // The first CR or LF of the chunk at or after from, or the chunk's end.
    qsizetype findLineByte(qsizetype from);
    // Counts the bytes of the line up to to, and moves past them.
    void count(qsizetype to);

    QIODevice& m_device;
    qsizetype m_keptBytes;
    QByteArray m_chunk;
    qint64 m_chunkOffset = 0;
    // The first 0x98 at or after the point it was last looked for from, or
    // m_size: none; -1 until it is first looked for in the chunk, since the
    // header search rarely needs it.
    qsizetype m_nextUnassigned = -1;
    qsizetype m_maskStart = -1; // where the 64 bytes of m_mask start; -1: none
    quint64 m_mask = 0;
    QByteArray m_kept; // the start of a line that runs over a chunk's end
    // The last chunk ended with a line end's CR: an LF that starts this one
    // belongs to it.
    bool m_lineEndOpen = false;
    bool m_atEnd = false;
    QString m_error;
};

} // namespace zornalit
