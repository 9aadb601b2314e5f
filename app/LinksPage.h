#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;

namespace zornalit {

class FreeTextBox;
class LinkLabel;
class PictureBox;

// The tab of the web links: the exchange's photo, the two addresses with
// their pictures, the box of the hidden extra and how to use the links.
class LinksPage : public QWidget {
public:
    explicit LinksPage(QWidget* parent = nullptr);

    PictureBox* exchangePhoto() const { return m_exchangePhoto; }
    PictureBox* sitePicture() const { return m_sitePicture; }
    LinkLabel* siteLink() const { return m_siteLink; }
    FreeTextBox* extraBox() const { return m_extraBox; }
    PictureBox* forumPicture() const { return m_forumPicture; }
    LinkLabel* forumLink() const { return m_forumLink; }

private:
    PictureBox* m_exchangePhoto = nullptr;
    QGroupBox* m_siteFrame = nullptr;
    PictureBox* m_sitePicture = nullptr;
    LinkLabel* m_siteLink = nullptr;
    FreeTextBox* m_extraBox = nullptr;
    QGroupBox* m_forumFrame = nullptr;
    PictureBox* m_forumPicture = nullptr;
    LinkLabel* m_forumLink = nullptr;
    QLabel* m_instructions = nullptr;
};

} // namespace zornalit
