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

// Two blocks as a database holds them: one closed by a bare "@" and
// followed by an empty line, the other closed by "@" with words after it.
inline QStringList exampleBlockLines()
{
    return {QStringLiteral("СЕГМ 5.3."), QStringLiteral("Обрыв шины управления"), QString(),
        QStringLiteral("Проверьте платы в кассете"), QStringLiteral("@"), QString(), QStringLiteral("СЕГМ 12.1A."),
        QStringLiteral("Сбой таймера"), QStringLiteral("@ конец описания")};
}

} // namespace zornalit::testing
