#pragma once

#include <QByteArrayView>

#include <algorithm>

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

// A line that begins with "@" ends the block above it.
inline constexpr char blockTerminator = '@';

inline bool endsBlock(QByteArrayView line)
{
    return !line.isEmpty() && line.front() == blockTerminator;
}

// Inline: the search and the check read every header with it.
inline HeaderFields readHeaderFields(QByteArrayView line);

// Every field lies within a line's first this many bytes (the longest reach
// is the dot after a two-character step of a two-character segment, at
// position 11), so a line's head is all a header is read from.
inline constexpr qsizetype headerHeadBytes = 16;

// Whether the line begins with the keyword; only such a line can be a header.
bool beginsWithKeyword(QByteArrayView line);

// The step field without leading and trailing spaces, as the lookup compares it.
QByteArrayView trimmedStep(QByteArrayView step);

namespace headerLine {

// Position 6 (index 5): right after the keyword and its space.
inline constexpr qsizetype segmentStart = headerKeywordLength + 1;

// The part of line from index on, at most count bytes; empty past the end.
inline QByteArrayView slice(QByteArrayView line, qsizetype index, qsizetype count)
{
    if (index >= line.size())
        return {};
    return line.sliced(index, std::min(count, line.size() - index));
}

inline bool holdsDot(QByteArrayView line, qsizetype index)
{
    return index < line.size() && line[index] == '.';
}

} // namespace headerLine

inline HeaderFields readHeaderFields(QByteArrayView line)
{
    using namespace headerLine;
    HeaderFields fields;
    fields.keyword = slice(line, 0, headerKeywordLength);

    // A "." at position 7 means a one-character segment.
    const bool narrowSegment = holdsDot(line, segmentStart + 1);
    const qsizetype segmentWidth = narrowSegment ? 1 : 2;
    fields.segment = slice(line, segmentStart, segmentWidth);

    const qsizetype stepStart = segmentStart + segmentWidth + 1;
    fields.step = slice(line, stepStart, 2);
    if (holdsDot(line, stepStart + 1))
        fields.step = fields.step.first(1);
    return fields;
}

} // namespace zornalit
