#include "FreeTextBox.h"

#include <QMouseEvent>

#include <limits>

namespace zornalit {

FreeTextBox::FreeTextBox(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

void FreeTextBox::showText(const QString& text)
{
    setText(text);
    setCursorPosition(0);
}

void FreeTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace zornalit
