#include "LatinLetters.h"

#include <algorithm>

namespace zornalit::testing {

QString latinLettersOutside(const QString& message, const QStringList& allowed)
{
    // Longest first, so that a path is not cut up by a shorter piece of it.
    QStringList pieces = allowed;
    std::sort(pieces.begin(), pieces.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QString rest = message;
    for (const QString& piece : std::as_const(pieces)) {
        if (!piece.isEmpty())
            rest.replace(piece, QStringLiteral(" "));
    }
    QString letters;
    for (const QChar c : std::as_const(rest)) {
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            letters += c;
    }
    return letters;
}

} // namespace zornalit::testing
