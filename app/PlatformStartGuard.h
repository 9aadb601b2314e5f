#pragma once

#include "platform/qt/HeldMessages.h"

#include <QString>

namespace zornalit {

// Watches the toolkit while it connects to the display. Qt ends a program
// that cannot reach its display with several lines and an abort; the
// operator gets one plain line and the exit status 1 instead. Messages that
// turn out harmless are passed on once the connection stands. This is the
// only place that tells of a missing display: with none named, Qt fails
// to connect just as with one that does not answer.
class PlatformStartGuard {
public:
    PlatformStartGuard();

    // The line told when the display cannot be reached.
    static QString failureLine();

private:
    HeldMessages m_held;
};

} // namespace zornalit
