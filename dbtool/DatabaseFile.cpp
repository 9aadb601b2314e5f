#include "DatabaseFile.h"

#include "platform/files/QtFiles.h"

namespace zornalit::dbtool {

std::unique_ptr<QIODevice> openDatabase(const QString& path, QString* why)
{
    // A device it opens reads through its calls: it lasts as long as the
    // program does.
    static QtFiles files;
    return files.openForReading(path, why);
}

} // namespace zornalit::dbtool
