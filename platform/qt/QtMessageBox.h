#pragma once

#include "platform/MessageBox.h"

#include <QMessageBox>

#include <memory>

namespace zornalit {

// Modal message box over the active window.
class QtMessageBox : public MessageBox {
public:
    void show(const QString& prompt, MessageStyle style, const QString& title) override;

    // The box as show() runs it: the prompt as plain text (a "<" in a path
    // must not turn it into markup), one OK button, the error icon only for
    // the error style.
    static std::unique_ptr<QMessageBox> build(
        const QString& prompt, MessageStyle style, const QString& title, QWidget* parent);
};

} // namespace zornalit
