#pragma once

#include <QMouseEvent>
#include <QRect>

namespace zornalit {

// Tells a click from a stray press or release: the left button pressed on a
// control and released inside it. Controls that take a press this way keep
// it from the tab control below, so that the release comes back to them.
class ClickTracker {
public:
    void press(QMouseEvent* event)
    {
        m_pressed = event->button() == Qt::LeftButton;
        event->accept();
    }

    // True when this release completes a click inside area.
    bool release(QMouseEvent* event, const QRect& area)
    {
        event->accept();
        const bool wasPressed = m_pressed;
        m_pressed = false;
        return wasPressed && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
    }

private:
    bool m_pressed = false;
};

} // namespace zornalit
