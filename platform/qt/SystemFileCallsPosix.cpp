// The POSIX half of the system file calls.
#include "SystemFileCalls.h"

#include "SystemFileCallsSupport.h"

#include <QFile>

#include <algorithm>

#include <fcntl.h>
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

} // namespace

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
    if (handle < 0)
        failWithErrno(error);
    return handle;
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
    return ::rename(native(from).constData(), native(to).constData()) == 0 || failWithErrno(error);
}

bool SystemFileCalls::syncFolder(const QString& folder, FileError* error)
{
    // Quiet fallbacks, where the rename is as lasting as the file system
    // makes it: a file system that cannot sync a folder at all (EINVAL,
    // ENOTSUP), and a folder the user may write in but not read (EACCES),
    // which cannot be opened to be synced.
    const auto cannotBeSynced = [](int number) { return number == EINVAL || number == ENOTSUP || number == EOPNOTSUPP; };
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
    return ::unlink(native(path).constData()) == 0 || failWithErrno(error);
}

} // namespace zornalit
