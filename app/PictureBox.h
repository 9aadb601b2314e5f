#pragma once

#include "ClickTracker.h"

#include <QFrame>
#include <QImage>

namespace zornalit {

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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    ClickTracker m_click;
};

} // namespace zornalit
