#pragma once

#include <QIcon>
#include <QImage>
#include <QPushButton>

namespace zornalit {

// A push button in picture style: its picture centred in the space above
// the caption, the caption word-wrapped and centred along the bottom edge.
// Without a caption the picture is centred in the whole button.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    // A bitmap, drawn at its own size; a null image shows no picture.
    void setImage(const QImage& image);
    QImage image() const { return m_image; }

    // A drawing of the program's own, at the given size.
    void setPicture(const QIcon& picture, QSize size);

    // Where the caption and the picture go; exposed for the layout checks.
    QRect captionRect() const;
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize pictureSize() const;

    QImage m_image;
    QIcon m_picture;
    QSize m_pictureSize;
};

} // namespace zornalit
