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

// Whether a path is past what Windows opens without long-path support: the
// whole path of MAX_PATH (260) characters or more, or one name longer than
// 255. Windows then answers only that the file is not there.
inline bool pathTooLongForWindows(const QString& path)
{
    constexpr qsizetype maxPath = 260;
    constexpr qsizetype maxName = 255;
    if (path.size() >= maxPath)
        return true;
    qsizetype name = 0;
    for (const QChar character : path) {
        name = character == u'/' || character == u'\\' ? 0 : name + 1;
        if (name > maxName)
            return true;
    }
    return false;
}

// One call never moves more than this, so sizes fit every platform's type.
constexpr qint64 largestStep = 1 << 30;

} // namespace zornalit::filecalls
