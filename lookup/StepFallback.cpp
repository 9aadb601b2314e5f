#include "StepFallback.h"

namespace zornalit {

QStringList fallbackSteps(const QString& step, const StepCodes& codes)
{
    const std::optional<int> position = codes.positionOf(step);
    if (!position)
        return {step};

    QStringList steps;
    for (int p = *position; p >= 0; --p)
        steps << codes.at(p);
    // After step "0" the walk tries step "1" once, whatever it started from.
    steps << codes.at(1);
    return steps;
}

} // namespace zornalit
