#include "TemporaryName.h"

namespace zornalit {

namespace {

constexpr int digits = 6;
const QString suffix = QStringLiteral(".tmp");

bool isLowerHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

} // namespace

QString temporaryNameOf(const QString& targetName, quint32 number)
{
    return QStringLiteral("%1.%2%3").arg(targetName).arg(number & 0xFFFFFF, digits, 16, QLatin1Char('0')).arg(suffix);
}

bool isTemporaryNameOf(const QString& name, const QString& targetName)
{
    const qsizetype start = targetName.size() + 1;
    if (name.size() != start + digits + suffix.size() || !name.startsWith(targetName) || name[start - 1] != u'.'
        || !name.endsWith(suffix))
        return false;
    for (qsizetype i = start; i < start + digits; ++i) {
        if (!isLowerHex(name[i]))
            return false;
    }
    return true;
}

} // namespace zornalit
