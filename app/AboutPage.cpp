#include "AboutPage.h"

#include "Artwork.h"
#include "ControlPlacement.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "TabControl.h"
#include "TabTexts.h"
#include "Twips.h"
#include "reference/MainTabs.h"

namespace zornalit {

AboutPage buildAboutPage(TabControl& tabs)
{
    AboutPage page;
    page.Picture1 = place<PictureBox>(&tabs, QStringLiteral("Picture1"), rectFromTwips(0, 960, 2415, 2535));
    page.Picture1->setAccessibleName(QStringLiteral("Фото"));
    page.Label1 = placeLabel(&tabs, QStringLiteral("Label1"), rectFromTwips(2520, 960, 4095, 3735), descriptionText());

    page.Command1 = place<PictureButton>(&tabs, QStringLiteral("Command1"), rectFromTwips(120, 3600, 1455, 975));
    page.Command1->setText(QStringLiteral("Прочитать файл readme.txt"));
    page.Command1->setPicture(artwork::icon(artwork::readmeImage), QSize(32, 32));
    QPalette tooltipColoured = page.Command1->palette();
    tooltipColoured.setColor(QPalette::Button, tooltipColoured.color(QPalette::ToolTipBase));
    page.Command1->setPalette(tooltipColoured);

    page.Command8 = place<PictureButton>(&tabs, QStringLiteral("Command8"), rectFromTwips(1680, 3600, 735, 975));
    page.Command8->setPicture(artwork::icon(artwork::aboutButtonImage), QSize(32, 32));
    page.Command8->setAccessibleName(QStringLiteral("О программе"));

    tabs.addControls(AboutTab, {page.Picture1, page.Label1, page.Command1, page.Command8});
    return page;
}

} // namespace zornalit
