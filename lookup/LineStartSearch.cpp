#include "LineStartSearch.h"

namespace zornalit {

LineStartSearch::LineStartSearch(QIODevice& device, char first, qsizetype chunkBytes, qsizetype kept)
    : LineReader(device, chunkBytes, kept)
    , m_first(first)
{
}

qsizetype LineStartSearch::findLineStartingWith() const
{
    for (qsizetype at = findByte(m_position + 1, m_size, m_first); at < m_size;
         at = findByte(at + 1, m_size, m_first)) {
        if (startsLine(at, m_position))
            return at;
    }
    return -1;
}

qsizetype LineStartSearch::lastLineEnd(qsizetype from) const
{
    // Looked for from the end: it is rarely far from it.
    const char* chunk = bytes();
    for (qsizetype at = m_size - 1; at >= from; --at) {
        if (endsLine(chunk[at]))
            return at;
    }
    return -1;
}

const ScannedLine* LineStartSearch::next()
{
    while (enterLine()) {
        const char* chunk = bytes();
        const qsizetype at = chunk[m_position] == m_first ? m_position : findLineStartingWith();
        if (at >= 0) {
            // The line is read as any other: taking a short one in a pass
            // of its own was measured to gain nothing.
            m_position = at;
            return readLine(nullptr);
        }
        if (const qsizetype end = lastLineEnd(m_position); end >= 0) {
            m_position = passLineEnd(end);
            continue;
        }
        // A line that does not start with the first byte runs over the
        // chunk's end.
        if (readLine(nullptr) == nullptr)
            return nullptr;
    }
    return nullptr;
}

} // namespace zornalit
