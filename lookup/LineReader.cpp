#include "LineReader.h"

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
        if (unread > 0)
            std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, static_cast<std::size_t>(unread));
        m_begin = 0;
        m_end = unread;
    }
    if (m_buffer.size() - m_end < m_chunkBytes)
        m_buffer.resize(std::max(m_buffer.size() * 2, m_end + m_chunkBytes));

    const qint64 got = m_device.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got < 0) {
        m_error = m_device.errorString();
        if (m_error.isEmpty())
            m_error = QStringLiteral("ошибка чтения");
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

std::optional<QByteArrayView> LineReader::next()
{
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
        return QByteArrayView(line, available);
    }
}

} // namespace zornalit
