#include "SystemFileCalls.h"

#include <cerrno>

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
    case ENAMETOOLONG:
        return {Kind::NameTooLong, number};
    case EIO:
        return {Kind::InputOutput, number};
    default:
        return {Kind::Other, number};
    }
}

FileError fileErrorOfWindowsCode(quint32 code)
{
    using Kind = FileError::Kind;
    // The codes of winerror.h, which only a Windows build has.
    enum : quint32 {
        fileNotFound = 2,
        pathNotFound = 3,
        accessDenied = 5,
        writeProtect = 19,
        sharingViolation = 32,
        lockViolation = 33,
        handleDiskFull = 39,
        fileExists = 80,
        diskFull = 112,
        alreadyExists = 183,
        filenameExcedRange = 206,
    };
    switch (code) {
    case 0:
        return {Kind::Other, 0};
    case fileNotFound:
    case pathNotFound:
        return {Kind::NotFound, int(code)};
    case accessDenied:
        return {Kind::NoPermission, int(code)};
    case sharingViolation:
    case lockViolation:
        return {Kind::Busy, int(code)};
    case diskFull:
    case handleDiskFull:
        return {Kind::NoSpace, int(code)};
    case writeProtect:
        return {Kind::ReadOnlyDisk, int(code)};
    case fileExists:
    case alreadyExists:
        return {Kind::AlreadyExists, int(code)};
    case filenameExcedRange:
        return {Kind::NameTooLong, int(code)};
    default:
        return {Kind::Other, int(code)};
    }
}

} // namespace zornalit
