#include "LinksPage.h"

#include "Artwork.h"
#include "ControlPlacement.h"
#include "Fonts.h"
#include "FreeTextBox.h"
#include "LinkAddresses.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "TabControl.h"
#include "TabTexts.h"
#include "Twips.h"
#include "reference/MainTabs.h"

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
    QRect pictureRect;   // inside the frame
    QString pictureSpoken;
    QString label;
    QRect labelRect;
    QString address;
};

struct LinkControls {
    QGroupBox* frame;
    PictureBox* picture;
    LinkLabel* label;
};

LinkControls placeLink(TabControl& tabs, const LinkPlaces& places, const QCursor& linkPointer)
{
    // What a screen reader says of the link controls besides their names.
    const QString copiesAddress = QStringLiteral("Щелчок копирует адрес в буфер обмена");
    LinkControls link{};
    link.frame = placeFrame(&tabs, places.frame, places.frameRect);
    link.picture = place<PictureBox>(link.frame, places.picture, places.pictureRect);
    link.picture->setCursor(linkPointer);
    link.frame->setAccessibleName(places.frameSpoken);
    link.picture->setAccessibleName(places.pictureSpoken);
    link.picture->setAccessibleDescription(copiesAddress);

    link.label = placeLabel<LinkLabel>(&tabs, places.label, places.labelRect, places.address);
    giveLinkLook(link.label, linkPointer);
    link.label->setAccessibleDescription(copiesAddress);
    return link;
}

} // namespace

LinksPage buildLinksPage(TabControl& tabs)
{
    const QCursor linkPointer = artwork::linkPointer();
    LinksPage page;

    page.Picture2 = place<PictureBox>(&tabs, QStringLiteral("Picture2"), rectFromTwips(120, 1200, 2175, 1455));
    page.Picture2->setToolTip(QStringLiteral("Фото любимой АТС"));
    page.Picture2->setAccessibleName(page.Picture2->toolTip());

    const LinkControls site = placeLink(tabs,
        {QStringLiteral("Frame1"), rectFromTwips(2400, 1080, 4215, 735), QStringLiteral("Ссылка на сайт"),
         QStringLiteral("Picture3"), rectFromTwips(0, 120, 4215, 615), QStringLiteral("Сайт КВАНТ"),
         QStringLiteral("Label2"), rectFromTwips(2400, 1800, 4215, 615), siteAddress},
        linkPointer);
    page.Frame1 = site.frame;
    page.Picture3 = site.picture;
    page.Label2 = site.label;

    page.Text1 = place<FreeTextBox>(&tabs, QStringLiteral("Text1"), rectFromTwips(120, 2760, 4215, 285));
    page.Text1->showText(QString(25, QLatin1Char('@')));
    page.Text1->setToolTip(QStringLiteral("Easter egg"));
    page.Text1->setAccessibleName(page.Text1->toolTip());

    const LinkControls forum = placeLink(tabs,
        {QStringLiteral("Frame2"), rectFromTwips(120, 3120, 4215, 855), QStringLiteral("Ссылка на форум"),
         QStringLiteral("Picture4"), rectFromTwips(0, 120, 4215, 735), QStringLiteral("Форум КВАНТ"),
         QStringLiteral("Label3"), rectFromTwips(120, 4080, 4215, 615), forumAddress},
        linkPointer);
    page.Frame2 = forum.frame;
    page.Picture4 = forum.picture;
    page.Label3 = forum.label;

    page.Label4 = placeLabel(&tabs, QStringLiteral("Label4"), rectFromTwips(4560, 2520, 1935, 2175), linksInstructionText());

    tabs.addControls(LinksTab,
        {page.Picture2, page.Frame1, page.Label2, page.Text1, page.Frame2, page.Label3, page.Label4});
    return page;
}

} // namespace zornalit
