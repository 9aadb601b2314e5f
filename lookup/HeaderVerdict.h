#pragma once

#include "StepCodes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace zornalit {

// What the lookup makes of a line that begins with the header keyword, and
// whether that is what its author wrote.
struct HeaderVerdict {
    // The segment field as the lookup reads it: bytes of the line judged.
    QByteArrayView segment;
    // The position of the step field in the step-code table, or -1 when the
    // field is no step code.
    int stepPosition = -1;
    // Whether some query of the window, after its normalisation, equals
    // both fields; if not, the block can never be shown.
    bool askable = false;
    // Why the header can never be asked, or how it reads differently from
    // what it says; empty for a sound header.
    QStringList reasons;
};

HeaderVerdict judgeHeader(QByteArrayView line, const StepCodes& codes);

} // namespace zornalit
