#pragma once

#include "StepCodes.h"

#include <QString>
#include <QStringList>

namespace zornalit {

// The steps one lookup tries, in order, when the step asked for has no
// description: for the step at position p of the table the steps at p,
// p - 1, …, 0 and then "1" once more (for "0": "0", then "1"). A text that is
// not a step code has no lower steps: only it is tried.
QStringList fallbackSteps(const QString& step, const StepCodes& codes);

} // namespace zornalit
