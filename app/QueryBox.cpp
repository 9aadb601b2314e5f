#include "QueryBox.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include <limits>

namespace zornalit {

QueryBox::QueryBox(QWidget* parent)
    : QLineEdit(parent)
{
    // Whatever the operator types is kept; validation says what is wrong.
    setMaxLength(std::numeric_limits<int>::max());
}

bool QueryBox::emptiesOn(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

void QueryBox::showText(const QString& text)
{
    if (this->text() != text)
        setText(text);
    setCursorPosition(0);
}

void QueryBox::focusInEvent(QFocusEvent* event)
{
    m_holdsFocus = true;
    if (emptiesOn(event->reason()))
        clear();
    QLineEdit::focusInEvent(event);
}

void QueryBox::focusOutEvent(QFocusEvent* event)
{
    // Losing the focus with the whole window keeps the box its window's focus.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_holdsFocus = false;
    QLineEdit::focusOutEvent(event);
}

// A click into a box that was not its window's focus empties it, even when
// the window is activated only after the click has arrived (as it is without
// a window manager) and the focus then comes in as a return to the window.
void QueryBox::mousePressEvent(QMouseEvent* event)
{
    if (!m_holdsFocus) {
        m_holdsFocus = true;
        clear();
    }
    QLineEdit::mousePressEvent(event);
}

} // namespace zornalit
