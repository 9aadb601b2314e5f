#pragma once

#include <QString>

namespace zornalit {

// Why path cannot be read as an ordinary file, in Russian (the reason of
// its file error kind), or an empty string when it can be; looked at by
// name, without opening it. Folders, FIFOs, sockets and devices are refused
// here: opening a FIFO for reading would wait for a writer that never comes.
// A reader that goes on to open the file opens it with openRegularFile
// (platform/files) instead, which checks the very file it opened.
QString regularFileProblem(const QString& path);

} // namespace zornalit
