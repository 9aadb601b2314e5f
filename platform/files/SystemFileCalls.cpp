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

} // namespace zornalit
