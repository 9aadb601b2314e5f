#pragma once

#include "platform/FileCalls.h"

namespace zornalit {

// On Windows another program (a viewer, a backup agent, a virus scanner)
// may hold the old file open, sharing reading and writing but not its
// removal: a rename over it fails, though the file can be written in place.
// Such a refusal often passes within moments, so the rename is tried again
// a few times, renameRetries times renameRetryMilliseconds apart; then the
// file is written over in place, as in a folder closed to new files.
constexpr int renameRetries = 5;
constexpr int renameRetryMilliseconds = 100;

// Whether a rename over target that failed with renameError may have been
// refused only because another program holds the old file: only where
// renames are refused that way (renamesRefusedWhileHeld), only for a
// regular file (never a link, a folder or anything else), and only for a
// refusal of sharing or of access.
bool renameHeldByAnother(PathKind target, FileError::Kind renameError, bool renamesRefusedWhileHeld);

} // namespace zornalit
