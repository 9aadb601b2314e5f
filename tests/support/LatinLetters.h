#pragma once

#include <QString>
#include <QStringList>

namespace zornalit::testing {

// The Latin letters left in a message once every allowed piece (the paths
// and program names it may quote) is taken out: empty when what the operator
// reads is Russian.
QString latinLettersOutside(const QString& message, const QStringList& allowed);

} // namespace zornalit::testing
