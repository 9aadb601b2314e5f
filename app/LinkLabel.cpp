#include "LinkLabel.h"

#include <QMouseEvent>

namespace zornalit {

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_click.press(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, rect()))
        emit clicked();
}

} // namespace zornalit
