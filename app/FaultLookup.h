#pragma once

#include "lookup/QueryInput.h"
#include "lookup/StepCodes.h"
#include "platform/Platform.h"

namespace zornalit {

// One press of the arrow button: validates what the boxes hold, looks the
// pair up in the fault database with the step fallback, writes the report
// and opens it, or says what went wrong. Returns what the boxes must show.
QueryBoxes runFaultLookup(const Platform& platform, const StepCodes& codes, const QueryBoxes& typed);

} // namespace zornalit
