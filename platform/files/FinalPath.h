#pragma once

#include <QString>

namespace zornalit {

// Whether the name Windows gives for an open file (GetFinalPathNameByHandleW)
// is the full name expected: its "\\?\" and "\\?\UNC\" prefixes taken off,
// either separator taken for the other, and letters compared regardless of
// case, one for one, as Windows compares names. A handle opened through a
// link that the system followed (Wine does, whatever it is asked) names the
// link's target, and so is not the file expected.
bool finalPathIs(const QString& finalPath, const QString& expected);

} // namespace zornalit
