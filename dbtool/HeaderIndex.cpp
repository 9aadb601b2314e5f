#include "HeaderIndex.h"

#include "lookup/HeaderLine.h"

#include <algorithm>
#include <tuple>

namespace zornalit::dbtool {

namespace {

// A segment of one byte b has slot b; one of two bytes a, b has slot
// 256 + 256 * a + b. Every askable segment has one or two bytes.
constexpr qsizetype slotCount = 256 + 256 * 256;

qsizetype slotOf(QByteArrayView segment)
{
    const auto byte = [&](qsizetype i) { return static_cast<qsizetype>(static_cast<unsigned char>(segment[i])); };
    return segment.size() == 1 ? byte(0) : 256 + 256 * byte(0) + byte(1);
}

} // namespace

HeaderIndex::HeaderIndex(const StepCodes& codes)
    : m_codes(codes)
    , m_slots(slotCount)
{
}

HeaderIndex::Placed HeaderIndex::add(qint64 line, QByteArrayView header)
{
    Placed placed{judgeHeader(header, m_codes), nullptr, false};
    if (!placed.verdict.askable)
        return placed;
    Slot& slot = m_slots[slotOf(placed.verdict.segment)];
    if (slot.segment < 0) {
        slot.segment = static_cast<qint32>(m_segments.size());
        m_segments.push_back(SegmentHeaders{placed.verdict.segment.toByteArray(), {}});
    }
    FirstHeader& first = m_segments[slot.segment].steps[placed.verdict.stepPosition];
    placed.firstHeader = &first;
    const quint32 step = quint32(1) << placed.verdict.stepPosition;
    if ((slot.steps & step) == 0) {
        slot.steps |= step;
        first.line = line;
        first.text = header.first(std::min(header.size(), shownHeaderBytes)).toByteArray();
        placed.first = true;
    }
    return placed;
}

bool HeaderIndex::repeatsAPair(QByteArrayView header) const
{
    const HeaderFields fields = readHeaderFields(header);
    if (fields.segment.isEmpty())
        return false;
    const std::optional<int> step = m_codes.positionOfBytes(fields.step);
    return step && (m_slots[slotOf(fields.segment)].steps >> *step & 1) != 0;
}

QList<SegmentHeaders> HeaderIndex::segments() const
{
    QList<SegmentHeaders> list(m_segments.cbegin(), m_segments.cend());

    const auto key = [](const QByteArray& segment) {
        const bool digits = std::all_of(segment.cbegin(), segment.cend(), [](char c) { return c >= '0' && c <= '9'; });
        return std::make_tuple(!digits, segment.size(), segment);
    };
    std::sort(list.begin(), list.end(),
        [&key](const SegmentHeaders& a, const SegmentHeaders& b) { return key(a.segment) < key(b.segment); });
    return list;
}

} // namespace zornalit::dbtool
