#pragma once

#include "lookup/HeaderVerdict.h"
#include "lookup/StepCodes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <array>
#include <vector>

namespace zornalit::dbtool {

// The first header of one segment and step, the one the lookup finds.
struct FirstHeader {
    qint64 line = 0; // 0 when not counted
    QByteArray text; // the header line, shortened when very long; empty: none
    bool exists() const { return !text.isEmpty(); }
};

struct SegmentHeaders {
    QByteArray segment;
    std::array<FirstHeader, StepCodes::count> steps;
};

// Remembers, for every segment and step code some query can ask, the first
// header line in the file: the lookup never gets past it, so every later
// header of the same pair is never shown. Holds one short entry per pair,
// however large the file.
class HeaderIndex {
public:
    explicit HeaderIndex(const StepCodes& codes);

    struct Placed {
        HeaderVerdict verdict;
        // The first header of the same pair, this one when it is the first;
        // null when no query asks for it. Valid until the next add().
        const FirstHeader* firstHeader = nullptr;
        bool first = false;
    };

    // Takes a line that begins with the header keyword, and its number
    // (counted from 1; 0 when lines are not counted).
    Placed add(qint64 line, QByteArrayView header);

    // Whether add() would change nothing for this line, read only as the
    // lookup reads it: its segment and step, written as a step code, already
    // have their first header. Another header of that pair, or one no query
    // can ask, is all it can be then. Much quicker than judging the line, and
    // most headers of a large database repeat a pair.
    bool repeatsAPair(QByteArrayView header) const;

    // Every segment with a header a query can ask, digits first, then by
    // length and bytes, so that numbers come in their order.
    QList<SegmentHeaders> segments() const;

private:
    const StepCodes& m_codes;
    std::vector<SegmentHeaders> m_segments; // in the order first seen
    // Where each segment stands in m_segments (-1: not yet), and a bit for
    // each step it has a header for. A direct table is quicker than a hash,
    // and small, as a segment has at most two bytes; the bits answer most
    // headers, which repeat a pair, without reaching into m_segments.
    struct Slot {
        qint32 segment = -1;
        quint32 steps = 0;
    };
    static_assert(StepCodes::count <= 32);
    std::vector<Slot> m_slots;
};

// At most this many bytes of a header line are kept for showing.
inline constexpr qsizetype shownHeaderBytes = 160;

} // namespace zornalit::dbtool
