#pragma once

// Readable GoogleTest failure messages for Qt strings and string lists:
// values are printed quoted, and a QString streamed into a message or a
// trace reads as its text. Every test program has this header included
// before its own code (tests/CMakeLists.txt), so no test converts a string
// by hand.

#include <QString>
#include <QStringList>

#include <ostream>

inline std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        *out << (i ? ", " : " ");
        PrintTo(list[i], out);
    }
    *out << " }";
}
