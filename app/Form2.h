#pragma once

#include <QDialog>

namespace zornalit {

class PictureBox;

// The About window: one picture and nothing else. It has no title and no
// owner, is an ordinary window that opens where the desktop puts new
// windows, and closes by its close box or Esc.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2();

    // The window's picture, a file in the program folder.
    static inline const QString pictureFile = QStringLiteral("About.bmp");
    void setPicture(const QImage& image);

    // Shows the window modally: no other window of the program takes input
    // until it is closed. Returns once it has been closed.
    void showModal();

protected:
    void showEvent(QShowEvent* event) override;

private:
    PictureBox* Picture1;
};

} // namespace zornalit
