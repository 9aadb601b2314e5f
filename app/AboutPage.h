#pragma once

#include <QWidget>

namespace zornalit {

class PictureBox;
class PictureButton;

// The tab that describes the program: the photo, the description, the
// readme button and the button of the About window.
class AboutPage : public QWidget {
public:
    explicit AboutPage(QWidget* parent = nullptr);

    // The photo's picture is a file in the program folder.
    static inline const QString photoFile = QStringLiteral("Фото.bmp");
    PictureBox* photo() const { return m_photo; }
    PictureButton* readmeButton() const { return m_readmeButton; }
    PictureButton* aboutWindowButton() const { return m_aboutWindowButton; }

private:
    PictureBox* m_photo = nullptr;
    PictureButton* m_readmeButton = nullptr;
    PictureButton* m_aboutWindowButton = nullptr;
};

} // namespace zornalit
