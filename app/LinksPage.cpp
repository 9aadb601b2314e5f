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

} // namespace

LinksPage buildLinksPage(TabControl& tabs)
{
    const QCursor linkPointer = artwork::linkPointer();
    // What a screen reader says of the four link controls besides their names.
    const QString copiesAddress = QStringLiteral("Щелчок копирует адрес в буфер обмена");
    LinksPage page;

    page.Picture2 = place<PictureBox>(&tabs, QStringLiteral("Picture2"), rectFromTwips(120, 1200, 2175, 1455));
    page.Picture2->setToolTip(QStringLiteral("Фото любимой АТС"));
    page.Picture2->setAccessibleName(page.Picture2->toolTip());

    page.Frame1 = placeFrame(&tabs, QStringLiteral("Frame1"), rectFromTwips(2400, 1080, 4215, 735));
    page.Picture3 = place<PictureBox>(page.Frame1, QStringLiteral("Picture3"), rectFromTwips(0, 120, 4215, 615));
    page.Picture3->setCursor(linkPointer);
    page.Frame1->setAccessibleName(QStringLiteral("Ссылка на сайт"));
    page.Picture3->setAccessibleName(QStringLiteral("Сайт КВАНТ"));
    page.Picture3->setAccessibleDescription(copiesAddress);

    page.Label2 = placeLabel<LinkLabel>(&tabs, QStringLiteral("Label2"), rectFromTwips(2400, 1800, 4215, 615), siteAddress);
    giveLinkLook(page.Label2, linkPointer);
    page.Label2->setAccessibleDescription(copiesAddress);

    page.Text1 = place<FreeTextBox>(&tabs, QStringLiteral("Text1"), rectFromTwips(120, 2760, 4215, 285));
    page.Text1->showText(QString(25, QLatin1Char('@')));
    page.Text1->setToolTip(QStringLiteral("Easter egg"));
    page.Text1->setAccessibleName(page.Text1->toolTip());

    page.Frame2 = placeFrame(&tabs, QStringLiteral("Frame2"), rectFromTwips(120, 3120, 4215, 855));
    page.Picture4 = place<PictureBox>(page.Frame2, QStringLiteral("Picture4"), rectFromTwips(0, 120, 4215, 735));
    page.Picture4->setCursor(linkPointer);
    page.Frame2->setAccessibleName(QStringLiteral("Ссылка на форум"));
    page.Picture4->setAccessibleName(QStringLiteral("Форум КВАНТ"));
    page.Picture4->setAccessibleDescription(copiesAddress);

    page.Label3 = placeLabel<LinkLabel>(&tabs, QStringLiteral("Label3"), rectFromTwips(120, 4080, 4215, 615), forumAddress);
    giveLinkLook(page.Label3, linkPointer);
    page.Label3->setAccessibleDescription(copiesAddress);

    page.Label4 = placeLabel(&tabs, QStringLiteral("Label4"), rectFromTwips(4560, 2520, 1935, 2175), linksInstructionText());

    tabs.addControls(LinksTab,
        {page.Picture2, page.Frame1, page.Label2, page.Text1, page.Frame2, page.Label3, page.Label4});
    return page;
}

} // namespace zornalit
