#pragma once

#include <QString>

namespace zornalit {

// The name a new content is written under beside its target before it is
// renamed over it: the target's file name, a dot, six lower-case hexadecimal
// digits from number (its low 24 bits) and ".tmp".
QString temporaryNameOf(const QString& targetName, quint32 number);

// Whether name is one temporaryNameOf makes for targetName.
bool isTemporaryNameOf(const QString& name, const QString& targetName);

} // namespace zornalit
