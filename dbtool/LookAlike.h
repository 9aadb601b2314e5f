#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zornalit::dbtool {

// Why a line that does not begin with the header keyword still looks like a
// header to a reader (Latin letters in the keyword, lower case, a space
// before it), or an empty text when it does not look like one.
QString lookAlikeReason(QByteArrayView line);

// Every byte a line that lookAlikeReason() finds can begin with: the forms
// of the keyword's first letter, and what it may be indented with.
QByteArray lookAlikeFirstBytes();

} // namespace zornalit::dbtool
