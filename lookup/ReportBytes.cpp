#include "ReportBytes.h"

namespace zornalit {

QByteArray reportBytes(const QByteArrayList& block)
{
    qsizetype size = 0;
    for (const QByteArray& line : block)
        size += line.size() + 2;

    QByteArray bytes;
    bytes.reserve(size);
    for (const QByteArray& line : block) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace zornalit
