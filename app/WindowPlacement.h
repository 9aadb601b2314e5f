#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zornalit {

// Where the top-left corner of a window's frame goes so that the frame is
// centred in the screen's available area. A frame larger than the area
// keeps its top-left corner inside it, so the title bar can always be
// reached and the window moved.
constexpr QPoint centredFramePosition(QSize frame, QRect available)
{
    const int left = available.left() + (available.width() - frame.width()) / 2;
    const int top = available.top() + (available.height() - frame.height()) / 2;
    return QPoint(left < available.left() ? available.left() : left, top < available.top() ? available.top() : top);
}

} // namespace zornalit
