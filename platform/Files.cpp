#include "Files.h"

namespace zornalit {

bool writeAllTo(QIODevice& out, const QByteArray& bytes, QString* why)
{
    if (out.write(bytes) == bytes.size())
        return true;
    if (why)
        *why = out.errorString();
    return false;
}

bool Files::replaceContents(const QString& path, const QByteArray& bytes, QString* why)
{
    return replaceContents(path, [&bytes](QIODevice& out, QString* reason) { return writeAllTo(out, bytes, reason); },
                           why);
}

} // namespace zornalit
