#include "QueryBox.h"

#include <QFocusEvent>

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

void QueryBox::focusInEvent(QFocusEvent* event)
{
    if (emptiesOn(event->reason()))
        clear();
    QLineEdit::focusInEvent(event);
}

} // namespace zornalit
