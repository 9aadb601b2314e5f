#include "LineScan.h"

#include "ByteBits.h"

#include <bit>

namespace zornalit {

LineScan::LineScan(QIODevice& device, qsizetype chunkBytes, qsizetype kept)
    : LineReader(device, chunkBytes, kept)
{
}

qsizetype LineScan::heldBytes() const
{
    return LineReader::heldBytes()
        + static_cast<qsizetype>((m_lineEndBits.capacity() + m_lineFeedBits.capacity()) * sizeof(quint64));
}

const ScannedLine* LineScan::next()
{
    return numbered(readLine(nullptr));
}

const ScannedLine* LineScan::next(const Pieces& piece)
{
    return numbered(readLine(&piece));
}

LineScan::FirstBytes::FirstBytes(QByteArrayView bytes)
{
    for (const char byte : bytes)
        m_table[static_cast<unsigned char>(byte)] = true;
}

void LineScan::noteLineBytes()
{
    const std::size_t words = static_cast<std::size_t>(chunkCapacity() / 64 + 1);
    if (m_lineEndBits.size() < words) {
        m_lineEndBits.resize(words);
        m_lineFeedBits.resize(words);
    }
    quint64* lineEnds = m_lineEndBits.data();
    quint64* lineFeeds = m_lineFeedBits.data();
    const char* chunk = bytes();
    // An LF that starts the chunk is never one of a line end here:
    // enterLine() passes those before any line of the chunk is looked at.
    quint64 lineEndBefore = 0;
    const auto note = [&](qsizetype at, quint64 ends, quint64 feeds) {
        lineEnds[at / 64] = ends;
        lineFeeds[at / 64] = lineFeedsInLines(ends, feeds, lineEndBefore);
        lineEndBefore = ends >> 63;
    };
    qsizetype at = 0;
    for (; at + 64 <= m_size; at += 64)
        note(at, bitsOf(chunk + at, lineEnd), bitsOf(chunk + at, lineFeed));
    if (at < m_size)
        note(at, bitsOf(chunk + at, chunk + m_size, lineEnd), bitsOf(chunk + at, chunk + m_size, lineFeed));
    m_nextLineFeed = -1;
    m_notedChunk = chunkOffset();
}

qsizetype LineScan::nextLineFeedInLine()
{
    if (m_nextLineFeed >= m_position)
        return m_nextLineFeed;
    const quint64* lineFeeds = m_lineFeedBits.data();
    const qsizetype lastWord = (m_size - 1) / 64;
    qsizetype word = m_position / 64;
    quint64 bits = lineFeeds[word] & (~quint64(0) << (m_position % 64));
    while (bits == 0 && word < lastWord)
        bits = lineFeeds[++word];
    m_nextLineFeed = bits == 0 ? m_size : word * 64 + std::countr_zero(bits);
    return m_nextLineFeed;
}

const ScannedLine* LineScan::nextNotable(const FirstBytes& firstBytes)
{
    for (;;) {
        // Lines that start and end in the chunk, without LF or 0x98, are
        // taken here from the line ends noted for the chunk.
        if (!enterLine())
            return nullptr;
        if (m_notedChunk != chunkOffset())
            noteLineBytes();
        const qsizetype plainBefore = std::min(nextLineFeedInLine(), nextUnassigned());
        if (const ScannedLine* line = numbered(nextNotablePlainLine(firstBytes, plainBefore)))
            return line;
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
    // Most lines are passed over here, so this walks the chunk's line end
    // bits itself and only counts the lines it passes.
    const char* chunk = bytes();
    const quint64* lineEnds = m_lineEndBits.data();
    const qsizetype lastWord = (m_size - 1) / 64;
    qsizetype start = m_position;
    qsizetype word = start / 64;
    quint64 ends = lineEnds[word] & (~quint64(0) << (start % 64));
    qint64 passed = 0;
    for (;;) {
        while (ends == 0 && word < lastWord)
            ends = lineEnds[++word];
        if (ends == 0)
            break; // the line runs over the chunk's end
        const qsizetype end = word * 64 + std::countr_zero(ends);
        ends &= ends - 1;
        if (end >= plainBefore)
            break; // the line holds an LF or a 0x98
        if (start < end && firstBytes.contains(chunk[start])) {
            m_lines += passed;
            m_position = start;
            return plainLine(end);
        }
        ++passed;
        start = passLineEnd(end);
        if (start == m_size)
            break;
    }
    m_lines += passed;
    m_position = start;
    return nullptr;
}

} // namespace zornalit
