#include "SystemFileCalls.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zornalit {

FileError fileErrorOfErrno(int number)
{
    using Kind = FileError::Kind;
    switch (number) {
    case 0:
        return {Kind::Other, 0};
    case ENOENT:
    case ENOTDIR:
        return {Kind::NotFound, number};
    case EACCES:
    case EPERM:
        return {Kind::NoPermission, number};
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return {Kind::NoSpace, number};
    case EFBIG:
        return {Kind::TooLarge, number};
    case EROFS:
        return {Kind::ReadOnlyDisk, number};
    case EISDIR:
        return {Kind::Folder, number};
    case EEXIST:
        return {Kind::AlreadyExists, number};
#ifdef ELOOP
    case ELOOP:
        return {Kind::Link, number};
#endif
    case EIO:
        return {Kind::InputOutput, number};
    default:
        return {Kind::Other, number};
    }
}

namespace {

bool fail(FileError* error, FileError what)
{
    if (error)
        *error = what;
    return false;
}

bool failWithErrno(FileError* error)
{
    return fail(error, fileErrorOfErrno(errno));
}

// One call never moves more than this, so sizes fit every platform's type.
constexpr qint64 largestStep = 1 << 30;

} // namespace

#ifdef Q_OS_WIN

namespace {

const wchar_t* wide(const QString& path)
{
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

FileError fileErrorOfWin32(DWORD number)
{
    using Kind = FileError::Kind;
    switch (number) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return {Kind::NotFound, int(number)};
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return {Kind::NoPermission, int(number)};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return {Kind::NoSpace, int(number)};
    case ERROR_WRITE_PROTECT:
        return {Kind::ReadOnlyDisk, int(number)};
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return {Kind::AlreadyExists, int(number)};
    default:
        return {Kind::Other, int(number)};
    }
}

bool checkRegular(int handle, FileError* error)
{
    struct _stat64 status {};
    if (::_fstat64(handle, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
        ::_close(handle);
        return fail(error, {FileError::Kind::NotRegular, 0});
    }
    return true;
}

} // namespace

PathKind SystemFileCalls::kindOf(const QString& path) const
{
    const DWORD attributes = ::GetFileAttributesW(wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return PathKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return PathKind::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return PathKind::Other;
    return PathKind::Regular;
}

int SystemFileCalls::openForReading(const QString& path, FileError* error)
{
    const int handle = ::_wopen(wide(path), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (handle < 0) {
        failWithErrno(error);
        return -1;
    }
    return checkRegular(handle, error) ? handle : -1;
}

int SystemFileCalls::createNew(const QString& path, FileError* error)
{
    // _O_EXCL fails on anything already there, a link included.
    const int handle = ::_wopen(wide(path), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                                _S_IREAD | _S_IWRITE);
    if (handle < 0)
        failWithErrno(error);
    return handle;
}

int SystemFileCalls::openForRewrite(const QString& path, FileError* error)
{
    if (kindOf(path) == PathKind::Link) {
        fail(error, {FileError::Kind::Link, 0});
        return -1;
    }
    const int handle = ::_wopen(wide(path), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (handle < 0) {
        failWithErrno(error);
        return -1;
    }
    return checkRegular(handle, error) ? handle : -1;
}

qint64 SystemFileCalls::read(int handle, char* data, qint64 size, FileError* error)
{
    const int got = ::_read(handle, data, unsigned(std::min(size, largestStep)));
    if (got < 0)
        failWithErrno(error);
    return got;
}

bool SystemFileCalls::write(int handle, const char* data, qint64 size, FileError* error)
{
    while (size > 0) {
        const int done = ::_write(handle, data, unsigned(std::min(size, largestStep)));
        if (done <= 0)
            return done < 0 ? failWithErrno(error) : fail(error, {FileError::Kind::NoSpace, ENOSPC});
        data += done;
        size -= done;
    }
    return true;
}

bool SystemFileCalls::seek(int handle, qint64 position, FileError* error)
{
    return ::_lseeki64(handle, position, SEEK_SET) >= 0 || failWithErrno(error);
}

qint64 SystemFileCalls::size(int handle) const
{
    struct _stat64 status {};
    return ::_fstat64(handle, &status) == 0 ? qint64(status.st_size) : 0;
}

bool SystemFileCalls::truncate(int handle, qint64 size, FileError* error)
{
    const errno_t result = ::_chsize_s(handle, size);
    return result == 0 || fail(error, fileErrorOfErrno(result));
}

bool SystemFileCalls::sync(int handle, FileError* error)
{
    return ::_commit(handle) == 0 || failWithErrno(error);
}

bool SystemFileCalls::close(int handle, FileError* error)
{
    return ::_close(handle) == 0 || failWithErrno(error);
}

bool SystemFileCalls::rename(const QString& from, const QString& to, FileError* error)
{
    if (::MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    return fail(error, fileErrorOfWin32(::GetLastError()));
}

bool SystemFileCalls::remove(const QString& path, FileError* error)
{
    if (::DeleteFileW(wide(path)))
        return true;
    return fail(error, fileErrorOfWin32(::GetLastError()));
}

#else

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
    return openRegular(path, O_WRONLY | O_NOFOLLOW, error);
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

bool SystemFileCalls::remove(const QString& path, FileError* error)
{
    return ::unlink(native(path).constData()) == 0 || failWithErrno(error);
}

#endif

} // namespace zornalit
