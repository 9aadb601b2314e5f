#include "ClickTracker.h"

#include <QMouseEvent>
#include <QWidget>

namespace zornalit {

ClickTracker::ClickTracker(QWidget* control)
    : QObject(control)
    , m_control(control)
{
    control->installEventFilter(this);
}

bool ClickTracker::eventFilter(QObject*, QEvent* event)
{
    // A disabled control takes no mouse input; Qt passes it on as usual.
    if (!m_control->isEnabled())
        return false;
    switch (event->type()) {
    // The second press of a double click starts a click of its own.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* press = static_cast<QMouseEvent*>(event);
        press->accept();
        m_pressed = press->button() == Qt::LeftButton;
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* release = static_cast<QMouseEvent*>(event);
        release->accept();
        const bool wasPressed = m_pressed;
        m_pressed = false;
        if (wasPressed && release->button() == Qt::LeftButton
            && m_control->rect().contains(release->position().toPoint()))
            emit clicked();
        return true;
    }
    default:
        return false;
    }
}

} // namespace zornalit
