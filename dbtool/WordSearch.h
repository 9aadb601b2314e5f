#pragma once

#include "lookup/LineScan.h"
#include "lookup/StepCodes.h"

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace zornalit::dbtool {

struct MatchedLine {
    qint64 line = 0;
    QString text; // as shown on a terminal
};

// A block whose lines hold every word searched for.
struct FoundBlock {
    qint64 header = 0;
    QString headerText;
    // The lines that hold at least one of the words; only the first few are
    // kept, all are counted.
    QList<MatchedLine> lines;
    qint64 matchedLines = 0;
    // Why the lookup never shows this block; empty when it can.
    QString unreachable;
};

struct WordSearchSummary {
    qint64 found = 0;
    bool readFailed = false;
    QString error;
};

inline constexpr qsizetype keptMatchedLines = 20;

// The form in which text is compared: lower case, with "ё" read as "е".
QString foldedForSearch(const QString& text);

// Hands every block (a header line and the lines up to its terminator line;
// a header inside a description starts a block of its own) whose lines
// together hold all the words, in file order, to found.
WordSearchSummary searchWords(QIODevice& database, const QStringList& words, const StepCodes& codes,
    const std::function<void(const FoundBlock&)>& found, qsizetype chunkBytes = LineScan::defaultChunkBytes);

} // namespace zornalit::dbtool
