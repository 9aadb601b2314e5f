#pragma once

#include <QString>
#include <QtGlobal>

namespace zornalit {

// The largest sound file the program takes on: it is held whole in memory
// while it is decoded, and copied whole to its playing name before that.
// A larger one is refused before either is done.
constexpr qint64 soundFileBudgetBytes = 16 * 1024 * 1024;

// Empty when a sound file of the given size is within the budget; otherwise
// why it is refused, in words to follow a sentence that names the file.
QString soundFileSizeProblem(qint64 size);

} // namespace zornalit
