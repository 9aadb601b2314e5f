#pragma once

#include "HandleDevice.h"

#include "platform/FileCalls.h"

#include <QString>

#include <memory>

namespace zornalit {

// The one way a file is opened for reading: the name is opened without ever
// waiting on a FIFO, and the handle actually opened is checked to be a
// regular file, so nothing can change between the check and the reading.
// Null with the kind in *error (which may be null) when the file cannot be
// read this way: no name, missing, a folder, a FIFO or a device, no rights…
std::unique_ptr<HandleDevice> openRegularFile(FileCalls& calls, const QString& path, FileError* error);

// The same through the system's own file calls, which the device holds for
// as long as it lives: for readers that have no file layer of their own to
// go through (the sound decoder, the pictures).
std::unique_ptr<QIODevice> openRegularFile(const QString& path, FileError* error);

} // namespace zornalit
