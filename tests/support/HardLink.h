#pragma once

#include <QFile>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zornalit::testing {

// Gives the file at target a second name, link; false where the file system
// makes no hard links.
inline bool makeHardLink(const QString& target, const QString& link)
{
#ifdef Q_OS_WIN
    return ::CreateHardLinkW(reinterpret_cast<const wchar_t*>(link.utf16()),
                             reinterpret_cast<const wchar_t*>(target.utf16()), nullptr);
#else
    return ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
#endif
}

} // namespace zornalit::testing
