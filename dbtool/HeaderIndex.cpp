#include "HeaderIndex.h"

#include <algorithm>
#include <tuple>

namespace zornalit::dbtool {

namespace {

quint32 keyOf(QByteArrayView segment)
{
    quint32 key = static_cast<quint32>(segment.size()) << 16;
    for (qsizetype i = 0; i < segment.size(); ++i)
        key |= static_cast<quint32>(static_cast<unsigned char>(segment[i])) << (8 * (1 - i));
    return key;
}

QByteArray segmentOf(quint32 key)
{
    QByteArray segment;
    for (quint32 i = 0; i < (key >> 16); ++i)
        segment += static_cast<char>((key >> (8 * (1 - i))) & 0xFF);
    return segment;
}

} // namespace

HeaderIndex::Placed HeaderIndex::add(qint64 line, QByteArrayView header)
{
    Placed placed{judgeHeader(header, m_codes), 0, false};
    if (!placed.verdict.askable)
        return placed;
    FirstHeader& first = m_segments[keyOf(placed.verdict.segment)][placed.verdict.stepPosition];
    if (!first.exists()) {
        first.line = line;
        first.text = header.first(std::min(header.size(), shownHeaderBytes)).toByteArray();
        placed.first = true;
    }
    placed.firstLine = first.line;
    return placed;
}

QList<SegmentHeaders> HeaderIndex::segments() const
{
    QList<SegmentHeaders> list;
    list.reserve(m_segments.size());
    for (auto it = m_segments.cbegin(); it != m_segments.cend(); ++it)
        list << SegmentHeaders{segmentOf(it.key()), it.value()};

    const auto key = [](const QByteArray& segment) {
        const bool digits = std::all_of(segment.cbegin(), segment.cend(), [](char c) { return c >= '0' && c <= '9'; });
        return std::make_tuple(!digits, segment.size(), segment);
    };
    std::sort(list.begin(), list.end(),
              [&key](const SegmentHeaders& a, const SegmentHeaders& b) { return key(a.segment) < key(b.segment); });
    return list;
}

} // namespace zornalit::dbtool
