// Feeds arbitrary typed queries and databases through the whole lookup (the
// query normalisation, the search and the copy of the block into the report)
// with devices that fail part way, and checks the outcome against a plain
// model of the rules written here, apart from the code under test.
//
// Input: byte 0 chooses after how many database bytes reading fails (below
// 128: never; from 128 to 255: after none to all of them); byte 1 the read chunk (bit 7 set: more than the database,
// else 1 to 64 bytes from bits 1 to 6) and whether writing the report fails (bit 0); byte 2 after how many report bytes
// writing fails; byte 3 the lengths of the typed segment (high nibble, 0 to 3) and step (low nibble, 0 to 3), or with
// both 8 or more, a query typed as the database's last header reads. Then one byte per typed character (see
// typedCharacter), and everything after them is the database.

#include "lookup/BlockCopy.h"
#include "lookup/Cp1251.h"
#include "lookup/FaultSearch.h"
#include "lookup/QueryInput.h"
#include "support/FailingDevice.h"
#include "support/ModelLookup.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace zornalit;
using testing::FailingDevice;
using testing::ModelLine;

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "the lookup broke a rule: %s\n", what);
        std::abort();
    }
}

// A typed character: ASCII below 0x80, a Windows-1251 character up to 0xEF,
// and above that characters the code page cannot write or that change
// length when upper-cased.
QString typedCharacter(unsigned char byte)
{
    if (byte < 0x80)
        return QString(QChar(byte));
    if (byte < 0xF0)
        return cp1251::decode(QByteArrayView(reinterpret_cast<const char*>(&byte), 1));
    switch (byte & 7) {
    case 0:
        return QStringLiteral("\u4E00");
    case 1:
        return QStringLiteral("\u00DF"); // upper-cases to two letters
    case 2:
        return QString(QChar(0xD800)); // a lone surrogate
    case 3:
        return QStringLiteral("\U0001F600");
    case 4:
        return QStringLiteral("\uFB00"); // upper-cases to two letters
    case 5:
        return QStringLiteral("\u0131"); // dotless i
    case 6:
        return QStringLiteral("\u0451"); // ё, upper-cases to Ё
    default:
        return QStringLiteral("\u00B5"); // upper-cases outside the code page
    }
}

// --- The model: the rules, plainly. ---

struct ModelQuery {
    QString segment;
    QString step;
    bool passed = false;
};

qsizetype characterCount(const QString& text)
{
    return text.toUcs4().size(); // a lone surrogate counts as one
}

QString withoutLeadingZero(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    if (characters.size() == 2 && characters[0] == '0')
        return text.startsWith(u'0') ? text.mid(1) : text;
    return text;
}

ModelQuery modelQuery(const QString& segment, const QString& step, const StepCodes& codes)
{
    ModelQuery query{segment.toUpper(), step.toUpper(), false};
    if (characterCount(query.segment) >= 3)
        return query;
    query.segment = withoutLeadingZero(query.segment);
    if (query.segment.isEmpty())
        return query;
    if (characterCount(query.step) >= 3)
        return query;
    query.step = withoutLeadingZero(query.step);
    if (query.step.isEmpty())
        return query;
    for (int p = 0; p < StepCodes::count; ++p) {
        if (codes.at(p) == query.step)
            query.passed = true;
    }
    return query;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    static const StepCodes codes;

    // Both lengths 8 or more: the query is typed as the last header of the
    // database reads, so that queries meet headers of any shape often.
    const bool typedFromHeader = (data[3] & 0x88) == 0x88;
    const qsizetype segmentLength = typedFromHeader ? 0 : std::min(data[3] >> 4, 3);
    const qsizetype stepLength = typedFromHeader ? 0 : std::min(data[3] & 15, 3);
    std::size_t at = 4;
    if (size < at + std::size_t(segmentLength + stepLength))
        return 0;
    QueryBoxes typed;
    for (qsizetype i = 0; i < segmentLength; ++i)
        typed.segment += typedCharacter(data[at++]);
    for (qsizetype i = 0; i < stepLength; ++i)
        typed.step += typedCharacter(data[at++]);
    const QByteArray database(reinterpret_cast<const char*>(data) + at, qsizetype(size - at));
    if (typedFromHeader) {
        const QList<ModelLine> lines = testing::modelHeaderLines(database);
        const auto header = std::find_if(
            lines.rbegin(), lines.rend(), [](const ModelLine& line) { return !line.segment.isEmpty(); });
        if (header == lines.rend())
            return 0;
        typed = {header->segment, header->step};
    }

    // The query boxes.
    const QueryCheck normalised = normaliseQuery(typed, codes);
    const ModelQuery expectedQuery = modelQuery(typed.segment, typed.step, codes);
    check(normalised.passed() == expectedQuery.passed, "a query passed or failed against the rules");
    if (!normalised.passed())
        return 0;
    check(normalised.boxes.segment == expectedQuery.segment && normalised.boxes.step == expectedQuery.step,
        "the boxes do not show the normalised query");

    // The search, on a database that may fail to read part way.
    const qint64 readLimit = data[0] < 128 ? -1 : qint64(data[0] - 128) * database.size() / 127;
    const bool readsWhole = readLimit < 0 || readLimit >= database.size();
    // A chunk larger than the whole database reads it as the usual chunk
    // does a small one, without a large buffer for every input.
    const qsizetype chunk = (data[1] & 0x80) ? database.size() + 1 : 1 + ((data[1] >> 1) & 63);
    FailingDevice device(database, readLimit);
    const SearchOutcome outcome = searchFaults(device, normalised.boxes, codes, chunk);
    if (outcome.result == SearchOutcome::Result::ReadFailed) {
        check(!readsWhole, "a read failure where reading cannot fail");
        return 0;
    }
    const testing::ModelOutcome expected = testing::modelLookup(
        database, expectedQuery.segment, expectedQuery.step, codes);
    check((outcome.result == SearchOutcome::Result::Found) == expected.found, "found or missed against the rules");
    if (!expected.found)
        return 0;
    check(outcome.foundStep == expected.step, "found another step than the best one");

    // The copy into a report that may fail to write part way: each line of
    // the block as it is, ended by CR LF.
    QByteArray expectedReport;
    for (const QByteArrayView line : expected.block)
        expectedReport += line.toByteArray() + "\r\n";
    const qint64 writeLimit = (data[1] & 1) ? qint64(data[2]) * expectedReport.size() / 255 : -1;
    FailingDevice report({}, -1, writeLimit);
    const BlockCopy copy = copyBlock(device, outcome.blockStart, report, chunk);
    check(expectedReport.startsWith(report.written()), "the report is not a copy of the block");
    switch (copy.result) {
    case BlockCopy::Result::Copied:
        check(report.written() == expectedReport, "a report copied whole differs from the block");
        break;
    case BlockCopy::Result::WriteFailed:
        check(writeLimit >= 0 && writeLimit < expectedReport.size(), "a write failure where writing cannot fail");
        break;
    case BlockCopy::Result::ReadFailed:
        check(!readsWhole, "a read failure where reading cannot fail");
        break;
    }
    return 0;
}
