#pragma once

#include "platform/FileCalls.h"
#include "SystemFileCalls.h"

#include <cerrno>

// What both halves of the system file calls share: how a failure is handed
// back, and how large one call's step may be.
namespace zornalit::filecalls {

inline bool fail(FileError* error, FileError what)
{
    if (error)
        *error = what;
    return false;
}

inline bool failWithErrno(FileError* error)
{
    return fail(error, fileErrorOfErrno(errno));
}

// One call never moves more than this, so sizes fit every platform's type.
constexpr qint64 largestStep = 1 << 30;

} // namespace zornalit::filecalls
