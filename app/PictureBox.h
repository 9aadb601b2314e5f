#pragma once

#include <QFrame>
#include <QImage>

class QPainter;

namespace zornalit {

// Draws a bitmap at its own size with its top-left corner at topLeft, in
// device-independent pixels: one picture pixel is one pixel of the layout,
// which Qt enlarges on a high-density screen like the rest.
void drawAtOwnSize(QPainter& painter, QPoint topLeft, const QImage& bitmap);

// A sunken box that shows a picture at the picture's own size from its
// top-left corner, clipped at the border and never scaled. Clicking it
// reports clicked().
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // A null image leaves the box empty.
    void setImage(const QImage& image);
    QImage image() const { return m_image; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace zornalit
