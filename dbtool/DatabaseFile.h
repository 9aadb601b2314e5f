#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

namespace zornalit::dbtool {

// Opens the database for reading as the window does: only an ordinary file,
// and never waiting on a FIFO for a writer that never comes. On failure
// gives nothing and says why, in Russian.
std::unique_ptr<QIODevice> openDatabase(const QString& path, QString* why);

} // namespace zornalit::dbtool
