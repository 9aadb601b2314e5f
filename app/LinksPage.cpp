#include "LinksPage.h"

#include "Artwork.h"
#include "ControlPlacement.h"
#include "Fonts.h"
#include "FreeTextBox.h"
#include "LinkAddresses.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "TabTexts.h"
#include "Twips.h"

#include <QGroupBox>

namespace zornalit {

namespace {

// The two web addresses look like links: blue, large, bold, italic,
// underlined, centred, with the link pointer.
void giveLinkLook(QLabel* label, const QCursor& linkPointer)
{
    label->setFont(serifFont(18, {.bold = true, .italic = true, .underline = true}));
    // Without an explicit role the label would take the tab page's button
    // text colour and the blue would never be drawn.
    label->setForegroundRole(QPalette::WindowText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(false);
    label->setCursor(linkPointer);
}

// A frame without a caption: only its outline.
QGroupBox* placeFrame(QWidget* parent, const QString& name, QRect geometry)
{
    auto* frame = place<QGroupBox>(parent, name, geometry);
    frame->setFlat(false);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

// One of the two links: a frame holding the picture, and the address label
// below or beside it; picture and label both copy the address.
struct LinkPlaces {
    QString frame;
    QRect frameRect;
    QString frameSpoken; // what a screen reader calls the frame
    QString picture;
    QRect pictureRect; // inside the frame
    QString pictureSpoken;
    QString label;
    QRect labelRect;
    QString address;
};

LinksPage::Link placeLink(QWidget* page, const LinkPlaces& places, const QCursor& linkPointer)
{
    // What a screen reader says of the link controls besides their names.
    const QString copiesAddress = QStringLiteral("Щелчок копирует адрес в буфер обмена");
    LinksPage::Link link;
    QGroupBox* frame = placeFrame(page, places.frame, places.frameRect);
    link.picture = place<PictureBox>(frame, places.picture, places.pictureRect);
    link.picture->setCursor(linkPointer);
    frame->setAccessibleName(places.frameSpoken);
    link.picture->setAccessibleName(places.pictureSpoken);
    link.picture->setAccessibleDescription(copiesAddress);

    link.label = placeLabel<LinkLabel>(page, places.label, places.labelRect, places.address);
    giveLinkLook(link.label, linkPointer);
    link.label->setAccessibleDescription(copiesAddress);
    return link;
}

} // namespace

LinksPage::LinksPage(QWidget* parent)
    : QWidget(parent)
{
    const QCursor linkPointer = artwork::linkPointer();

    m_exchangePhoto = place<PictureBox>(this, QStringLiteral("Picture2"), rectFromTwips(120, 1200, 2175, 1455));
    m_exchangePhoto->setToolTip(QStringLiteral("Фото любимой АТС"));
    m_exchangePhoto->setAccessibleName(m_exchangePhoto->toolTip());

    m_site = placeLink(this,
        {QStringLiteral("Frame1"), rectFromTwips(2400, 1080, 4215, 735), QStringLiteral("Ссылка на сайт"),
            QStringLiteral("Picture3"), rectFromTwips(0, 120, 4215, 615), QStringLiteral("Сайт КВАНТ"),
            QStringLiteral("Label2"), rectFromTwips(2400, 1800, 4215, 615), siteAddress},
        linkPointer);

    m_extraBox = place<FreeTextBox>(this, QStringLiteral("Text1"), rectFromTwips(120, 2760, 4215, 285));
    m_extraBox->showText(QString(25, QLatin1Char('@')));
    m_extraBox->setToolTip(QStringLiteral("Easter egg"));
    m_extraBox->setAccessibleName(m_extraBox->toolTip());

    m_forum = placeLink(this,
        {QStringLiteral("Frame2"), rectFromTwips(120, 3120, 4215, 855), QStringLiteral("Ссылка на форум"),
            QStringLiteral("Picture4"), rectFromTwips(0, 120, 4215, 735), QStringLiteral("Форум КВАНТ"),
            QStringLiteral("Label3"), rectFromTwips(120, 4080, 4215, 615), forumAddress},
        linkPointer);

    placeLabel(this, QStringLiteral("Label4"), rectFromTwips(4560, 2520, 1935, 2175), linksInstructionText());
}

} // namespace zornalit
