#include "WordSearch.h"

#include "HeaderIndex.h"
#include "LineScan.h"
#include "ShownText.h"
#include "lookup/Cp1251.h"
#include "lookup/HeaderLine.h"

#include <algorithm>

namespace zornalit::dbtool {

QString foldedForSearch(const QString& text)
{
    QString folded = text.toLower();
    folded.replace(u'ё', u'е');
    return folded;
}

namespace {

class BlockMatcher {
public:
    BlockMatcher(const QStringList& words, const StepCodes& codes,
                 const std::function<void(const FoundBlock&)>& found)
        : m_index(codes)
        , m_found(found)
    {
        for (const QString& word : words)
            m_words << foldedForSearch(word);
    }

    void take(qint64 number, QByteArrayView line)
    {
        if (beginsWithKeyword(line)) {
            close();
            open(number, line);
        } else if (!line.isEmpty() && line.front() == '@') {
            close();
            return;
        }
        if (m_inBlock)
            match(number, line);
    }

    qint64 finish()
    {
        close();
        return m_count;
    }

private:
    void open(qint64 number, QByteArrayView line)
    {
        const HeaderIndex::Placed placed = m_index.add(number, line);
        m_inBlock = true;
        m_block = FoundBlock{number, shownText(line), {}, 0, {}};
        if (!placed.verdict.askable) {
            m_block.unreachable = QStringLiteral("не находится никогда: ") + placed.verdict.reasons.join(QStringLiteral("; "));
        } else if (!placed.first) {
            m_block.unreachable =
                QStringLiteral("не показывается никогда: тот же заголовок стоит раньше, в строке %1").arg(placed.firstLine);
        }
        m_seen.fill(false, m_words.size());
    }

    void match(qint64 number, QByteArrayView line)
    {
        const QString text = foldedForSearch(cp1251::decode(line));
        bool any = false;
        for (qsizetype i = 0; i < m_words.size(); ++i) {
            if (text.contains(m_words[i])) {
                m_seen[i] = true;
                any = true;
            }
        }
        if (!any)
            return;
        ++m_block.matchedLines;
        if (m_block.lines.size() < keptMatchedLines)
            m_block.lines << MatchedLine{number, shownText(line)};
    }

    void close()
    {
        if (!m_inBlock)
            return;
        m_inBlock = false;
        if (std::all_of(m_seen.cbegin(), m_seen.cend(), [](bool seen) { return seen; })) {
            ++m_count;
            m_found(m_block);
        }
    }

    HeaderIndex m_index;
    const std::function<void(const FoundBlock&)>& m_found;
    QStringList m_words;
    QList<bool> m_seen;
    FoundBlock m_block;
    bool m_inBlock = false;
    qint64 m_count = 0;
};

} // namespace

WordSearchSummary searchWords(QIODevice& database, const QStringList& words, const StepCodes& codes,
                              const std::function<void(const FoundBlock&)>& found, qsizetype chunkBytes)
{
    BlockMatcher matcher(words, codes, found);
    // Words are looked for in the first searchedBytes of each line, so that a
    // line of any length (a file saved with LF line ends is one line) costs
    // no more memory than a short one.
    LineScan reader(database, chunkBytes, searchedBytes);
    while (const ScannedLine* line = reader.next())
        matcher.take(line->number, line->start);

    WordSearchSummary summary;
    summary.found = matcher.finish();
    if (reader.failed()) {
        summary.readFailed = true;
        summary.error = reader.errorString();
    }
    return summary;
}

} // namespace zornalit::dbtool
