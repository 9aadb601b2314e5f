#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace zornalit {

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
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
    // Drawn in device-independent pixels: one picture pixel is one pixel of
    // the layout, which Qt enlarges on a high-density screen like the rest.
    QImage unscaled = m_image;
    unscaled.setDevicePixelRatio(1.0);
    painter.drawImage(inside.topLeft(), unscaled);
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
