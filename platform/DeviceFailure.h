#pragma once

#include "FileCalls.h"

#include <QIODevice>
#include <QString>

namespace zornalit {

// A device that keeps the kind of its last failure, so that what went wrong
// is told by its kind, never by reading the device's words.
class KeepsFileError {
public:
    virtual ~KeepsFileError() = default;
    // Kind::None while nothing has failed.
    virtual const FileError& error() const = 0;
};

// Why the last read of device failed, in Russian: for a device that keeps
// the kind of its failure, the reason of that kind, or "ошибка чтения" when
// it kept none (the call was refused before it reached the file); for any
// other device, its own words.
QString readFailureReason(const QIODevice& device);

// The same for the last write, with "ошибка записи".
QString writeFailureReason(const QIODevice& device);

} // namespace zornalit
