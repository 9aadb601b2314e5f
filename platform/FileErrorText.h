#pragma once

#include "FileCalls.h"

#include <QString>

namespace zornalit {

// A short Russian reason for a failed file call, to follow a sentence that
// names the file: "нет прав доступа", "не хватает места на диске"… Kinds
// without words of their own give the system's error number.
QString fileErrorReason(const FileError& error);

// How the messages name a file or a folder: in «» quotes, with the
// platform's own separators.
QString quotedPath(const QString& path);

// The one sentence for a file that could not be read, with the reason.
QString readFailure(const QString& path, const QString& reason);

// The one sentence for a file that could not be written, with the reason.
QString writeFailure(const QString& path, const QString& reason);

// The sentences for a sound that could not be opened or played, whichever
// sound system the platform has, with the reason.
QString soundOpenFailure(const QString& path, const QString& reason);
QString soundPlayFailure(const QString& path, const QString& reason);

// Hands the reason of a failure to the caller that asked for it (why may be
// null) and returns false, so that a failing step reads return fail(…).
bool fail(QString* why, const QString& text);

} // namespace zornalit
