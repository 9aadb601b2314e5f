#include "QueryInput.h"

#include <QList>
#include <QStringView>

namespace zornalit {

namespace {

const QString segmentTooLong = QStringLiteral("Номер сегмента не может состоять из трёх знаков");
const QString segmentMissing = QStringLiteral("Вы забыли ввести номер сегмента");
const QString stepTooLong = QStringLiteral("Номер шага не может состоять из трёх знаков");
const QString stepMissing = QStringLiteral("Вы забыли ввести номер шага");
const QString stepUnknown = QStringLiteral("Недопустимый номер шага");

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
// leading zero from two. Returns the prompt of a failure, or nothing.
QString normaliseBox(QString& text, const QString& tooLong, const QString& missing)
{
    text = text.toUpper();
    const QList<QStringView> characters = charactersOf(text);
    if (characters.size() >= 3)
        return tooLong;
    if (characters.size() == 2 && characters[0] == u"0")
        text = characters[1].toString();
    if (text.isEmpty())
        return missing;
    return {};
}

} // namespace

QueryCheck normaliseQuery(const QueryBoxes& typed, const StepCodes& codes)
{
    QueryCheck check{typed, {}};
    check.error = normaliseBox(check.boxes.segment, segmentTooLong, segmentMissing);
    if (!check.passed())
        return check;
    check.error = normaliseBox(check.boxes.step, stepTooLong, stepMissing);
    if (!check.passed())
        return check;
    if (!codes.positionOf(check.boxes.step))
        check.error = stepUnknown;
    return check;
}

} // namespace zornalit
