#pragma once

// The lines of a database as the rules give them, written plainly and apart
// from the reader under test: CR LF or a lone CR ends a line, a lone LF does
// not, and a line end at the end of the file starts no further line.

#include <QByteArrayView>
#include <QList>

namespace zornalit::testing {

inline QList<QByteArrayView> modelLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        lines << bytes.sliced(start, i - start);
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines << bytes.sliced(start);
    return lines;
}

} // namespace zornalit::testing
