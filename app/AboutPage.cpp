#include "AboutPage.h"

#include "Artwork.h"
#include "ControlPlacement.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "TabTexts.h"
#include "Twips.h"

namespace zornalit {

AboutPage::AboutPage(QWidget* parent)
    : QWidget(parent)
{
    m_photo = place<PictureBox>(this, QStringLiteral("Picture1"), rectFromTwips(0, 960, 2415, 2535));
    m_photo->setAccessibleName(QStringLiteral("Фото"));
    placeLabel(this, QStringLiteral("Label1"), rectFromTwips(2520, 960, 4095, 3735), descriptionText());

    m_readmeButton = place<PictureButton>(this, QStringLiteral("Command1"), rectFromTwips(120, 3600, 1455, 975));
    m_readmeButton->setText(QStringLiteral("Прочитать файл readme.txt"));
    m_readmeButton->setPicture(artwork::icon(artwork::readmeImage), QSize(32, 32));
    QPalette tooltipColoured = m_readmeButton->palette();
    tooltipColoured.setColor(QPalette::Button, tooltipColoured.color(QPalette::ToolTipBase));
    m_readmeButton->setPalette(tooltipColoured);

    m_aboutWindowButton = place<PictureButton>(this, QStringLiteral("Command8"), rectFromTwips(1680, 3600, 735, 975));
    m_aboutWindowButton->setPicture(artwork::icon(artwork::aboutButtonImage), QSize(32, 32));
    m_aboutWindowButton->setAccessibleName(QStringLiteral("О программе"));
}

} // namespace zornalit
