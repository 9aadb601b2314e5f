#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <optional>

namespace zornalit {

// Reads the lines of a text file one after another, holding no more of it
// than the current line and a chunk or two, however large the file is. A line ends at CR LF or at a
// lone CR; a lone LF stays part of the line. The line end is not part of the
// line, and a line end at the very end of the file starts no further line.
// A line may be of any length.
class LineReader {
public:
    static constexpr qsizetype defaultChunkBytes = 64 * 1024;

    explicit LineReader(QIODevice& device, qsizetype chunkBytes = defaultChunkBytes);

    // The next line, or nothing at the end of the file or after a read
    // error. The bytes stay valid until the next call.
    std::optional<QByteArrayView> next();

    // The next line whose first byte is first, passing over the lines before
    // it without splitting them, which is much quicker when few lines fit.
    // first must be neither CR nor LF.
    std::optional<QByteArrayView> nextStartingWith(char first);

    // The start of a line: at most the bytes asked for, and the device
    // position of the line's first byte.
    struct LineHead {
        QByteArrayView bytes;
        qint64 offset = 0;
    };

    // The head of the next line whose first byte is first (neither CR nor
    // LF): its first headBytes bytes, or all of it when shorter. The rest
    // of that line is passed over unread, so a line of any length costs no
    // more memory than a short one. The bytes stay valid until the next call;
    // next() must not follow a head whose line went on.
    std::optional<LineHead> nextHeadStartingWith(char first, qsizetype headBytes);

    // How many bytes the reader holds in memory now.
    qsizetype heldBytes() const { return m_buffer.size(); }

    // Whether the device reported an error; the lines before it were read.
    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    // Appends what the device gives to the unread bytes; false when it gives
    // nothing more.
    bool fill();
    // Drops the LF of a CR LF whose CR ended the bytes read so far.
    void settleLineEnd();
    // Passes over the whole lines read so far, keeping the last, unfinished one.
    void dropWholeLines();
    // Moves to the start of the next line beginning with first (or stays at
    // the current one if it does); false at the end of the file or an error.
    bool seekLineStartingWith(char first);
    // Takes the head of the line that starts at m_begin.
    std::optional<LineHead> takeHead(qsizetype headBytes);

    QIODevice& m_device;
    qsizetype m_chunkBytes;
    QByteArray m_buffer;
    qint64 m_bufferOffset = 0;    // where the first byte of m_buffer lies in the device
    qsizetype m_begin = 0;        // first unread byte: the start of a line
    qsizetype m_end = 0;          // one past the last byte read from the device
    qsizetype m_scanned = 0;      // bytes from m_begin known to hold no CR
    qsizetype m_skipScanned = 0;  // bytes from m_begin known to start no wanted line
    bool m_crBeforeBegin = false; // a CR ended the bytes before m_begin; an LF at m_begin is its
    bool m_midLine = false;       // m_begin lies inside a line that is being passed over
    bool m_atEnd = false;
    QString m_error;
};

} // namespace zornalit
