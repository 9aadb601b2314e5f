#include "HeaderLine.h"

#include <algorithm>
#include <cstring>

namespace zornalit {

namespace {

// Position 6 (index 5): right after the keyword and its space.
constexpr qsizetype segmentStart = headerKeywordLength + 1;

// The part of line from index on, at most count bytes; empty past the end.
QByteArrayView slice(QByteArrayView line, qsizetype index, qsizetype count)
{
    if (index >= line.size())
        return {};
    return line.sliced(index, std::min(count, line.size() - index));
}

bool holdsDot(QByteArrayView line, qsizetype index)
{
    return index < line.size() && line[index] == '.';
}

} // namespace

HeaderFields readHeaderFields(QByteArrayView line)
{
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

bool beginsWithKeyword(QByteArrayView line)
{
    return line.size() >= headerKeywordLength && std::memcmp(line.data(), headerKeyword, headerKeywordLength) == 0;
}

QByteArrayView trimmedStep(QByteArrayView step)
{
    while (!step.isEmpty() && step.front() == ' ')
        step = step.sliced(1);
    while (!step.isEmpty() && step.back() == ' ')
        step.chop(1);
    return step;
}

} // namespace zornalit
