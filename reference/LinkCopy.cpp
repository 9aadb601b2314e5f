#include "LinkCopy.h"

namespace zornalit {

void copyLink(Clipboard& clipboard, const QString& caption)
{
    clipboard.clear();
    clipboard.setPlainText(caption);
}

} // namespace zornalit
