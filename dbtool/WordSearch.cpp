#include "WordSearch.h"

#include "HeaderIndex.h"
#include "LineWords.h"
#include "ShownText.h"
#include "lookup/HeaderLine.h"
#include "lookup/LineScan.h"

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
    BlockMatcher(qsizetype wordCount, const StepCodes& codes, const std::function<void(const FoundBlock&)>& found)
        : m_index(codes)
        , m_found(found)
        , m_wordCount(wordCount)
    {
    }

    // A line, its start, and which words the whole line holds.
    void take(qint64 number, QByteArrayView line, const LineWords& words)
    {
        if (beginsWithKeyword(line)) {
            close();
            open(number, line);
        } else if (endsBlock(line)) {
            close();
            return;
        }
        if (m_inBlock)
            match(number, line, words);
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
            m_block.unreachable = QStringLiteral("не находится никогда: ")
                + placed.verdict.reasons.join(QStringLiteral("; "));
        } else if (!placed.first) {
            m_block.unreachable = QStringLiteral("не показывается никогда: тот же заголовок стоит раньше, в строке %1")
                                      .arg(placed.firstHeader->line);
        }
        m_seen.fill(false, m_wordCount);
    }

    void match(qint64 number, QByteArrayView line, const LineWords& words)
    {
        if (!words.holdsAny())
            return;
        for (qsizetype i = 0; i < m_wordCount; ++i)
            m_seen[i] = m_seen[i] || words.held()[i];
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
    qsizetype m_wordCount;
    QList<bool> m_seen;
    FoundBlock m_block;
    bool m_inBlock = false;
    qint64 m_count = 0;
};

} // namespace

WordSearchSummary searchWords(QIODevice& database, const QStringList& words, const StepCodes& codes,
    const std::function<void(const FoundBlock&)>& found, qsizetype chunkBytes)
{
    QStringList folded;
    for (const QString& word : words)
        folded << foldedForSearch(word);
    BlockMatcher matcher(folded.size(), codes, found);
    // Each line is searched whole, piece by piece as it is read, and only
    // its start is kept, to be shown: a line of any length (a file saved
    // with LF line ends is one line) costs no more memory than a short one.
    LineWords lineWords(folded);
    const LineScan::Pieces read = [&lineWords](QByteArrayView piece) {
        lineWords.read(piece);
        return true;
    };
    LineScan reader(database, chunkBytes);
    while (const ScannedLine* line = reader.next(read)) {
        matcher.take(line->number, line->start, lineWords);
        lineWords.startLine();
    }

    WordSearchSummary summary;
    summary.found = matcher.finish();
    if (reader.failed()) {
        summary.readFailed = true;
        summary.error = reader.errorString();
    }
    return summary;
}

} // namespace zornalit::dbtool
