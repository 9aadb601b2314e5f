#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <optional>

namespace zornalit::dbtool {

// One line of the database as the check needs it: its start, its length
// and how many of the two troublesome bytes it holds.
struct ScannedLine {
    qint64 number = 0;      // counted from 1
    QByteArrayView start;   // the first bytes of the line, at most LineScan::keptBytes
    qint64 length = 0;      // of the whole line
    qint64 lineFeeds = 0;   // LF bytes, which end no line
    qint64 unassigned = 0;  // bytes 0x98
};

// Splits a database into lines by the lookup's rules (a line ends at CR LF
// or at a lone CR; a lone LF stays in the line; a line end at the very end
// starts no further line), counting LF and 0x98 bytes on the way. It holds
// one chunk and the start of one line, however long the lines are; it is
// quicker than splitting whole lines because it looks for line ends 64
// bytes at a time where the processor allows, and for the rare LF and 0x98
// once per chunk.
class LineScan {
public:
    static constexpr qsizetype keptBytes = 256;
    static constexpr qsizetype defaultChunkBytes = 64 * 1024;

    explicit LineScan(QIODevice& device, qsizetype chunkBytes = defaultChunkBytes);

    // The next line, or nothing at the end of the file or after a read
    // error. The bytes stay valid until the next call.
    std::optional<ScannedLine> next();

    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    bool fill();
    void keep(qsizetype from, qsizetype to);
    // Counts the bytes of line up to to, and moves past them.
    void count(qsizetype to, ScannedLine& line);

    QIODevice& m_device;
    QByteArray m_chunk;
    qsizetype m_position = 0;
    qsizetype m_size = 0;
    qsizetype m_nextLineFeed = 0;   // in the chunk, or m_size: none
    qsizetype m_nextUnassigned = 0; // likewise
    QByteArray m_kept; // the start of a line that runs over a chunk's end
    bool m_crBefore = false;
    bool m_atEnd = false;
    qint64 m_number = 0;
    QString m_error;
};

} // namespace zornalit::dbtool
