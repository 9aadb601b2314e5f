#include "HeaderVerdict.h"

#include "lookup/Cp1251.h"
#include "lookup/HeaderLine.h"
#include "lookup/QueryInput.h"

#include <algorithm>

namespace zornalit::dbtool {

namespace {

constexpr qsizetype keywordLength = 4;

QByteArrayView trimmed(QByteArrayView text)
{
    return trimmedStep(text);
}

// The segment and the step as a person reads the line: after the keyword
// and its space, the segment runs to the first ".", the step from there to
// the next "." or space.
struct WrittenFields {
    QByteArrayView segment;
    QByteArrayView step;
};

WrittenFields writtenFields(QByteArrayView line)
{
    QByteArrayView rest = line.sliced(keywordLength);
    WrittenFields fields;
    const qsizetype dot = rest.indexOf('.');
    if (dot < 0) {
        fields.segment = trimmed(rest);
        return fields;
    }
    fields.segment = trimmed(rest.first(dot));
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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLatinCapital(char c)
{
    return c >= 'A' && c <= 'Z';
}

// The position of a step written as the table writes it, or -1.
int canonicalStep(QByteArrayView step)
{
    const auto hexDigit = [](char c) { return isDigit(c) ? c - '0' : (c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1); };
    if (step.size() == 1)
        return hexDigit(step[0]);
    if (step.size() == 2 && step[0] == '1' && hexDigit(step[1]) >= 0)
        return 16 + hexDigit(step[1]);
    return -1;
}

// The usual header, "СЕГМ 5.3." or "СЕГМ 12.1F." with anything after the
// closing dot, judged without decoding: a database holds many of them.
bool judgeUsualHeader(QByteArrayView line, HeaderVerdict& verdict)
{
    if (line.size() < 8 || line[keywordLength] != ' ')
        return false;
    const QByteArrayView rest = line.sliced(keywordLength + 1);
    // The segment: one or two characters before the first dot.
    const qsizetype segmentEnd = rest[0] == '.' ? -1 : rest[1] == '.' ? 1 : rest[2] == '.' ? 2 : -1;
    if (segmentEnd < 0)
        return false;
    const QByteArrayView segment = rest.first(segmentEnd);
    if (!std::all_of(segment.begin(), segment.end(), [](char c) { return isDigit(c) || isLatinCapital(c); }))
        return false;
    if (segment.size() == 2 && segment[0] == '0')
        return false;
    // The step: one or two characters up to the next dot or the line's end.
    const QByteArrayView after = rest.sliced(segmentEnd + 1);
    const qsizetype size = after.size();
    qsizetype stepLength = -1;
    if (size >= 2 && after[1] == '.')
        stepLength = 1;
    else if (size >= 3 && after[2] == '.')
        stepLength = 2;
    else if (size <= 2)
        stepLength = size;
    if (stepLength < 1 || after[0] == '.')
        return false;
    const int position = canonicalStep(after.first(stepLength));
    if (position < 0)
        return false;
    verdict.segment = segment;
    verdict.stepPosition = position;
    verdict.askable = true;
    return true;
}

} // namespace

HeaderVerdict judgeHeader(QByteArrayView line, const StepCodes& codes)
{
    HeaderVerdict verdict;
    if (judgeUsualHeader(line, verdict))
        return verdict;
    const HeaderFields fields = readHeaderFields(line);
    const QByteArrayView step = trimmedStep(fields.step);
    verdict.segment = fields.segment;
    const QString segmentText = cp1251::decode(fields.segment);
    const QString stepText = cp1251::decode(step);
    if (const std::optional<int> position = codes.positionOf(stepText))
        verdict.stepPosition = *position;

    // The query that would reach this header must come out of the window's
    // own normalisation unchanged.
    const QueryBoxes asked{segmentText, stepText};
    const QueryCheck check = normaliseQuery(asked, codes);
    verdict.askable = check.passed() && check.boxes == asked;

    const WrittenFields written = writtenFields(line);
    if (line.size() > keywordLength && line[keywordLength] != ' ')
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
    const bool readAsWritten = fields.segment == written.segment && step == written.step;
    if (!readAsWritten || !verdict.reasons.isEmpty()) {
        verdict.reasons << QStringLiteral("программа читает сегмент %1 и шаг %2")
                               .arg(quoted(fields.segment), quoted(step));
    }
    return verdict;
}

} // namespace zornalit::dbtool
