#pragma once

#include <QString>

namespace zornalit {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Removes everything, of every format.
    virtual void clear() = 0;
    // Puts the text on the clipboard as plain text only.
    virtual void setPlainText(const QString& text) = 0;
};

} // namespace zornalit
