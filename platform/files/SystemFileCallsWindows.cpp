// The Windows half of the system file calls: the C runtime's descriptors,
// with the Win32 calls where the runtime has no equivalent.
#include "SystemFileCalls.h"

#include "FinalPath.h"
#include "SystemFileCallsSupport.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <string>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace zornalit {

using filecalls::fail;
using filecalls::failWithErrno;
using filecalls::largestStep;

namespace {

const wchar_t* wide(const QString& path)
{
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

FileError fileErrorOfWin32(DWORD number)
{
    return fileErrorOfWindowsCode(quint32(number));
}

// The mapping is written with plain numbers, so that it is tested on every
// system; these are the names it stands for.
static_assert(ERROR_FILE_NOT_FOUND == 2 && ERROR_PATH_NOT_FOUND == 3 && ERROR_ACCESS_DENIED == 5);
static_assert(ERROR_WRITE_PROTECT == 19 && ERROR_SHARING_VIOLATION == 32 && ERROR_LOCK_VIOLATION == 33);
static_assert(ERROR_HANDLE_DISK_FULL == 39 && ERROR_FILE_EXISTS == 80 && ERROR_DISK_FULL == 112);
static_assert(ERROR_ALREADY_EXISTS == 183 && ERROR_FILENAME_EXCED_RANGE == 206);

// The C runtime turns a Windows error into an errno that loses its cause
// (a file in use and a file without rights are both EACCES); the Windows
// code it keeps in _doserrno has it. Cleared before each runtime call, so
// that a code left by an earlier one is never taken for this one's.
void clearRuntimeCause()
{
    _doserrno = 0;
}

FileError runtimeFailure()
{
    const int number = errno;
    if (_doserrno != 0) {
        const FileError windows = fileErrorOfWin32(DWORD(_doserrno));
        if (windows.kind != FileError::Kind::Other)
            return windows;
    }
    return fileErrorOfErrno(number);
}

bool failAtRuntime(FileError* error)
{
    return fail(error, runtimeFailure());
}

// Why an open by name failed. The C runtime says only "no such file" for a
// path past Windows' length limits, and "no access" for a folder: the path
// itself tells those apart, so that the message names the real reason.
void failToOpen(const QString& path, FileError* error)
{
    const int number = errno;
    const FileError cause = runtimeFailure();
    if ((number == ENOENT || number == EINVAL) && filecalls::pathTooLongForWindows(path)) {
        fail(error, {FileError::Kind::NameTooLong, number});
        return;
    }
    if (cause.kind == FileError::Kind::NoPermission) {
        const DWORD attributes = ::GetFileAttributesW(wide(path));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            fail(error, {FileError::Kind::Folder, number});
            return;
        }
    }
    fail(error, cause);
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

// Whether a file was last written less than seconds ago, or in the future.
bool changedWithin(const FILETIME& written, int seconds)
{
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (qint64(time.dwHighDateTime) << 32) | qint64(time.dwLowDateTime);
    };
    constexpr qint64 ticksPerSecond = 10'000'000;
    return ticks(now) - ticks(written) < qint64(seconds) * ticksPerSecond;
}

// The name the system gives an open handle: with mapped and substituted
// drives, junctions and short names resolved.
std::optional<QString> finalNameOf(HANDLE handle)
{
    std::wstring name(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(handle, name.data(), DWORD(name.size()), FILE_NAME_NORMALIZED);
    if (length >= name.size()) {
        name.resize(length + 1);
        length = ::GetFinalPathNameByHandleW(handle, name.data(), DWORD(name.size()), FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= name.size())
        return std::nullopt;
    return QString::fromWCharArray(name.data(), int(length));
}

// Whether an open handle is the file at path itself, by the name the system
// gives the handle. The folder's name is taken from the system the same way,
// so that a folder reached through a mapped or substituted drive, a junction
// or a short name still matches.
bool isFileNamed(HANDLE file, const QString& path)
{
    const QFileInfo info(path);
    const HANDLE folder = ::CreateFileW(wide(QDir::toNativeSeparators(info.absolutePath())), 0,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
        nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return false;
    const std::optional<QString> folderName = finalNameOf(folder);
    ::CloseHandle(folder);
    const std::optional<QString> fileName = finalNameOf(file);
    if (!folderName || !fileName)
        return false;
    // A drive's root is named with its separator, any other folder without.
    const QString separator = folderName->endsWith(u'\\') ? QString() : QStringLiteral("\\");
    return finalPathIs(*fileName, *folderName + separator + info.fileName());
}

// Sets a file's attributes through its handle, its times left as they are.
bool setAttributes(HANDLE file, DWORD attributes)
{
    FILE_BASIC_INFO basic{};
    // No attribute at all is written as "normal": zero would mean "leave
    // them as they are".
    basic.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    return ::SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic);
}

} // namespace

SystemFileCalls::~SystemFileCalls() = default;

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
    clearRuntimeCause();
    const int handle = ::_wopen(wide(path), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (handle < 0) {
        failToOpen(path, error);
        return -1;
    }
    return checkRegular(handle, error) ? handle : -1;
}

int SystemFileCalls::createNew(const QString& path, FileError* error)
{
    // _O_EXCL fails on anything already there, a link included.
    clearRuntimeCause();
    const int handle = ::_wopen(
        wide(path), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (handle < 0)
        failToOpen(path, error);
    return handle;
}

int SystemFileCalls::openForRewrite(const QString& path, FileError* error)
{
    if (kindOf(path) == PathKind::Link) {
        fail(error, {FileError::Kind::Link, 0});
        return -1;
    }
    clearRuntimeCause();
    const int handle = ::_wopen(wide(path), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (handle < 0) {
        failToOpen(path, error);
        return -1;
    }
    if (!checkRegular(handle, error))
        return -1;
    // The names are counted on the file actually opened: a second name of
    // it may lie outside the folder, and writing in place would change that
    // file too.
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(reinterpret_cast<HANDLE>(::_get_osfhandle(handle)), &information)) {
        const DWORD number = ::GetLastError();
        ::_close(handle);
        fail(error, fileErrorOfWin32(number));
        return -1;
    }
    if (information.nNumberOfLinks != 1) {
        ::_close(handle);
        fail(error, {FileError::Kind::HardLinked, 0});
        return -1;
    }
    return handle;
}

qint64 SystemFileCalls::read(int handle, char* data, qint64 size, FileError* error)
{
    clearRuntimeCause();
    const int got = ::_read(handle, data, unsigned(std::min(size, largestStep)));
    if (got < 0)
        failAtRuntime(error);
    return got;
}

bool SystemFileCalls::write(int handle, const char* data, qint64 size, FileError* error)
{
    while (size > 0) {
        clearRuntimeCause();
        const int done = ::_write(handle, data, unsigned(std::min(size, largestStep)));
        if (done <= 0)
            return done < 0 ? failAtRuntime(error) : fail(error, {FileError::Kind::NoSpace, ENOSPC});
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

bool SystemFileCalls::renamesRefusedWhileHeld() const
{
    return true;
}

bool SystemFileCalls::syncFolder(const QString&, FileError*)
{
    // Nothing is left to wait for: the file was flushed before it was closed
    // (_commit is FlushFileBuffers), and the rename is made with
    // write-through, which returns once the new name is on the disk.
    return true;
}

bool SystemFileCalls::remove(const QString& path, FileError* error)
{
    if (::DeleteFileW(wide(path)))
        return true;
    return fail(error, fileErrorOfWin32(::GetLastError()));
}

bool SystemFileCalls::removeUnused(const QString& path, int quietSeconds, FileError* error)
{
    // A writer keeps its new file open, without delete sharing, until just
    // before the rename, so a file in progress cannot be opened here with no
    // sharing at all. The moment between the close and the rename is
    // covered by leaving anything written in the last minute.
    const HANDLE file = ::CreateFileW(wide(path), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, 0, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD number = ::GetLastError();
        return number != ERROR_SHARING_VIOLATION && fail(error, fileErrorOfWin32(number));
    }
    BY_HANDLE_FILE_INFORMATION information{};
    // Only the file at this very name goes: where a link was followed after
    // all (Wine follows them whatever it is asked), the handle is its
    // target's, somewhere else, and that stays.
    bool unused = isFileNamed(file, path) && ::GetFileInformationByHandle(file, &information);
    // A link (a symbolic link or a junction) is removed itself, as no
    // instance makes one; a folder stays.
    if (unused && !(information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        unused = !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            && !changedWithin(information.ftLastWriteTime, std::max(quietSeconds, leastQuietSeconds()));
    }
    bool removed = false;
    if (unused) {
        // A read-only mark would refuse the removal: the program's own
        // leftover carries one only if someone set it, and goes anyway.
        const bool marked = information.dwFileAttributes & FILE_ATTRIBUTE_READONLY;
        FILE_DISPOSITION_INFO disposition{};
        disposition.DeleteFile = TRUE;
        removed = (!marked || setAttributes(file, information.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_READONLY)))
            && ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
        if (!removed) {
            fail(error, fileErrorOfWin32(::GetLastError()));
            if (marked)
                setAttributes(file, information.dwFileAttributes);
        }
    }
    ::CloseHandle(file);
    return removed;
}

int SystemFileCalls::leastQuietSeconds() const
{
    // Windows keeps no lock on a new file between its writer's close and
    // its rename: anything written in the last minute may be in that moment.
    return 60;
}

bool SystemFileCalls::clearReadOnly(const QString& path, FileError* error)
{
    const HANDLE file = ::CreateFileW(wide(path), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD number = ::GetLastError();
        return number == ERROR_FILE_NOT_FOUND || number == ERROR_PATH_NOT_FOUND
            || fail(error, fileErrorOfWin32(number));
    }
    // Only a regular file at this very name loses its mark: never a link,
    // a folder, or a file a followed link led to.
    BY_HANDLE_FILE_INFORMATION information{};
    bool cleared = true;
    if (isFileNamed(file, path) && ::GetFileInformationByHandle(file, &information)
        && !(information.dwFileAttributes
            & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))
        && (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) {
        cleared = setAttributes(file, information.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_READONLY))
            || fail(error, fileErrorOfWin32(::GetLastError()));
    }
    ::CloseHandle(file);
    return cleared;
}

} // namespace zornalit
