#pragma once

#include "HeaderIndex.h"
#include "lookup/LineScan.h"
#include "lookup/StepCodes.h"

#include <QIODevice>
#include <QList>
#include <QString>

#include <array>

namespace zornalit::dbtool {

// What makes a description unreachable, or different from what its author
// meant, in the order the report lists them.
enum class Problem {
    LineEnds,          // LF without CR: the lookup does not end a line there
    UnaskableHeader,   // no query can ever equal its segment or step
    MisreadHeader,     // found, but under other fields than it says
    RepeatedHeader,    // an earlier header of the same pair always wins
    HeaderInBody,      // a header inside another block's description
    MissingTerminator, // a block runs on past other headers or to the end
    LookAlike,         // looks like a header, but is none
    UnassignedByte,    // byte 98, which Windows-1251 leaves undefined
    Empty,             // no header at all; stays the last kind
};
inline constexpr int problemKinds = static_cast<int>(Problem::Empty) + 1;

struct Finding {
    qint64 line = 0; // 0 when the finding concerns the whole file
    QString text;
};

// The findings of one kind: how many there are, and the first of them.
struct Findings {
    qint64 count = 0;
    QList<Finding> first;
};

struct CheckReport {
    std::array<Findings, problemKinds> findings;
    qint64 lines = 0;
    qint64 blocks = 0;
    // The lookup's view of every segment: which step codes have a block.
    QList<SegmentHeaders> segments;
    bool readFailed = false;
    QString error;

    const Findings& of(Problem kind) const { return findings[static_cast<int>(kind)]; }
    qint64 problemCount() const;
};

// At most this many findings of one kind are kept; the rest are counted.
inline constexpr qsizetype keptFindings = 100;

// Whether a line begins with the header keyword as UTF-8 writes it: the
// mark of a database saved in UTF-8, which the program reads in
// Windows-1251 and finds no header in.
bool beginsWithUtf8Keyword(QByteArrayView line);

// Reads the database once, line by line, and lists what is wrong with it.
// Only the start of each line is looked at beyond its LF and 0x98 bytes, so
// memory stays flat even for a file of one endless line.
CheckReport checkDatabase(
    QIODevice& database, const StepCodes& codes, qsizetype chunkBytes = LineScan::defaultChunkBytes);

} // namespace zornalit::dbtool
