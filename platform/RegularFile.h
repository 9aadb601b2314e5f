#pragma once

#include <QString>

namespace zornalit {

// Why path cannot be read as an ordinary file, in Russian, or an empty
// string when it can be. Folders, FIFOs, sockets and devices are refused
// here, before anyone opens them: opening a FIFO for reading would wait
// for a writer that never comes.
QString regularFileProblem(const QString& path);

} // namespace zornalit
