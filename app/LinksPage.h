#pragma once

#include <QWidget>

namespace zornalit {

class FreeTextBox;
class LinkLabel;
class PictureBox;

// The tab of the web links: the exchange's photo, the two addresses with
// their pictures, the box of the hidden extra and how to use the links.
class LinksPage : public QWidget {
public:
    explicit LinksPage(QWidget* parent = nullptr);

    // The pictures of the tab, files in the program folder.
    static inline const QString exchangePhotoFile = QStringLiteral("КВАНТ.bmp");
    static inline const QString sitePictureFile = QStringLiteral("Сайт КВАНТ.bmp");
    static inline const QString forumPictureFile = QStringLiteral("Форум КВАНТ.bmp");

    PictureBox* exchangePhoto() const { return m_exchangePhoto; }
    PictureBox* sitePicture() const { return m_site.picture; }
    LinkLabel* siteLink() const { return m_site.label; }
    FreeTextBox* extraBox() const { return m_extraBox; }
    PictureBox* forumPicture() const { return m_forum.picture; }
    LinkLabel* forumLink() const { return m_forum.label; }

    // One link's controls that copy its address: the picture in its frame
    // and the address label.
    struct Link {
        PictureBox* picture = nullptr;
        LinkLabel* label = nullptr;
    };

private:
    PictureBox* m_exchangePhoto = nullptr;
    Link m_site;
    FreeTextBox* m_extraBox = nullptr;
    Link m_forum;
};

} // namespace zornalit
