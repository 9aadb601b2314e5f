#pragma once

#include <QWidget>

namespace zornalit {

class PictureBox;

// The About window: one picture and nothing else. It has no title, opens
// where the desktop puts new windows, and closes by its close box or Esc.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    void setPicture(const QImage& image);
    QImage picture() const;

    // Shows the window modally: no other window of the program takes input
    // until it is closed. Returns once it has been closed.
    void showModal();

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    PictureBox* Picture1;
};

} // namespace zornalit
