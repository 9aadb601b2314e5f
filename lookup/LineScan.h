#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace zornalit {

// One line of the database as its readers need it: where it stands, its
// start, its length and how many of the two troublesome bytes it holds.
struct ScannedLine {
    qint64 number = 0;     // counted from 1; 0: not counted (see nextStartingWith)
    qint64 offset = 0;     // the device position of its first byte
    QByteArrayView start;  // the first bytes of the line, at most the bytes the scan keeps
    qint64 length = 0;     // of the whole line
    qint64 lineFeeds = 0;  // LF bytes, which end no line
    qint64 unassigned = 0; // bytes 0x98
};

// Splits a database into lines by the lookup's rules (a line ends at CR LF
// or at a lone CR; a lone LF stays in the line; a line end at the very end
// starts no further line), counting LF and 0x98 bytes on the way. It holds
// one chunk and the start of one line, however long the lines are; it is
// quicker than splitting whole lines because it looks for CR and LF 64
// bytes at a time where the processor allows, and for the rare 0x98 only
// when a reader counts it, once per chunk. Positions are counted from where
// the device stood when the scan began (from 0 on a sequential device).
class LineScan {
public:
    static constexpr qsizetype keptBytes = 256;
    static constexpr qsizetype defaultChunkBytes = 64 * 1024;
    // The header search does little for each byte, so there the cost of each
    // read shows: larger reads made it measurably quicker.
    static constexpr qsizetype headerSearchChunkBytes = 2 * defaultChunkBytes;

    // Keeps the first kept bytes of each line (at least one).
    explicit LineScan(QIODevice& device, qsizetype chunkBytes = defaultChunkBytes, qsizetype kept = keptBytes);

    // The next line, or null at the end of the file or after a read error.
    // The line and its bytes stay valid until the next call.
    const ScannedLine* next();

    // The same, handing every byte of the line but its line end to piece
    // first, in order, in pieces of at most one chunk, before the line is
    // handed back: a reader that needs the whole line reads it so, without
    // the line ever being held whole. A piece that answers false ends the
    // reading there, as the end of the file would, without reading further.
    using Pieces = std::function<bool(QByteArrayView)>;
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

    // The next line whose first byte is first (neither CR nor LF). In the
    // lines before it only the bytes equal to first are looked at, and the
    // bytes before those: a search for the rare first byte of a header then
    // costs less than finding every line end. Those lines are not counted,
    // so from the first call on the scan numbers no line: every line it
    // hands back has number 0, and so has linesRead().
    const ScannedLine* nextStartingWith(char first);

    // How many lines have been handed back or skipped so far (0 once they
    // are not counted).
    qint64 linesRead() const { return m_line.number; }

    // How many bytes the scan holds in memory: a chunk and what is noted
    // about it, and the start of one line, whatever the lines are like.
    qsizetype heldBytes() const;

    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    const ScannedLine* nextLine(const Pieces* piece);
    bool fill();
    // Reads no further: every later call finds the end of the file.
    void stop();
    void keep(qsizetype from, qsizetype to);
    // The first CR or LF of the chunk at or after from, or the chunk's end.
    qsizetype findLineByte(qsizetype from);
    // Counts the bytes of line up to to, and moves past them.
    void count(qsizetype to);
    // Notes where the chunk's CRs and its LFs not right after a CR stand;
    // only nextNotable() needs them, so they are found when it first asks.
    void findLineEnds();
    // The first line from m_position on that ends in the chunk before
    // plainBefore and starts with one of firstBytes, or null; the lines
    // passed are counted, and m_position is left after them.
    const ScannedLine* nextNotablePlainLine(const FirstBytes& firstBytes, qsizetype plainBefore);
    // Hands back the line from m_position to the CR at end, known to hold no
    // LF and no 0x98, and moves past it.
    const ScannedLine* plainLine(qsizetype end);
    // The first 0x98 in the chunk at or after m_position, or m_size.
    qsizetype nextUnassigned();
    // Counts one more line, while the lines are counted.
    void countLine() { m_line.number += m_numbered ? 1 : 0; }
    // The first line in the chunk after the one at m_position that starts
    // with first, or -1.
    qsizetype findLineStartingWith(char first) const;

    QIODevice& m_device;
    qsizetype m_keptBytes;
    QByteArray m_chunk;
    qint64 m_chunkOffset = 0; // the device position of the chunk's first byte
    qsizetype m_position = 0;
    qsizetype m_size = 0;
    // The first 0x98 at or after the point it was last looked for from, or
    // m_size: none; -1 until it is first looked for in the chunk, since the
    // header search never needs it.
    qsizetype m_nextUnassigned = -1;
    qsizetype m_maskStart = -1; // where the 64 bytes of m_mask start; -1: none
    quint64 m_mask = 0;
    QByteArray m_kept; // the start of a line that runs over a chunk's end
    bool m_crBefore = false;
    bool m_atEnd = false;
    bool m_numbered = true;       // every line so far was counted
    bool m_lineEndsFound = false; // findLineEnds() ran for this chunk
    // Filled in place: a line handed back by value costs more than its
    // finding, lines being short.
    ScannedLine m_line;
    // Where the chunk's CRs stand, a bit for each byte (bit i of word w for
    // byte 64 w + i), and its LFs that follow no CR (an LF at the chunk's
    // start always counts as one) in order, with the first not yet passed.
    std::vector<quint64> m_crBits;
    std::vector<qint32> m_loneLfs;
    qsizetype m_loneLfCount = 0;
    qsizetype m_nextLoneLf = 0;
    // The last CR at or after from in the chunk, or -1.
    qsizetype lastCr(qsizetype from) const;
    QString m_error;
};

} // namespace zornalit
