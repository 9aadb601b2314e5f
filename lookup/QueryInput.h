#pragma once

#include "StepCodes.h"

#include <QString>

namespace zornalit {

// The texts of the segment box and the step box.
struct QueryBoxes {
    QString segment;
    QString step;
    bool operator==(const QueryBoxes&) const = default;
};

// Why a query cannot be looked up; the first failure found stops the check.
enum class QueryProblem { None, SegmentTooLong, SegmentMissing, StepTooLong, StepMissing, StepUnknown };

struct QueryCheck {
    // What the boxes hold after the steps that ran, also on failure.
    QueryBoxes boxes;
    QueryProblem problem = QueryProblem::None;
    bool passed() const { return problem == QueryProblem::None; }
};

// Upper-cases, drops a leading zero and validates both texts, stopping at
// the first failure.
QueryCheck normaliseQuery(const QueryBoxes& typed, const StepCodes& codes);

// The prompt of the error message for a problem; empty for none.
QString queryPrompt(QueryProblem problem);

} // namespace zornalit
