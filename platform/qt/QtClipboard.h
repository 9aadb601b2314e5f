#pragma once

#include "platform/Clipboard.h"

namespace zornalit {

// The desktop clipboard (not the X11 primary selection).
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setPlainText(const QString& text) override;
};

} // namespace zornalit
