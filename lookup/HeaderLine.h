#pragma once

#include <QByteArrayView>

namespace zornalit {

// The fields of a database line read as a block header. The line is
// Windows-1251 bytes, one byte to a character, so the fields are byte ranges
// of the line; positions beyond its end hold nothing, so a short line gives
// short or empty fields.
struct HeaderFields {
    QByteArrayView keyword; // positions 1 to 4
    QByteArrayView segment; // position 6, or 6 and 7
    QByteArrayView step;    // one or two characters after the segment and its "."
};

// "СЕГМ" in Windows-1251: the Cyrillic capitals Es, Ie, Ghe, Em.
inline constexpr char headerKeyword[] = "\xD1\xC5\xC3\xCC";
inline constexpr qsizetype headerKeywordLength = sizeof(headerKeyword) - 1;

HeaderFields readHeaderFields(QByteArrayView line);

// Every field lies within a line's first this many bytes (the longest reach
// is the dot after a two-character step of a two-character segment, at
// position 11), so a line's head is all a header is read from.
inline constexpr qsizetype headerHeadBytes = 16;

// Whether the line begins with the keyword; only such a line can be a header.
bool beginsWithKeyword(QByteArrayView line);

// The step field without leading and trailing spaces, as the lookup compares it.
QByteArrayView trimmedStep(QByteArrayView step);

} // namespace zornalit
