#include "FinalPath.h"

namespace zornalit {

namespace {

// The name as Windows compares it: no long-path prefix, a network share as
// \\server\share, backslashes only, letters in upper case.
QString comparable(QString path)
{
    path.replace(u'/', u'\\');
    const QString longPrefix = QStringLiteral("\\\\?\\");
    const QString sharePrefix = QStringLiteral("\\\\?\\UNC\\");
    if (path.startsWith(sharePrefix, Qt::CaseInsensitive))
        path = QStringLiteral("\\\\") + path.mid(sharePrefix.size());
    else if (path.startsWith(longPrefix))
        path = path.mid(longPrefix.size());
    // Windows' own table maps each UTF-16 unit to one upper-case unit; no
    // letter turns into two, as full case folding would make "ß" of "SS".
    for (QChar& character : path)
        character = character.toUpper();
    return path;
}

} // namespace

bool finalPathIs(const QString& finalPath, const QString& expected)
{
    return !finalPath.isEmpty() && comparable(finalPath) == comparable(expected);
}

} // namespace zornalit
