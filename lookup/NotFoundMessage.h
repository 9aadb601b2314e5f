#pragma once

#include "QueryInput.h"

#include <QString>

namespace zornalit {

// What the operator is told when no block is found, even after the fallback.
inline const QString notFoundPrompt = QStringLiteral("К сожалению, описание этого типа повреждения не обнаружено");

// Reads like the header line of the block that was sought: "СЕГМ 12.3.".
inline QString notFoundTitle(const QueryBoxes& query)
{
    return QStringLiteral("СЕГМ ") + query.segment + u'.' + query.step + u'.';
}

} // namespace zornalit
