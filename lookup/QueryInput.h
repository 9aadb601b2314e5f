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

struct QueryCheck {
    // What the boxes hold after the steps that ran, also on failure.
    QueryBoxes boxes;
    // The prompt for the error message; empty when the query passed.
    QString error;
    bool passed() const { return error.isEmpty(); }
};

// Upper-cases, drops a leading zero and validates both texts, stopping at
// the first failure.
QueryCheck normaliseQuery(const QueryBoxes& typed, const StepCodes& codes);

} // namespace zornalit
