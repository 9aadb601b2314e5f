#include "LineScan.h"

#include "platform/DeviceFailure.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZORNALIT_SSE2 1
#endif

namespace zornalit {

namespace {

constexpr char cr = '\r';
constexpr char lf = '\n';
constexpr char unassignedByte = '\x98';

// Bit i tells whether bytes[at + i] is a CR or an LF, for 64 bytes.
quint64 lineByteMask(const char* bytes, qsizetype at)
{
#ifdef ZORNALIT_SSE2
    const __m128i crs = _mm_set1_epi8(cr);
    const __m128i lfs = _mm_set1_epi8(lf);
    const auto maskOf = [&](qsizetype offset) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at + offset));
        const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(block, crs), _mm_cmpeq_epi8(block, lfs));
        return static_cast<quint64>(static_cast<unsigned>(_mm_movemask_epi8(hits)));
    };
    return maskOf(0) | maskOf(16) << 16 | maskOf(32) << 32 | maskOf(48) << 48;
#else
    quint64 mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= static_cast<quint64>(bytes[at + i] == cr || bytes[at + i] == lf) << i;
    return mask;
#endif
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

LineScan::LineScan(QIODevice& device, qsizetype chunkBytes, qsizetype kept)
    : m_device(device)
    , m_keptBytes(std::max<qsizetype>(kept, 1))
    , m_chunk(std::max<qsizetype>(chunkBytes, 1), Qt::Uninitialized)
    , m_chunkOffset(device.isSequential() ? 0 : device.pos())
{
}

qsizetype LineScan::heldBytes() const
{
    return m_chunk.capacity() + m_kept.capacity()
        + static_cast<qsizetype>(m_crBits.capacity() * sizeof(quint64) + m_loneLfs.capacity() * sizeof(qint32));
}

bool LineScan::fill()
{
    m_chunkOffset += m_size;
    m_position = 0;
    m_size = 0;
    m_nextUnassigned = -1;
    m_maskStart = -1;
    m_loneLfCount = 0;
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
    m_lineEndsFound = false;
    return true;
}

void LineScan::findLineEnds()
{
    const std::size_t words = static_cast<std::size_t>(m_chunk.size() / 64 + 1);
    if (m_crBits.size() < words) {
        m_crBits.resize(words);
        m_loneLfs.resize(static_cast<std::size_t>(m_chunk.size()));
    }
    quint64* crWords = m_crBits.data();
    qint32* loneLfList = m_loneLfs.data();
    qsizetype loneLfCount = 0;
    const char* bytes = m_chunk.constData();
    qsizetype at = 0;
    quint64 crBefore = 0; // whether the byte before the 64 is a CR
    const auto note = [&](quint64 crMask, quint64 lfMask) {
        crWords[at / 64] = crMask;
        for (quint64 lone = lfMask & ~((crMask << 1) | crBefore); lone != 0; lone &= lone - 1)
            loneLfList[loneLfCount++] = static_cast<qint32>(at + std::countr_zero(lone));
        crBefore = crMask >> 63;
    };
#ifdef ZORNALIT_SSE2
    const __m128i crs = _mm_set1_epi8(cr);
    const __m128i lfs = _mm_set1_epi8(lf);
    for (; at + 64 <= m_size; at += 64) {
        quint64 crMask = 0;
        quint64 lfMask = 0;
        for (int offset = 0; offset < 64; offset += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at + offset));
            crMask |= static_cast<quint64>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, crs))))
                << offset;
            lfMask |= static_cast<quint64>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lfs))))
                << offset;
        }
        note(crMask, lfMask);
    }
#endif
    for (; at < m_size; at += 64) {
        quint64 crMask = 0;
        quint64 lfMask = 0;
        for (qsizetype i = 0; i < 64 && at + i < m_size; ++i) {
            crMask |= static_cast<quint64>(bytes[at + i] == cr) << i;
            lfMask |= static_cast<quint64>(bytes[at + i] == lf) << i;
        }
        note(crMask, lfMask);
    }
    m_loneLfCount = loneLfCount;
    m_nextLoneLf = 0;
    m_lineEndsFound = true;
}

qsizetype LineScan::lastCr(qsizetype from) const
{
    // Looked for from the end: it is rarely far from it.
    const char* bytes = m_chunk.constData();
    for (qsizetype at = m_size - 1; at >= from; --at) {
        if (bytes[at] == cr)
            return at;
    }
    return -1;
}

qsizetype LineScan::findLineByte(qsizetype from)
{
    const char* bytes = m_chunk.constData();
    for (;;) {
        // The mask of the 64 bytes from m_maskStart serves every line that
        // starts among them.
        if (m_maskStart < 0 || from >= m_maskStart + 64) {
            if (from + 64 > m_size)
                break;
            m_maskStart = from;
            m_mask = lineByteMask(bytes, from);
        }
        const quint64 ahead = m_mask >> (from - m_maskStart);
        if (ahead != 0)
            return from + std::countr_zero(ahead);
        from = m_maskStart + 64;
    }
    while (from < m_size && bytes[from] != cr && bytes[from] != lf)
        ++from;
    return from;
}

void LineScan::keep(qsizetype from, qsizetype to)
{
    const qsizetype room = m_keptBytes - m_kept.size();
    if (room > 0)
        m_kept.append(m_chunk.constData() + from, std::min(room, to - from));
}

inline void LineScan::count(qsizetype to)
{
    const char* bytes = m_chunk.constData();
    for (nextUnassigned(); m_nextUnassigned < to;
         m_nextUnassigned = findByte(bytes, m_nextUnassigned + 1, m_size, unassignedByte))
        ++m_line.unassigned;
    m_line.length += to - m_position;
    m_position = to;
}

void LineScan::stop()
{
    m_atEnd = true;
    m_crBefore = false;
    m_position = 0;
    m_size = 0;
    m_loneLfCount = 0;
}

const ScannedLine* LineScan::next()
{
    return nextLine(nullptr);
}

const ScannedLine* LineScan::next(const Pieces& piece)
{
    return nextLine(&piece);
}

const ScannedLine* LineScan::nextLine(const Pieces* piece)
{
    if (failed())
        return nullptr;
    if (m_crBefore) {
        // The LF of a CR LF belongs to the line end before.
        if (m_position == m_size && !fill())
            return nullptr;
        m_crBefore = false;
        if (m_chunk.constData()[m_position] == lf)
            ++m_position;
    }

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
                countLine();
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
        ++m_position;
        if (m_chunk.constData()[at] == lf) {
            // A lone LF: part of the line.
            ++m_line.lineFeeds;
            ++m_line.length;
            continue;
        }
        if (piece && start < at && !(*piece)(QByteArrayView(m_chunk.constData() + start, at - start))) {
            stop();
            return nullptr;
        }
        m_crBefore = true;
        countLine();
        if (spansChunks) {
            keep(start, at);
            m_line.start = m_kept;
        } else {
            m_line.start = QByteArrayView(m_chunk.constData() + start, std::min(at - start, m_keptBytes));
        }
        return &m_line;
    }
}

LineScan::FirstBytes::FirstBytes(QByteArrayView bytes)
{
    for (const char byte : bytes)
        m_table[static_cast<unsigned char>(byte)] = true;
}

const ScannedLine* LineScan::nextNotable(const FirstBytes& firstBytes)
{
    for (;;) {
        if (failed())
            return nullptr;
        const char* bytes = m_chunk.constData();
        if (m_crBefore && m_position < m_size) {
            // The same step as next() takes first.
            m_crBefore = false;
            if (bytes[m_position] == lf)
                ++m_position;
        }
        // Lines that start and end in the chunk, without LF or 0x98, are
        // taken here from the CRs noted for the chunk.
        if (!m_crBefore && m_position < m_size) {
            if (!m_lineEndsFound)
                findLineEnds();
            while (m_nextLoneLf < m_loneLfCount && m_loneLfs[m_nextLoneLf] < m_position)
                ++m_nextLoneLf;
            const qsizetype loneLf = m_nextLoneLf < m_loneLfCount ? m_loneLfs[m_nextLoneLf] : m_size;
            if (const ScannedLine* line = nextNotablePlainLine(firstBytes, std::min(loneLf, nextUnassigned())))
                return line;
        }
        // Anything else: a line over the chunk's end, or one with an LF or
        // a 0x98, or the end of the file.
        const ScannedLine* line = next();
        if (line == nullptr || line->lineFeeds > 0 || line->unassigned > 0
            || (!line->start.isEmpty() && firstBytes.contains(line->start.front())))
            return line;
    }
}

const ScannedLine* LineScan::nextNotablePlainLine(const FirstBytes& firstBytes, qsizetype plainBefore)
{
    // Most lines are passed over here, so this walks the chunk's CR bits
    // itself and only counts the lines it passes.
    const char* bytes = m_chunk.constData();
    const quint64* crWords = m_crBits.data();
    const qsizetype lastWord = (m_size - 1) / 64;
    qsizetype start = m_position;
    qsizetype word = start / 64;
    quint64 crs = crWords[word] & (~quint64(0) << (start % 64));
    qint64 passed = 0;
    for (;;) {
        while (crs == 0 && word < lastWord)
            crs = crWords[++word];
        if (crs == 0)
            break; // the line runs over the chunk's end
        const qsizetype end = word * 64 + std::countr_zero(crs);
        crs &= crs - 1;
        if (end >= plainBefore)
            break; // the line holds an LF or a 0x98
        if (start < end && firstBytes.contains(bytes[start])) {
            m_line.number += m_numbered ? passed : 0;
            m_position = start;
            return plainLine(end);
        }
        ++passed;
        start = end + 1;
        if (start == m_size) {
            m_crBefore = true;
            break;
        }
        start += bytes[start] == lf ? 1 : 0;
    }
    m_line.number += m_numbered ? passed : 0;
    m_position = start;
    return nullptr;
}

const ScannedLine* LineScan::plainLine(qsizetype end)
{
    const qsizetype start = m_position;
    countLine();
    m_line.offset = m_chunkOffset + start;
    m_line.length = end - start;
    m_line.lineFeeds = 0;
    m_line.unassigned = 0;
    m_line.start = QByteArrayView(m_chunk.constData() + start, std::min(end - start, m_keptBytes));
    m_position = end + 1;
    m_crBefore = true;
    return &m_line;
}

qsizetype LineScan::nextUnassigned()
{
    if (m_nextUnassigned < m_position)
        m_nextUnassigned = findByte(m_chunk.constData(), m_position, m_size, unassignedByte);
    return m_nextUnassigned;
}

qsizetype LineScan::findLineStartingWith(char first) const
{
    const char* bytes = m_chunk.constData();
    for (qsizetype at = findByte(bytes, m_position + 1, m_size, first); at < m_size;
         at = findByte(bytes, at + 1, m_size, first)) {
        // The line at m_position starts after any CR LF before it, so a CR
        // LF ending at at lies wholly in the chunk.
        if (bytes[at - 1] == cr || (bytes[at - 1] == lf && at - 2 >= m_position && bytes[at - 2] == cr))
            return at;
    }
    return -1;
}

const ScannedLine* LineScan::nextStartingWith(char first)
{
    m_numbered = false;
    m_line.number = 0;
    for (;;) {
        if (failed() || (m_position == m_size && !fill()))
            return nullptr;
        if (m_crBefore) {
            // The same step as next() takes first.
            m_crBefore = false;
            if (m_chunk.constData()[m_position] == lf)
                ++m_position;
            continue;
        }
        // m_position starts a line.
        const qsizetype at = m_chunk.constData()[m_position] == first ? m_position : findLineStartingWith(first);
        if (at >= 0) {
            m_position = at;
            // A header that ends in the chunk and holds no LF or 0x98 is taken
            // at once; headers are short, so one pass over them is quickest.
            const char* bytes = m_chunk.constData();
            qsizetype end = at;
            while (end < m_size && bytes[end] != cr && bytes[end] != lf && bytes[end] != unassignedByte)
                ++end;
            if (end < m_size && bytes[end] == cr)
                return plainLine(end);
            return next();
        }
        if (const qsizetype end = lastCr(m_position); end >= 0) {
            m_position = end + 1;
            m_crBefore = true;
            continue;
        }
        // A line that does not start with first runs over the chunk's end.
        if (next() == nullptr)
            return nullptr;
    }
}

} // namespace zornalit
