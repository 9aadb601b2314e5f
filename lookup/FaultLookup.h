#pragma once

#include "lookup/QueryInput.h"
#include "lookup/StepCodes.h"
#include "platform/Platform.h"

#include <functional>

namespace zornalit {

// Puts the normalised texts into the boxes while the lookup is still running,
// so that they already show them while a message is on screen.
using ShowQueryBoxes = std::function<void(const QueryBoxes&)>;

// One press of the arrow button: validates what the boxes hold, looks the
// pair up in the fault database with the step fallback, writes the report
// and opens it, or says what went wrong. Returns what the boxes must show.
QueryBoxes runFaultLookup(
    const Platform& platform, const StepCodes& codes, const QueryBoxes& typed, const ShowQueryBoxes& showBoxes = {});

} // namespace zornalit
