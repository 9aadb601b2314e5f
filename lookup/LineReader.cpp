#include "LineReader.h"

#include "platform/DeviceFailure.h"

#include <algorithm>
#include <cstring>

namespace zornalit {

namespace {
constexpr char cr = '\r';
constexpr char lf = '\n';
} // namespace

LineReader::LineReader(QIODevice& device, qsizetype chunkBytes)
    : m_device(device)
    , m_chunkBytes(std::max<qsizetype>(chunkBytes, 1))
    , m_bufferOffset(device.isSequential() ? 0 : device.pos())
{
}

bool LineReader::fill()
{
    if (m_atEnd)
        return false;

    // Move the unread bytes to the front, and make room for a whole chunk
    // after them; a line longer than the buffer makes the buffer grow.
    const qsizetype unread = m_end - m_begin;
    if (m_begin > 0) {
        m_bufferOffset += m_begin;
        if (unread > 0)
            std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, static_cast<std::size_t>(unread));
        m_begin = 0;
        m_end = unread;
    }
    if (m_buffer.size() - m_end < m_chunkBytes)
        m_buffer.resize(std::max(m_buffer.size() * 2, m_end + m_chunkBytes));

    const qint64 got = m_device.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got < 0) {
        m_error = readFailureReason(m_device);
        m_atEnd = true;
        return false;
    }
    if (got == 0) {
        m_atEnd = true;
        return false;
    }
    m_end += got;
    return true;
}

void LineReader::settleLineEnd()
{
    if (!m_crBeforeBegin)
        return;
    if (m_begin == m_end && !fill())
        return;
    m_crBeforeBegin = false;
    if (m_buffer.at(m_begin) == lf) {
        ++m_begin;
        m_scanned = 0;
        m_skipScanned = 0;
    }
}

std::optional<QByteArrayView> LineReader::next()
{
    settleLineEnd();
    if (failed())
        return std::nullopt;

    for (;;) {
        const char* start = m_buffer.constData() + m_begin;
        const qsizetype available = m_end - m_begin;
        const void* found = available > m_scanned
            ? std::memchr(start + m_scanned, cr, static_cast<std::size_t>(available - m_scanned))
            : nullptr;

        if (found) {
            const qsizetype length = static_cast<const char*>(found) - start;
            // A CR that is the last byte read may be the first half of CR LF.
            if (length + 1 == available && fill())
                continue; // fill() moved the bytes; the CR is found again at once
            if (failed())
                return std::nullopt;
            const char* line = m_buffer.constData() + m_begin;
            qsizetype consumed = length + 1;
            if (length + 1 < m_end - m_begin && line[length + 1] == lf)
                ++consumed;
            m_begin += consumed;
            m_scanned = 0;
            m_skipScanned = 0;
            return QByteArrayView(line, length);
        }

        m_scanned = available;
        if (fill())
            continue;
        if (failed())
            return std::nullopt;
        // The end of the file: what is left is the last line, without a line
        // end; nothing left means the file ended with a line end.
        if (available == 0)
            return std::nullopt;
        const char* line = m_buffer.constData() + m_begin;
        m_begin = m_end;
        m_scanned = 0;
        m_skipScanned = 0;
        return QByteArrayView(line, available);
    }
}

void LineReader::dropWholeLines()
{
    const char* start = m_buffer.constData() + m_begin;
    const qsizetype available = m_end - m_begin;
    // Only the bytes not yet known to be free of CR need looking at, so a
    // long line is not searched again after every read.
    qsizetype lastCr = available - 1;
    while (lastCr >= m_scanned && start[lastCr] != cr)
        --lastCr;
    if (lastCr < m_scanned) {
        // One unfinished line, and it does not start with the wanted byte:
        // none of it is needed, however long it grows (a file with LF line
        // ends is one such line).
        if (available > 0) {
            m_begin = m_end;
            m_midLine = true;
        }
        m_scanned = 0;
        m_skipScanned = 0;
        return;
    }

    qsizetype next = lastCr + 1;
    if (next < available && start[next] == lf)
        ++next;
    // A CR at the very end may still be followed by the LF of its CR LF.
    m_crBeforeBegin = lastCr == available - 1;
    m_midLine = false;
    m_begin += next;
    m_scanned = available - next;
    m_skipScanned = 0;
}

bool LineReader::seekLineStartingWith(char first)
{
    for (;;) {
        settleLineEnd();
        if (failed())
            return false;

        const char* start = m_buffer.constData() + m_begin;
        const qsizetype available = m_end - m_begin;
        if (available > 0 && !m_midLine && start[0] == first)
            return true;

        // A byte starts a line when a lone CR or a CR LF stands before it.
        qsizetype from = std::max<qsizetype>(m_skipScanned, 1);
        while (from < available) {
            const void* hit = std::memchr(start + from, first, static_cast<std::size_t>(available - from));
            if (!hit)
                break;
            const qsizetype at = static_cast<const char*>(hit) - start;
            if (start[at - 1] == cr || (start[at - 1] == lf && at >= 2 && start[at - 2] == cr)) {
                m_midLine = false;
                m_begin += at;
                m_scanned = 0;
                m_skipScanned = 0;
                return true;
            }
            from = at + 1;
        }
        // The last byte may be a CR, and the wanted byte may follow it in the
        // next read; it is looked at again then.
        m_skipScanned = std::max<qsizetype>(available, 1);

        dropWholeLines();
        if (!fill()) {
            if (failed())
                return false;
            // The end of the file without a wanted line.
            m_begin = m_end;
            m_crBeforeBegin = false;
            m_midLine = false;
            return false;
        }
    }
}

std::optional<LineReader::LineHead> LineReader::takeHead(qsizetype headBytes)
{
    // Enough bytes to tell whether the line ends within its head.
    while (m_end - m_begin <= headBytes && fill()) {}
    if (failed())
        return std::nullopt;

    const char* start = m_buffer.constData() + m_begin;
    const qsizetype available = m_end - m_begin;
    const qint64 offset = m_bufferOffset + m_begin;
    const qsizetype looked = std::min(available, headBytes + 1);
    const void* found = std::memchr(start, cr, static_cast<std::size_t>(looked));
    m_scanned = 0;
    m_skipScanned = 0;
    if (found) {
        const qsizetype length = static_cast<const char*>(found) - start;
        m_begin += length + 1;
        m_midLine = false;
        m_crBeforeBegin = true;
        return LineHead{QByteArrayView(start, length), offset};
    }
    if (available <= headBytes) {
        // The last line of the file, without a line end.
        m_begin = m_end;
        m_midLine = false;
        return LineHead{QByteArrayView(start, available), offset};
    }
    // The line goes on; the rest of it is passed over by the next search.
    m_begin += headBytes;
    m_midLine = true;
    return LineHead{QByteArrayView(start, headBytes), offset};
}

std::optional<LineReader::LineHead> LineReader::nextHeadStartingWith(char first, qsizetype headBytes)
{
    if (!seekLineStartingWith(first))
        return std::nullopt;
    return takeHead(std::max<qsizetype>(headBytes, 1));
}

std::optional<QByteArrayView> LineReader::nextStartingWith(char first)
{
    if (!seekLineStartingWith(first))
        return std::nullopt;
    return next();
}

} // namespace zornalit
