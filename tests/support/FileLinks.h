#pragma once

#include <QFile>
#include <QFileInfo>
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
    return ::CreateHardLinkW(
        reinterpret_cast<const wchar_t*>(link.utf16()), reinterpret_cast<const wchar_t*>(target.utf16()), nullptr);
#else
    return ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
#endif
}

// Why a test that needs a symbolic link skips where none can be made.
inline constexpr const char* noSymbolicLinks =
    "this system makes no symbolic links here: the account lacks the right, or Wine's call makes none";

// Makes a symbolic link at link pointing to target, which need not exist.
// On Windows Qt's own QFile::link makes a shortcut, a plain file, so the
// system's call is used; false where no link is made, as when this account
// may not make links, or under Wine, whose call answers yes and makes none.
inline bool makeSymbolicLink(const QString& target, const QString& link)
{
#ifdef Q_OS_WIN
    DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    if (QFileInfo(target).isDir())
        flags |= SYMBOLIC_LINK_FLAG_DIRECTORY;
    const auto* name = reinterpret_cast<const wchar_t*>(link.utf16());
    return ::CreateSymbolicLinkW(name, reinterpret_cast<const wchar_t*>(target.utf16()), flags)
        && ::GetFileAttributesW(name) != INVALID_FILE_ATTRIBUTES;
#else
    return QFile::link(target, link);
#endif
}

// Whether a symbolic link can be made in folder: one is made and removed.
inline bool symbolicLinksWork(const QString& folder)
{
    const QString probe = folder + QStringLiteral("/symbolic-link-probe");
    return makeSymbolicLink(folder + QStringLiteral("/nothing"), probe) && QFile::remove(probe);
}

} // namespace zornalit::testing
