#pragma once

#include <QString>

namespace zornalit {

// The two looks a message can have: an OK button alone, or an OK button with
// the error icon. The values are the classic style numbers.
enum class MessageStyle : int {
    Plain = 0,
    Error = 16,
};

// The title of every message with the error icon.
inline const QString errorTitle = QStringLiteral("Ошибка!");

// A modal message. Returns when the operator has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& prompt, MessageStyle style, const QString& title) = 0;
};

} // namespace zornalit
