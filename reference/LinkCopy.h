#pragma once

#include "platform/Clipboard.h"

#include <QString>

namespace zornalit {

// Empties the clipboard, then leaves the link's caption on it as plain text.
void copyLink(Clipboard& clipboard, const QString& caption);

} // namespace zornalit
