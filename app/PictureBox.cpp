#include "PictureBox.h"

#include "ClickTracker.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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
    connect(new ClickTracker(this), &ClickTracker::clicked, this, &PictureBox::clicked);
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    if (!m_image.isNull())
        drawAtOwnSize(painter, inside.topLeft(), m_image);
    // The box takes the focus in the tab order; the mark shows where it is.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inside.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace zornalit
