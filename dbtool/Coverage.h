#pragma once

#include "HeaderIndex.h"
#include "lookup/LineStartSearch.h"
#include "lookup/StepCodes.h"

#include <QIODevice>
#include <QList>
#include <QString>

#include <array>

namespace zornalit::dbtool {

// What the operator gets for one segment and each of the 32 step codes,
// through the step fallback: the header of the block shown, or none.
struct SegmentCoverage {
    QByteArray segment;
    std::array<FirstHeader, StepCodes::count> shown;
};

struct CoverageTable {
    QList<SegmentCoverage> segments;
    bool readFailed = false;
    QString error;
};

// Reads the database once and gives, for every segment a query can reach,
// the block the lookup shows for each step code. Lines are not counted: the
// headers carry no line numbers.
CoverageTable coverDatabase(
    QIODevice& database, const StepCodes& codes, qsizetype chunkBytes = LineStartSearch::searchChunkBytes);

// The block shown for each step code, from the first header of each step.
std::array<FirstHeader, StepCodes::count> throughFallback(
    const std::array<FirstHeader, StepCodes::count>& firsts, const StepCodes& codes);

} // namespace zornalit::dbtool
