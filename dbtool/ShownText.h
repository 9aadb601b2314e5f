#pragma once

#include <QByteArrayView>
#include <QString>

namespace zornalit::dbtool {

// A database line for a terminal, in «quotes»: decoded from Windows-1251,
// shortened when long, control characters (a lone LF among them) shown as
// the replacement character so that one line stays one line.
QString shownLine(QByteArrayView line);

// The same without the quotes.
QString shownText(QByteArrayView line);

} // namespace zornalit::dbtool
