// The POSIX half of the system file calls.
#include "SystemFileCalls.h"

#include "SystemFileCallsSupport.h"

#include <QFile>

#include <algorithm>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zornalit {

using filecalls::fail;
using filecalls::failWithErrno;
using filecalls::largestStep;

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// Opens without waiting, even on a FIFO, and keeps the handle only if it
// is a regular file; the blocking mode is restored for the work that follows.
int openRegular(const QString& path, int flags, FileError* error)
{
    const int handle = ::open(native(path).constData(), flags | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        failWithErrno(error);
        return -1;
    }
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        fail(error, {S_ISDIR(status.st_mode) ? FileError::Kind::Folder : FileError::Kind::NotRegular, 0});
        return -1;
    }
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    return handle;
}

// Whether a lock call failed because the file system keeps no such locks;
// there a file in progress cannot be told from a leftover, and is kept.
bool locksUnsupported(int number)
{
    return number == ENOLCK || number == EINVAL || number == ENOTSUP || number == EOPNOTSUPP;
}

} // namespace

SystemFileCalls::~SystemFileCalls()
{
    for (const int held : std::as_const(m_inProgress))
        ::close(held);
}

PathKind SystemFileCalls::kindOf(const QString& path) const
{
    struct stat status {};
    if (::lstat(native(path).constData(), &status) != 0)
        return PathKind::Missing;
    if (S_ISLNK(status.st_mode))
        return PathKind::Link;
    if (S_ISDIR(status.st_mode))
        return PathKind::Folder;
    if (S_ISREG(status.st_mode))
        return PathKind::Regular;
    return PathKind::Other;
}

int SystemFileCalls::openForReading(const QString& path, FileError* error)
{
    return openRegular(path, O_RDONLY, error);
}

int SystemFileCalls::createNew(const QString& path, FileError* error)
{
    const int handle = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (handle < 0) {
        failWithErrno(error);
        return -1;
    }
    return holdInProgress(path, handle, error) ? handle : -1;
}

// A new file is in progress while its lock is held: another instance
// cleaning the folder removes only files it can lock without waiting. The
// lock is taken without waiting too, so that no other process can stop the
// program by holding it: a file someone else locked first, or removed
// before it was locked, is given up, and the caller tries another name.
bool SystemFileCalls::holdInProgress(const QString& path, int handle, FileError* error)
{
    const auto giveUp = [&](FileError why) {
        ::unlink(native(path).constData());
        ::close(handle);
        return fail(error, why);
    };
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0 && !locksUnsupported(errno))
        return giveUp({FileError::Kind::AlreadyExists, EEXIST});
    struct stat status {};
    if (::fstat(handle, &status) != 0 || status.st_nlink == 0) {
        ::close(handle);
        return fail(error, {FileError::Kind::AlreadyExists, EEXIST});
    }
    // The lock belongs to the open file, not to this descriptor: a copy of
    // it keeps the lock when the caller closes the file before renaming it.
    const int held = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
    if (held < 0)
        return giveUp(fileErrorOfErrno(errno));
    m_inProgress.insert(path, held);
    return true;
}

void SystemFileCalls::letGo(const QString& path)
{
    const auto held = m_inProgress.constFind(path);
    if (held == m_inProgress.constEnd())
        return;
    ::close(*held);
    m_inProgress.erase(held);
}

int SystemFileCalls::openForRewrite(const QString& path, FileError* error)
{
    const int handle = openRegular(path, O_WRONLY | O_NOFOLLOW, error);
    if (handle < 0)
        return -1;
    // The name is checked on the file actually opened: a second name of it
    // may lie outside the folder, and writing in place would change that
    // file too. A name removed meanwhile is no file to write either.
    struct stat status {};
    if (::fstat(handle, &status) != 0 || status.st_nlink != 1) {
        const FileError why = status.st_nlink > 1 ? FileError{FileError::Kind::HardLinked, 0}
                                                  : FileError{FileError::Kind::NotFound, ENOENT};
        ::close(handle);
        fail(error, why);
        return -1;
    }
    return handle;
}

qint64 SystemFileCalls::read(int handle, char* data, qint64 size, FileError* error)
{
    for (;;) {
        const ssize_t got = ::read(handle, data, size_t(std::min(size, largestStep)));
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            failWithErrno(error);
            return -1;
        }
    }
}

bool SystemFileCalls::write(int handle, const char* data, qint64 size, FileError* error)
{
    while (size > 0) {
        const ssize_t done = ::write(handle, data, size_t(std::min(size, largestStep)));
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return failWithErrno(error);
        // Nothing written and no error: the disk took no more.
        if (done == 0)
            return fail(error, {FileError::Kind::NoSpace, ENOSPC});
        data += done;
        size -= done;
    }
    return true;
}

bool SystemFileCalls::seek(int handle, qint64 position, FileError* error)
{
    return ::lseek(handle, off_t(position), SEEK_SET) >= 0 || failWithErrno(error);
}

qint64 SystemFileCalls::size(int handle) const
{
    struct stat status {};
    return ::fstat(handle, &status) == 0 ? qint64(status.st_size) : 0;
}

bool SystemFileCalls::truncate(int handle, qint64 size, FileError* error)
{
    return ::ftruncate(handle, off_t(size)) == 0 || failWithErrno(error);
}

bool SystemFileCalls::sync(int handle, FileError* error)
{
    return ::fsync(handle) == 0 || failWithErrno(error);
}

bool SystemFileCalls::close(int handle, FileError* error)
{
    // The descriptor is gone whatever close says; a failure still means
    // that written data may be lost.
    return ::close(handle) == 0 || failWithErrno(error);
}

bool SystemFileCalls::rename(const QString& from, const QString& to, FileError* error)
{
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        return failWithErrno(error);
    letGo(from);
    return true;
}

bool SystemFileCalls::renamesRefusedWhileHeld() const
{
    // A rename here replaces the name whoever has the old file open.
    return false;
}

bool SystemFileCalls::syncFolder(const QString& folder, FileError* error)
{
    // Quiet fallbacks, where the rename is as lasting as the file system
    // makes it: a file system that cannot sync a folder at all (EINVAL,
    // ENOTSUP), and a folder the user may write in but not read (EACCES),
    // which cannot be opened to be synced.
    const auto cannotBeSynced = [](int number) {
        return number == EINVAL || number == ENOTSUP || number == EOPNOTSUPP;
    };
    const int handle = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return errno == EACCES || failWithErrno(error);
    const int syncResult = ::fsync(handle);
    const int syncError = errno;
    if (::close(handle) != 0)
        return failWithErrno(error);
    return syncResult == 0 || cannotBeSynced(syncError) || fail(error, fileErrorOfErrno(syncError));
}

bool SystemFileCalls::remove(const QString& path, FileError* error)
{
    // A file that cannot be removed is no longer in progress either: it is
    // a leftover for the next cleaning.
    const bool removed = ::unlink(native(path).constData()) == 0 || failWithErrno(error);
    letGo(path);
    return removed;
}

bool SystemFileCalls::removeUnused(const QString& path, int quietSeconds, FileError* error)
{
    const QByteArray name = native(path);
    struct stat named {};
    if (::lstat(name.constData(), &named) != 0)
        return failWithErrno(error);
    // No instance makes a link: one at a leftover's name is removed as it is.
    if (S_ISLNK(named.st_mode))
        return ::unlink(name.constData()) == 0 || failWithErrno(error);
    if (!S_ISREG(named.st_mode))
        return false;

    // Opened without following a link or waiting, only to lock it: the lock
    // is held by a writer for as long as the file is in progress.
    const int handle = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        return failWithErrno(error);
    struct stat opened {};
    const bool sameFile = ::fstat(handle, &opened) == 0 && opened.st_dev == named.st_dev
        && opened.st_ino == named.st_ino;
    // A clock set back makes a file look new: it is kept, which is the safe
    // way. Without a time to keep to, the clock is not asked: the coarse
    // clock time() reads may still stand in the second before the one the
    // file was just written in.
    const bool quiet = quietSeconds <= 0 || std::time(nullptr) - opened.st_mtime >= quietSeconds;
    bool removed = false;
    if (sameFile && quiet && ::flock(handle, LOCK_EX | LOCK_NB) == 0)
        removed = ::unlink(name.constData()) == 0 || failWithErrno(error);
    ::close(handle);
    return removed;
}

int SystemFileCalls::leastQuietSeconds() const
{
    // A file in progress is locked from its creation to its rename.
    return 0;
}

bool SystemFileCalls::clearReadOnly(const QString&, FileError*)
{
    // A file's own permissions stand in the way of neither a rename over it
    // nor its removal here: the folder's do.
    return true;
}

} // namespace zornalit
