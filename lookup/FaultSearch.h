#pragma once

#include "LineStartSearch.h"
#include "QueryInput.h"
#include "StepCodes.h"

#include <QIODevice>
#include <QString>

namespace zornalit {

struct SearchOutcome {
    enum class Result {
        Found,
        NotFound,
        ReadFailed, // the device failed before the search could be decided
    };

    Result result = Result::NotFound;
    // The step whose header was found: the one asked for or a lower one.
    QString foundStep;
    // The database position where the block's header line starts; copyBlock
    // writes the block from there.
    qint64 blockStart = -1;
    // What the device said when reading failed.
    QString error;
};

// Looks up the description block of a normalised segment and step in a fault
// database, falling back to lower steps (see fallbackSteps). The outcome is
// the one that trying each step in turn, each time reading the file from its
// first line and taking the first header that fits, would give; the file is
// read once, in one pass, holding only the head of the line being looked at
// and the position of the best header seen so far. The header's segment must equal the segment exactly; its step,
// without surrounding spaces, must equal the step tried.
SearchOutcome searchFaults(QIODevice& database, const QueryBoxes& query, const StepCodes& codes,
    qsizetype chunkBytes = LineStartSearch::searchChunkBytes);

} // namespace zornalit
