#include "ShownText.h"

#include "lookup/Cp1251.h"

#include <algorithm>

namespace zornalit::dbtool {

namespace {
constexpr qsizetype shownBytes = 120;
}

QString shownText(QByteArrayView line)
{
    QString text = cp1251::decode(line.first(std::min(line.size(), shownBytes)));
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control && c != u'\t')
            c = QChar::ReplacementCharacter;
    }
    if (line.size() > shownBytes)
        text += u'…';
    return text;
}

QString shownLine(QByteArrayView line)
{
    return u'«' + shownText(line) + u'»';
}

} // namespace zornalit::dbtool
