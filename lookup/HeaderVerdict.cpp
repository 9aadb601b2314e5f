#include "HeaderVerdict.h"

#include "Cp1251.h"
#include "HeaderLine.h"
#include "QueryInput.h"

#include <QtGlobal>

#include <algorithm>
#include <optional>

namespace zornalit {

namespace {

// The segment and the step as a person reads the line: after the keyword
// and its space, the segment runs to the first ".", the step from there to
// the next "." or space.
struct WrittenFields {
    QByteArrayView segment;
    QByteArrayView step;
};

WrittenFields writtenFields(QByteArrayView line)
{
    QByteArrayView rest = line.sliced(headerKeywordLength);
    WrittenFields fields;
    const qsizetype dot = rest.indexOf('.');
    if (dot < 0) {
        fields.segment = trimmedStep(rest);
        return fields;
    }
    fields.segment = trimmedStep(rest.first(dot));
    rest = rest.sliced(dot + 1);
    while (!rest.isEmpty() && rest.front() == ' ')
        rest = rest.sliced(1);
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != '.' && rest[end] != ' ')
        ++end;
    fields.step = rest.first(end);
    return fields;
}

QString quoted(QByteArrayView bytes)
{
    return u'«' + cp1251::decode(bytes) + u'»';
}

// Why no normalised query can equal this field: the window upper-cases what
// is typed, drops a leading zero of two characters and takes at most two.
QString whyNotAskable(const QString& field, const QString& what, bool isStep, const StepCodes& codes)
{
    if (field.isEmpty())
        return isStep ? QStringLiteral("нет шага") : QStringLiteral("нет сегмента");
    if (field.toUpper() != field)
        return QStringLiteral("строчные буквы в %1 «%2»: запрос всегда в заглавных").arg(what, field);
    if (field.size() == 2 && field.front() == u'0')
        return QStringLiteral("ведущий ноль в %1 «%2»: запрос его отбрасывает").arg(what, field);
    if (isStep && !codes.positionOf(field))
        return QStringLiteral("шаг «%1» не из таблицы шагов 0–1F").arg(field);
    return {};
}

// Whether a segment read from a line is one the window's normalisation of a
// query leaves as it is, judged without decoding: one or two digits or Latin
// capitals, without a leading zero of two.
bool plainSegment(QByteArrayView segment)
{
    const auto plain = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); };
    if (segment.isEmpty() || segment.size() > 2)
        return false;
    // The first and the last byte: the same one for a segment of one. Both
    // are judged, as whole numbers, so that no branch waits on the first.
    const bool allPlain = (int{plain(segment.front())} & int{plain(segment.back())}) != 0;
    return allPlain && !(segment.size() == 2 && segment.front() == '0');
}

// What follows a field of line: the byte after it, or nothing at the end.
std::optional<char> byteAfter(QByteArrayView line, QByteArrayView field)
{
    const qsizetype after = field.data() + field.size() - line.data();
    return after < line.size() ? std::optional<char>(line[after]) : std::nullopt;
}

// The usual header, "СЕГМ 5.3." or "СЕГМ 12.1F." with anything after the
// step's dot or space: a space after the keyword, a plain segment ended by
// its dot, and a step code ended by a dot, a space or the line's end. A
// person reads such fields as the lookup does, and every step code is one
// the normalisation leaves as it is, so the header is askable as it stands.
bool usualHeader(QByteArrayView line, const HeaderFields& fields, bool spaceAfterKeyword, bool stepIsCode)
{
    if (!spaceAfterKeyword || !plainSegment(fields.segment) || byteAfter(line, fields.segment) != '.' || !stepIsCode)
        return false;
    const std::optional<char> afterStep = byteAfter(line, fields.step);
    return !afterStep || *afterStep == '.' || *afterStep == ' ';
}

// Any other header: read the way a person and the lookup each read it,
// decoded, and put through the window's own normalisation of a query. Kept
// apart so that the usual header, judged for every header of a database,
// does not pay for this one's setting up.
Q_NEVER_INLINE HeaderVerdict judgeUnusualHeader(
    QByteArrayView line, const HeaderFields& fields, bool spaceAfterKeyword, const StepCodes& codes)
{
    HeaderVerdict verdict;
    verdict.segment = fields.segment;
    const QByteArrayView step = trimmedStep(fields.step);
    const WrittenFields written = writtenFields(line);
    const bool readAsWritten = fields.segment == written.segment && step == written.step;
    const QString segmentText = cp1251::decode(fields.segment);
    const QString stepText = cp1251::decode(step);
    if (const std::optional<int> position = codes.positionOf(stepText))
        verdict.stepPosition = *position;

    // The query that would reach this header must come out of the window's
    // own normalisation unchanged.
    const QueryBoxes asked{segmentText, stepText};
    const QueryCheck check = normaliseQuery(asked, codes);
    verdict.askable = check.passed() && check.boxes == asked;

    if (line.size() > headerKeywordLength && !spaceAfterKeyword)
        verdict.reasons << QStringLiteral("после «СЕГМ» нет пробела");
    if (cp1251::decode(written.segment).size() > 2)
        verdict.reasons << QStringLiteral("сегмент %1 длиннее двух знаков").arg(quoted(written.segment));
    if (!verdict.askable) {
        for (const QString& why : {whyNotAskable(segmentText, QStringLiteral("сегменте"), false, codes),
                 whyNotAskable(stepText, QStringLiteral("шаге"), true, codes)}) {
            if (!why.isEmpty())
                verdict.reasons << why;
        }
    }
    if (!readAsWritten || !verdict.reasons.isEmpty()) {
        verdict.reasons
            << QStringLiteral("программа читает сегмент %1 и шаг %2").arg(quoted(fields.segment), quoted(step));
    }
    return verdict;
}

} // namespace

HeaderVerdict judgeHeader(QByteArrayView line, const StepCodes& codes)
{
    const HeaderFields fields = readHeaderFields(line);
    const bool spaceAfterKeyword = line.size() > headerKeywordLength && line[headerKeywordLength] == ' ';
    // The usual header is judged without decoding: a database holds many.
    const std::optional<int> code = codes.positionOfBytes(fields.step);
    if (usualHeader(line, fields, spaceAfterKeyword, code.has_value())) {
        HeaderVerdict verdict;
        verdict.segment = fields.segment;
        verdict.stepPosition = *code;
        verdict.askable = true;
        return verdict;
    }
    return judgeUnusualHeader(line, fields, spaceAfterKeyword, codes);
}

} // namespace zornalit
