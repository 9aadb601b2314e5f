#include "FaultSearch.h"

#include "Cp1251.h"
#include "HeaderLine.h"
#include "StepFallback.h"

#include <optional>

namespace zornalit {

namespace {

// The steps to try as bytes, best first. A header whose step is the k-th of
// them is what the k-th pass of the step-by-step walk would find.
class StepRanks {
public:
    explicit StepRanks(const QStringList& steps)
    {
        for (const QString& step : steps) {
            // A step the code page cannot write can match no header.
            const std::optional<QByteArray> bytes = cp1251::encode(step);
            m_steps << bytes.value_or(QByteArray());
            m_writable << bytes.has_value();
        }
    }

    // The rank of a header's step field; none when no pass looks for it.
    std::optional<qsizetype> rankOf(QByteArrayView stepField) const
    {
        const QByteArrayView step = trimmedStep(stepField);
        for (qsizetype rank = 0; rank < m_steps.size(); ++rank) {
            if (m_writable[rank] && m_steps[rank] == step)
                return rank;
        }
        return std::nullopt;
    }

private:
    QByteArrayList m_steps;
    QList<bool> m_writable;
};

} // namespace

SearchOutcome searchFaults(QIODevice& database, const QueryBoxes& query, const StepCodes& codes, qsizetype chunkBytes)
{
    SearchOutcome outcome;
    const QStringList steps = fallbackSteps(query.step, codes);
    const StepRanks ranks(steps);
    // Every header holds Windows-1251 bytes; a segment that code page cannot
    // write equals none of them, and the whole walk finds nothing.
    const std::optional<QByteArray> segment = cp1251::encode(query.segment);
    if (!segment)
        return outcome;

    std::optional<qsizetype> best;
    // Only header lines matter, and only their heads are kept, so no line is
    // ever held whole. The block itself is copied later from its position.
    LineStartSearch lines(database, headerKeyword[0], chunkBytes, headerHeadBytes);
    while (const ScannedLine* line = lines.next()) {
        if (!beginsWithKeyword(line->start))
            continue;
        const HeaderFields fields = readHeaderFields(line->start);
        if (fields.segment != *segment)
            continue;
        const std::optional<qsizetype> rank = ranks.rankOf(fields.step);
        // A later header of a step already found, or of a worse one, is only
        // a line; the first header of a better step wins.
        if (rank && (!best || *rank < *best)) {
            best = rank;
            outcome.foundStep = steps[*rank];
            outcome.blockStart = line->offset;
            if (best == 0)
                break; // nothing can beat the step asked for
        }
    }

    if (lines.failed()) {
        outcome = SearchOutcome{};
        outcome.result = SearchOutcome::Result::ReadFailed;
        outcome.error = lines.errorString();
        return outcome;
    }
    outcome.result = best ? SearchOutcome::Result::Found : SearchOutcome::Result::NotFound;
    return outcome;
}

} // namespace zornalit
