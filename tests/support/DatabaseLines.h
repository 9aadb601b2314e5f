#pragma once

#include "support/Win1251.h"

#include <QByteArray>
#include <QStringList>

namespace zornalit::testing {

// A fault database made of these lines, in Windows-1251, each followed by
// lineEnd.
inline QByteArray databaseLines(const QStringList& lines, const char* lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += win(line) + lineEnd;
    return bytes;
}

} // namespace zornalit::testing
