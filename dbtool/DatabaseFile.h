#pragma once

#include <QFile>
#include <QString>

#include <memory>

namespace zornalit::dbtool {

// Opens the database for reading; on failure gives nothing and says why, in
// Russian. Only an ordinary file is opened: a FIFO would wait for a writer
// that never comes.
std::unique_ptr<QFile> openDatabase(const QString& path, QString* why);

// What to say when reading the opened database failed, with the reason the
// device gave.
QString readFailure(const QString& path, const QString& deviceError);

} // namespace zornalit::dbtool
