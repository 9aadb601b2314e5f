#pragma once

#include <QFile>
#include <QString>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace zornalit::testing {

// Whether the files of this system include FIFOs; a test that needs one
// skips where they do not, saying noFifos.
#ifdef Q_OS_WIN
inline constexpr bool fifosExist = false;
#else
inline constexpr bool fifosExist = true;
#endif
inline constexpr const char* noFifos = "Windows has no FIFOs among its files";

// Makes a FIFO at path, for the owner only; false where it cannot.
inline bool makeFifo(const QString& path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

} // namespace zornalit::testing
