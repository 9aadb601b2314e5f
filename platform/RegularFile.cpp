#include "RegularFile.h"

#include <QFileInfo>

namespace zornalit {

QString regularFileProblem(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("не указано имя файла");
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("файл не найден");
    if (info.isDir())
        return QStringLiteral("это папка, а не файл");
    // QFileInfo::isFile() is true only for regular files (or links to
    // them); FIFOs, sockets and devices fall through to here.
    if (!info.isFile())
        return QStringLiteral("это не обычный файл");
    if (!info.isReadable())
        return QStringLiteral("нет прав на чтение");
    return {};
}

} // namespace zornalit
