#include "PictureButton.h"

#include "PictureBox.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zornalit {

namespace {

// Room between the bevel and what is drawn inside it.
constexpr int innerMargin = 3;

} // namespace

PictureButton::PictureButton(QWidget* parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
}

void PictureButton::setImage(const QImage& image)
{
    m_image = image;
    m_picture = QIcon();
    update();
}

void PictureButton::setPicture(const QIcon& picture, QSize size)
{
    m_image = QImage();
    m_picture = picture;
    m_pictureSize = size;
    update();
}

QSize PictureButton::pictureSize() const
{
    if (!m_image.isNull())
        return m_image.size();
    if (!m_picture.isNull())
        return m_pictureSize;
    return {};
}

QRect PictureButton::captionRect() const
{
    if (text().isEmpty())
        return {};
    const QRect inside = rect().adjusted(innerMargin, innerMargin, -innerMargin, -innerMargin);
    const QRect needed = fontMetrics().boundingRect(
        inside, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, text());
    return QRect(inside.left(), inside.bottom() - needed.height() + 1, inside.width(), needed.height());
}

QRect PictureButton::pictureRect() const
{
    const QSize size = pictureSize();
    if (size.isEmpty())
        return {};
    QRect space = rect().adjusted(innerMargin, innerMargin, -innerMargin, -innerMargin);
    const QRect caption = captionRect();
    if (!caption.isNull())
        space.setBottom(caption.top() - 1);
    QRect picture(QPoint(), size);
    picture.moveCenter(space.center());
    return picture;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // A pressed button shifts its content like the style's own buttons do.
    QPoint shift;
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        shift = QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    const QRect inside = rect().adjusted(innerMargin / 2, innerMargin / 2, -innerMargin / 2, -innerMargin / 2);
    painter.save();
    painter.setClipRect(inside);
    const QRect picture = pictureRect().translated(shift);
    if (!m_image.isNull()) {
        drawAtOwnSize(painter, picture.topLeft(), m_image);
    } else if (!m_picture.isNull()) {
        m_picture.paint(&painter, picture, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    const QRect caption = captionRect().translated(shift);
    if (!caption.isNull())
        painter.drawItemText(caption, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, palette(), isEnabled(),
            text(), QPalette::ButtonText);
    painter.restore();

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        if (!caption.isNull())
            focus.rect = caption.adjusted(-1, -1, 1, 1);
        else if (!picture.isNull())
            focus.rect = picture.adjusted(-2, -2, 2, 2);
        else
            focus.rect = inside.adjusted(2, 2, -2, -2);
        focus.rect &= inside;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// Enter and Return press the focused button, as Space does.
void PictureButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace zornalit
