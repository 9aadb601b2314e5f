// Feeds arbitrary databases and queries to the fault search and checks what
// it gives against the rules directly.
//
// Input: byte 0 chooses the step (its value modulo 32 is a position in the
// step-code table); byte 1 chooses the segment width (bit 0: one or two
// characters) and the read chunk (bit 7 set: the usual size, else 1 to 64
// bytes from bits 1 to 6); bytes 2 and 3 are the segment's Windows-1251
// bytes; everything after them is the database.

#include "lookup/Cp1251.h"
#include "lookup/FaultSearch.h"
#include "lookup/HeaderLine.h"
#include "lookup/ReportBytes.h"
#include "lookup/StepFallback.h"

#include <QBuffer>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace zornalit;

void fail(const char* what)
{
    std::fprintf(stderr, "fault search broke a rule: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what)
{
    if (!holds)
        fail(what);
}

// The database's lines, split as simply as the rules say.
QByteArrayList linesOf(const QByteArray& bytes)
{
    QByteArrayList lines;
    QByteArray current;
    bool open = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            lines << current;
            current.clear();
            open = false;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current += bytes[i];
            open = true;
        }
    }
    if (open)
        lines << current;
    return lines;
}

// Index in steps of the step a line is a header for, or -1.
qsizetype rankOf(const QByteArray& line, const QByteArray& segment, const QStringList& steps)
{
    if (!beginsWithKeyword(line))
        return -1;
    const HeaderFields fields = readHeaderFields(line);
    if (fields.segment != segment)
        return -1;
    const QByteArrayView step = trimmedStep(fields.step);
    for (qsizetype rank = 0; rank < steps.size(); ++rank) {
        if (step == steps[rank].toLatin1())
            return rank;
    }
    return -1;
}

SearchOutcome run(const QByteArray& database, const QueryBoxes& query, const StepCodes& codes, qsizetype chunk)
{
    QBuffer buffer;
    buffer.setData(database);
    buffer.open(QIODevice::ReadOnly);
    return searchFaults(buffer, query, codes, chunk);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;

    static const StepCodes codes = [] {
        StepCodes filled;
        filled.fill();
        return filled;
    }();

    const QString step = codes.at(data[0] % StepCodes::count);
    const qsizetype width = (data[1] & 1) ? 2 : 1;
    const qsizetype chunk = (data[1] & 0x80) ? LineReader::defaultChunkBytes : 1 + ((data[1] >> 1) & 63);
    const QByteArray segment(reinterpret_cast<const char*>(data) + 2, width);
    const QByteArray database(reinterpret_cast<const char*>(data) + 4, static_cast<qsizetype>(size - 4));
    const QueryBoxes query{cp1251::decode(segment), step};

    const SearchOutcome outcome = run(database, query, codes, chunk);
    check(outcome.result != SearchOutcome::Result::ReadFailed, "a buffer cannot fail to read");

    const SearchOutcome usual = run(database, query, codes, LineReader::defaultChunkBytes);
    check(usual.result == outcome.result && usual.block == outcome.block && usual.foundStep == outcome.foundStep
              && usual.terminated == outcome.terminated,
          "the outcome depends on the read chunk size");

    const QByteArrayList lines = linesOf(database);
    const QStringList steps = fallbackSteps(step, codes);

    // The best step any header offers, and the first header for it.
    qsizetype bestRank = -1;
    qsizetype first = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype rank = rankOf(lines[i], segment, steps);
        if (rank >= 0 && (bestRank < 0 || rank < bestRank)) {
            bestRank = rank;
            first = i;
        }
    }

    if (outcome.result == SearchOutcome::Result::NotFound) {
        check(bestRank < 0, "a fitting header was missed");
        check(outcome.block.isEmpty(), "not found, yet a block");
        return 0;
    }

    check(bestRank >= 0, "found a block where no header fits");
    check(outcome.foundStep == steps[bestRank], "found a worse step than the best one");
    check(!outcome.block.isEmpty(), "a block without its header");

    // Every report line is a byte-exact copy of the database's lines, in
    // order, from the first fitting header on.
    check(first + outcome.block.size() <= lines.size(), "the block is longer than the rest of the file");
    for (qsizetype k = 0; k < outcome.block.size(); ++k) {
        check(outcome.block[k] == lines[first + k], "a report line is not a copy of its database line");
        if (k > 0)
            check(!outcome.block[k].startsWith('@'), "a terminator line was copied");
    }
    const qsizetype after = first + outcome.block.size();
    if (outcome.terminated)
        check(after < lines.size() && lines[after].startsWith('@'), "a block ended without its terminator");
    else
        check(after == lines.size(), "a block stopped before its terminator or the end of the file");

    const QByteArray report = reportBytes(outcome.block);
    check(report.endsWith("\r\n"), "the report's last line lacks its line end");
    check(report.split('\r').size() == outcome.block.size() + 1, "a report line holds a CR");
    check(linesOf(report) == outcome.block, "the report does not read back as the block");
    return 0;
}
