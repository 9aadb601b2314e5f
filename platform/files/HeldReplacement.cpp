#include "HeldReplacement.h"

namespace zornalit {

bool renameHeldByAnother(PathKind target, FileError::Kind renameError, bool renamesRefusedWhileHeld)
{
    return renamesRefusedWhileHeld && target == PathKind::Regular
        && (renameError == FileError::Kind::Busy || renameError == FileError::Kind::NoPermission);
}

} // namespace zornalit
