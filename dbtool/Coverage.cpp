#include "Coverage.h"

#include "lookup/HeaderLine.h"
#include "lookup/StepFallback.h"

namespace zornalit::dbtool {

std::array<FirstHeader, StepCodes::count> throughFallback(
    const std::array<FirstHeader, StepCodes::count>& firsts, const StepCodes& codes)
{
    std::array<FirstHeader, StepCodes::count> shown;
    for (int position = 0; position < StepCodes::count; ++position) {
        // The same walk as the window's: the step asked for, every lower
        // step down to 0, then 1 once more.
        for (const QString& step : fallbackSteps(codes.at(position), codes)) {
            const FirstHeader& first = firsts[*codes.positionOf(step)];
            if (first.exists()) {
                shown[position] = first;
                break;
            }
        }
    }
    return shown;
}

CoverageTable coverDatabase(QIODevice& database, const StepCodes& codes, qsizetype chunkBytes)
{
    HeaderIndex index(codes);
    // Only header lines matter, and they are found as the lookup finds
    // them, passing over the lines in between. Only the start of a header is
    // kept: enough to show it, and a header line of any length costs no more
    // memory than a short one.
    LineStartSearch lines(database, headerKeyword[0], chunkBytes, shownHeaderBytes);
    while (const ScannedLine* line = lines.next()) {
        if (beginsWithKeyword(line->start) && !index.repeatsAPair(line->start))
            index.add(0, line->start);
    }

    CoverageTable table;
    if (lines.failed()) {
        table.readFailed = true;
        table.error = lines.errorString();
        return table;
    }
    for (const SegmentHeaders& segment : index.segments())
        table.segments << SegmentCoverage{segment.segment, throughFallback(segment.steps, codes)};
    return table;
}

} // namespace zornalit::dbtool
