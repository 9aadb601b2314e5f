#include "LineReader.h"

#include "ByteBits.h"
#include "platform/DeviceFailure.h"

#include <bit>

namespace zornalit {

LineReader::LineReader(QIODevice& device, qsizetype chunkBytes, qsizetype kept)
    : m_device(device)
    , m_keptBytes(std::max<qsizetype>(kept, 1))
    , m_chunk(std::max<qsizetype>(chunkBytes, 1), Qt::Uninitialized)
    , m_chunkOffset(device.isSequential() ? 0 : device.pos())
{
}

bool LineReader::fill()
{
    m_chunkOffset += m_size;
    m_position = 0;
    m_size = 0;
    m_nextUnassigned = -1;
    m_maskStart = -1;
    if (m_atEnd)
        return false;
    // Reading in a thread of its own was measured to gain nothing: the file
    // is copied out of the system's cache far quicker than it is split.
    const qint64 got = m_device.read(m_chunk.data(), m_chunk.size());
    if (got < 0)
        m_error = readFailureReason(m_device);
    if (got <= 0) {
        m_atEnd = true;
        return false;
    }
    m_size = got;
    return true;
}

void LineReader::stop()
{
    m_atEnd = true;
    m_lineEndOpen = false;
    m_position = 0;
    m_size = 0;
}

bool LineReader::enterNextChunk()
{
    for (;;) {
        if (failed() || (m_position == m_size && !fill()))
            return false;
        if (!m_lineEndOpen)
            return true;
        m_lineEndOpen = false;
        if (belongsToLineEnd(m_chunk.constData()[m_position]))
            ++m_position;
    }
}

qsizetype LineReader::findLineByte(qsizetype from)
{
    const char* bytes = m_chunk.constData();
    for (;;) {
        // The mask of the 64 bytes from m_maskStart serves every line that
        // starts among them.
        if (m_maskStart < 0 || from >= m_maskStart + 64) {
            if (from + 64 > m_size)
                break;
            m_maskStart = from;
            m_mask = bitsOf(bytes + from, lineEnd) | bitsOf(bytes + from, lineFeed);
        }
        const quint64 ahead = m_mask >> (from - m_maskStart);
        if (ahead != 0)
            return from + std::countr_zero(ahead);
        from = m_maskStart + 64;
    }
    while (from < m_size && bytes[from] != lineEnd && bytes[from] != lineFeed)
        ++from;
    return from;
}

void LineReader::keep(qsizetype from, qsizetype to)
{
    const qsizetype room = m_keptBytes - m_kept.size();
    if (room > 0)
        m_kept.append(m_chunk.constData() + from, std::min(room, to - from));
}

inline void LineReader::count(qsizetype to)
{
    for (nextUnassigned(); m_nextUnassigned < to;
         m_nextUnassigned = findByte(m_nextUnassigned + 1, m_size, unassignedByte))
        ++m_line.unassigned;
    m_line.length += to - m_position;
    m_position = to;
}

const ScannedLine* LineReader::readLine(const Pieces* piece)
{
    if (!enterLine())
        return nullptr;
    m_line.length = 0;
    m_line.lineFeeds = 0;
    m_line.unassigned = 0;
    if (!m_kept.isEmpty())
        m_kept.resize(0);
    bool spansChunks = false;
    qsizetype start = m_position;
    m_line.offset = m_chunkOffset + start;
    for (;;) {
        if (m_position == m_size) {
            if (piece && start < m_size && !(*piece)(QByteArrayView(m_chunk.constData() + start, m_size - start))) {
                stop();
                return nullptr;
            }
            keep(start, m_size);
            spansChunks = true;
            if (!fill()) {
                if (failed() || m_line.length == 0)
                    return nullptr;
                // The last line, without a line end.
                m_line.start = m_kept;
                return &m_line;
            }
            start = 0;
            continue;
        }
        const qsizetype at = findLineByte(m_position);
        count(at);
        if (at == m_size)
            continue;
        if (!endsLine(m_chunk.constData()[at])) {
            // An LF that follows no line end stays in the line.
            ++m_line.lineFeeds;
            ++m_line.length;
            ++m_position;
            continue;
        }
        if (piece && start < at && !(*piece)(QByteArrayView(m_chunk.constData() + start, at - start))) {
            stop();
            return nullptr;
        }
        if (spansChunks) {
            keep(start, at);
            m_line.start = m_kept;
        } else {
            m_line.start = QByteArrayView(m_chunk.constData() + start, std::min(at - start, m_keptBytes));
        }
        m_position = passLineEnd(at);
        return &m_line;
    }
}

} // namespace zornalit
