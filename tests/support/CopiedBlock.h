#pragma once

// The block a search found, as the report holds it: copied from the database
// bytes by copyBlock, then cut back into lines at its CR LF line ends.

#include "lookup/BlockCopy.h"

#include <QBuffer>
#include <QByteArray>
#include <QByteArrayList>

namespace zornalit::testing {

inline QByteArray copiedReport(const QByteArray& database, qint64 blockStart, qsizetype chunk = 64 * 1024)
{
    QBuffer from;
    from.setData(database);
    from.open(QIODevice::ReadOnly);
    QByteArray report;
    QBuffer to(&report);
    to.open(QIODevice::WriteOnly);
    if (copyBlock(from, blockStart, to, chunk).result != BlockCopy::Result::Copied)
        return "copy failed";
    return report;
}

// Every line of the report ends with CR LF, and no line holds a CR.
inline QByteArrayList reportLines(QByteArray report)
{
    if (!report.endsWith("\r\n"))
        return {"the report's last line has no line end"};
    report.chop(2);
    QByteArrayList lines = report.split('\r');
    for (qsizetype k = 1; k < lines.size(); ++k) {
        if (!lines[k].startsWith('\n'))
            return {"a line end without its LF"};
        lines[k].remove(0, 1);
    }
    return lines;
}

inline QByteArrayList copiedBlock(const QByteArray& database, qint64 blockStart, qsizetype chunk = 64 * 1024)
{
    return reportLines(copiedReport(database, blockStart, chunk));
}

} // namespace zornalit::testing
