#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace zornalit {

void drawAtOwnSize(QPainter& painter, QPoint topLeft, const QImage& bitmap)
{
    QImage unscaled = bitmap;
    unscaled.setDevicePixelRatio(1.0);
    painter.drawImage(topLeft, unscaled);
}

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    // The style draws the sunken border: two lines deep in the classic look.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_image.isNull())
        return;
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    drawAtOwnSize(painter, inside.topLeft(), m_image);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    m_click.press(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, rect()))
        emit clicked();
}

} // namespace zornalit
