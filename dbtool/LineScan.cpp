#include "LineScan.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZORNALIT_SSE2 1
#endif

namespace zornalit::dbtool {

namespace {

constexpr char cr = '\r';
constexpr char lf = '\n';
constexpr char unassignedByte = '\x98';

// The index of the first CR in bytes[from, to), or to. Lines are short, so
// the bytes are compared 64 at a time without a call per line.
qsizetype findCr(const char* bytes, qsizetype from, qsizetype to)
{
#ifdef ZORNALIT_SSE2
    const __m128i crs = _mm_set1_epi8(cr);
    const auto maskAt = [&](qsizetype at) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        return static_cast<quint64>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, crs))));
    };
    while (from + 64 <= to) {
        const quint64 mask = maskAt(from) | maskAt(from + 16) << 16 | maskAt(from + 32) << 32 | maskAt(from + 48) << 48;
        if (mask != 0)
            return from + std::countr_zero(mask);
        from += 64;
    }
#endif
    const void* hit = std::memchr(bytes + from, cr, static_cast<std::size_t>(to - from));
    return hit ? static_cast<const char*>(hit) - bytes : to;
}

// The index of the first byte at or after from, or to: for the bytes that
// are rare, looked for once per chunk rather than once per line.
qsizetype findByte(const char* bytes, qsizetype from, qsizetype to, char byte)
{
    if (from >= to)
        return to;
    const void* hit = std::memchr(bytes + from, byte, static_cast<std::size_t>(to - from));
    return hit ? static_cast<const char*>(hit) - bytes : to;
}

} // namespace

LineScan::LineScan(QIODevice& device, qsizetype chunkBytes)
    : m_device(device)
    , m_chunk(std::max<qsizetype>(chunkBytes, 1), Qt::Uninitialized)
{
}

bool LineScan::fill()
{
    m_position = 0;
    m_size = 0;
    m_nextLineFeed = 0;
    m_nextUnassigned = 0;
    if (m_atEnd)
        return false;
    const qint64 got = m_device.read(m_chunk.data(), m_chunk.size());
    if (got < 0) {
        m_error = m_device.errorString();
        if (m_error.isEmpty())
            m_error = QStringLiteral("ошибка чтения");
    }
    if (got <= 0) {
        m_atEnd = true;
        return false;
    }
    m_size = got;
    m_nextLineFeed = findByte(m_chunk.constData(), 0, m_size, lf);
    m_nextUnassigned = findByte(m_chunk.constData(), 0, m_size, unassignedByte);
    return true;
}

void LineScan::keep(qsizetype from, qsizetype to)
{
    const qsizetype room = keptBytes - m_kept.size();
    if (room > 0)
        m_kept.append(m_chunk.constData() + from, std::min(room, to - from));
}

void LineScan::count(qsizetype to, ScannedLine& line)
{
    const char* bytes = m_chunk.constData();
    for (; m_nextLineFeed < to; m_nextLineFeed = findByte(bytes, m_nextLineFeed + 1, m_size, lf))
        ++line.lineFeeds;
    for (; m_nextUnassigned < to; m_nextUnassigned = findByte(bytes, m_nextUnassigned + 1, m_size, unassignedByte))
        ++line.unassigned;
    line.length += to - m_position;
    m_position = to;
}

std::optional<ScannedLine> LineScan::next()
{
    if (failed())
        return std::nullopt;
    if (m_crBefore) {
        // The LF of a CR LF belongs to the line end before.
        if (m_position == m_size && !fill())
            return std::nullopt;
        m_crBefore = false;
        if (m_chunk[m_position] == lf) {
            ++m_position;
            m_nextLineFeed = findByte(m_chunk.constData(), m_position, m_size, lf);
        }
    }

    ScannedLine line;
    if (!m_kept.isEmpty())
        m_kept.resize(0);
    bool spansChunks = false;
    qsizetype start = m_position;
    for (;;) {
        if (m_position == m_size) {
            keep(start, m_size);
            spansChunks = true;
            if (!fill()) {
                if (failed() || line.length == 0)
                    return std::nullopt;
                // The last line, without a line end.
                line.number = ++m_number;
                line.start = m_kept;
                return line;
            }
            start = 0;
            continue;
        }
        const qsizetype at = findCr(m_chunk.constData(), m_position, m_size);
        count(at, line);
        if (at == m_size)
            continue;
        ++m_position;
        m_crBefore = true;
        line.number = ++m_number;
        if (spansChunks) {
            keep(start, at);
            line.start = m_kept;
        } else {
            line.start = QByteArrayView(m_chunk.constData() + start, std::min(at - start, keptBytes));
        }
        return line;
    }
}

} // namespace zornalit::dbtool
