#include "RegularFile.h"

#include "FileErrorText.h"

#include <QFileInfo>

namespace zornalit {

namespace {

FileError regularFileError(const QString& path)
{
    using Kind = FileError::Kind;
    if (path.isEmpty())
        return {Kind::NoName, 0};
    const QFileInfo info(path);
    if (!info.exists())
        return {Kind::NotFound, 0};
    if (info.isDir())
        return {Kind::Folder, 0};
    // QFileInfo::isFile() is true only for regular files (or links to
    // them); FIFOs, sockets and devices fall through to here.
    if (!info.isFile())
        return {Kind::NotRegular, 0};
    if (!info.isReadable())
        return {Kind::NoPermission, 0};
    return {};
}

} // namespace

QString regularFileProblem(const QString& path)
{
    const FileError error = regularFileError(path);
    return error.kind == FileError::Kind::None ? QString() : fileErrorReason(error);
}

} // namespace zornalit
