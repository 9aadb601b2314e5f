#include "QueryInput.h"

#include <QHash>
#include <QList>
#include <QStringView>

namespace zornalit {

namespace {

// The characters of a text as the operator sees them: a surrogate pair is one
// character, not two.
QList<QStringView> charactersOf(QStringView text)
{
    QList<QStringView> characters;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype width = pair ? 2 : 1;
        characters << text.sliced(i, width);
        i += width;
    }
    return characters;
}

// Upper-cases a box text, refuses three or more characters and drops a
// leading zero from two. Returns the problem found, if any.
QueryProblem normaliseBox(QString& text, QueryProblem tooLong, QueryProblem missing)
{
    text = text.toUpper();
    const QList<QStringView> characters = charactersOf(text);
    if (characters.size() >= 3)
        return tooLong;
    if (characters.size() == 2 && characters[0] == u"0")
        text = characters[1].toString();
    if (text.isEmpty())
        return missing;
    return QueryProblem::None;
}

} // namespace

QueryCheck normaliseQuery(const QueryBoxes& typed, const StepCodes& codes)
{
    QueryCheck check{typed, QueryProblem::None};
    check.problem = normaliseBox(check.boxes.segment, QueryProblem::SegmentTooLong, QueryProblem::SegmentMissing);
    if (!check.passed())
        return check;
    check.problem = normaliseBox(check.boxes.step, QueryProblem::StepTooLong, QueryProblem::StepMissing);
    if (!check.passed())
        return check;
    if (!codes.positionOf(check.boxes.step))
        check.problem = QueryProblem::StepUnknown;
    return check;
}

QString queryPrompt(QueryProblem problem)
{
    static const QHash<QueryProblem, QString> prompts{
        {QueryProblem::SegmentTooLong, QStringLiteral("Номер сегмента не может состоять из трёх знаков")},
        {QueryProblem::SegmentMissing, QStringLiteral("Вы забыли ввести номер сегмента")},
        {QueryProblem::StepTooLong, QStringLiteral("Номер шага не может состоять из трёх знаков")},
        {QueryProblem::StepMissing, QStringLiteral("Вы забыли ввести номер шага")},
        {QueryProblem::StepUnknown, QStringLiteral("Недопустимый номер шага")},
    };
    return prompts.value(problem);
}

} // namespace zornalit
