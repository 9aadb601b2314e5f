#pragma once

#include "lookup/Cp1251.h"

#include <QByteArray>
#include <QString>

namespace zornalit::testing {

// The Windows-1251 bytes of a text that has them all.
inline QByteArray win(const QString& text)
{
    return cp1251::encode(text).value();
}

} // namespace zornalit::testing
