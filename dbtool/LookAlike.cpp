#include "LookAlike.h"

#include "lookup/HeaderLine.h"

#include <QStringList>

#include <iterator>

namespace zornalit::dbtool {

namespace {

// How each letter of the keyword can be mistyped: the Windows-1251 lower
// case letter, and the Latin letters that look the same.
struct LetterForms {
    char upper;
    char lower;
    char latinUpper; // 0: no Latin look-alike
    char latinLower;
    char latinName;
};

constexpr LetterForms keywordLetters[] = {
    {headerKeyword[0], '\xF1', 'C', 'c', 'C'},
    {headerKeyword[1], '\xE5', 'E', 'e', 'E'},
    {headerKeyword[2], '\xE3', 0, 0, 0},
    {headerKeyword[3], '\xEC', 'M', 'm', 'M'},
};
static_assert(static_cast<qsizetype>(std::size(keywordLetters)) == headerKeywordLength);

// What a look-alike may be indented with.
constexpr QByteArrayView indentBytes(" \t");

// After the keyword, a segment of one to three characters, a dot and the
// first character of a step, with at most two spaces in front.
bool headerShapedAfterKeyword(QByteArrayView rest)
{
    qsizetype at = 0;
    while (at < rest.size() && at < 2 && rest[at] == ' ')
        ++at;
    const qsizetype segmentStart = at;
    while (at < rest.size() && rest[at] != '.' && rest[at] != ' ' && at - segmentStart < 4)
        ++at;
    const qsizetype segmentLength = at - segmentStart;
    if (segmentLength < 1 || segmentLength > 3 || at >= rest.size() || rest[at] != '.')
        return false;
    ++at;
    return at < rest.size() && rest[at] != ' ' && rest[at] != '.';
}

} // namespace

QString lookAlikeReason(QByteArrayView line)
{
    qsizetype indent = 0;
    while (indent < line.size() && indentBytes.contains(line[indent]))
        ++indent;
    const QByteArrayView word = line.sliced(indent);
    if (word.size() < headerKeywordLength || (indent == 0 && beginsWithKeyword(word)))
        return {};

    QStringList latin;
    bool lower = false;
    for (qsizetype i = 0; i < headerKeywordLength; ++i) {
        const LetterForms& forms = keywordLetters[i];
        const char c = word[i];
        if (c == forms.upper)
            continue;
        if (c == forms.lower) {
            lower = true;
        } else if (forms.latinUpper != 0 && (c == forms.latinUpper || c == forms.latinLower)) {
            latin << QString(QLatin1Char(forms.latinName));
            lower = lower || c == forms.latinLower;
        } else {
            return {};
        }
    }
    if (!headerShapedAfterKeyword(word.sliced(headerKeywordLength)))
        return {};

    QStringList reasons;
    if (indent > 0)
        reasons << QStringLiteral("пробел перед «СЕГМ»");
    if (!latin.isEmpty())
        reasons << QStringLiteral("латинские буквы %1 вместо русских").arg(latin.join(QStringLiteral(", ")));
    if (lower)
        reasons << QStringLiteral("строчные буквы");
    return reasons.join(QStringLiteral(", "));
}

QByteArray lookAlikeFirstBytes()
{
    const LetterForms& first = keywordLetters[0];
    QByteArray bytes = indentBytes.toByteArray();
    bytes += first.upper;
    bytes += first.lower;
    if (first.latinUpper != 0) {
        bytes += first.latinUpper;
        bytes += first.latinLower;
    }
    return bytes;
}

} // namespace zornalit::dbtool
