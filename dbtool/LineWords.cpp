#include "LineWords.h"

#include "WordSearch.h"
#include "lookup/Cp1251.h"

#include <algorithm>

namespace zornalit::dbtool {

LineWords::LineWords(const QStringList& foldedWords)
    : m_words(foldedWords)
    , m_held(foldedWords.size(), false)
{
    for (const QString& word : m_words)
        m_overlap = std::max(m_overlap, word.size() - 1);
}

void LineWords::read(QByteArrayView piece)
{
    // Folding keeps every character apart, so the folded tail of one piece
    // followed by the folded next piece is the folded text across them.
    const QString text = m_tail + foldedForSearch(cp1251::decode(piece));
    for (qsizetype i = 0; i < m_words.size(); ++i) {
        if (!m_held[i] && text.contains(m_words[i]))
            m_held[i] = true;
    }
    m_tail = text.right(m_overlap);
}

bool LineWords::holdsAny() const
{
    return std::any_of(m_held.cbegin(), m_held.cend(), [](bool held) { return held; });
}

void LineWords::startLine()
{
    m_tail.clear();
    m_held.fill(false);
}

} // namespace zornalit::dbtool
