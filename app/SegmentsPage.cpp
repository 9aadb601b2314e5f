#include "SegmentsPage.h"

#include "Artwork.h"
#include "ControlPlacement.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "QueryBox.h"
#include "TabControl.h"
#include "Twips.h"
#include "reference/MainTabs.h"

namespace zornalit {

namespace {

QueryBox* placeQueryBox(QWidget* parent, const QString& name, QRect geometry, const QString& tooltip)
{
    auto* box = place<QueryBox>(parent, name, geometry);
    box->setFont(lookupFont());
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setToolTip(tooltip);
    box->setAccessibleName(tooltip);
    return box;
}

} // namespace

// The lookup line reads like the header of a fault description:
// "СЕГМ", segment, ".", step, ".", and the arrow that runs the lookup.
SegmentsPage buildSegmentsPage(TabControl& tabs)
{
    SegmentsPage page;

    page.Label7 = placeLabel(&tabs, QStringLiteral("Label7"), rectFromTwips(240, 1200, 2295, 1215), QStringLiteral("СЕГМ"));
    page.Label7->setFont(lookupFont());
    page.Segm = placeQueryBox(&tabs, QStringLiteral("Segm"), rectFromTwips(2880, 1200, 1095, 945), QStringLiteral("Сегмент"));
    page.Label5 = placeLabel(&tabs, QStringLiteral("Label5"), rectFromTwips(3960, 1200, 255, 735), QStringLiteral("."));
    page.Label5->setFont(lookupDotFont());
    page.Sag = placeQueryBox(&tabs, QStringLiteral("Sag"), rectFromTwips(4440, 1200, 1095, 945), QStringLiteral("Шаг"));
    page.Segm->setAccessibleDescription(QStringLiteral("Номер сегмента"));
    page.Sag->setAccessibleDescription(QStringLiteral("Номер шага"));
    page.Label6 = placeLabel(&tabs, QStringLiteral("Label6"), rectFromTwips(5520, 1200, 255, 735), QStringLiteral("."));
    page.Label6->setFont(lookupDotFont());

    const QString findTip = QStringLiteral("Найти описание неисправности");
    page.Command2 = place<PictureButton>(&tabs, QStringLiteral("Command2"), rectFromTwips(5880, 1320, 615, 615));
    page.Command2->setPicture(artwork::icon(artwork::arrowImage), QSize(32, 32));
    page.Command2->setToolTip(findTip);
    page.Command2->setAccessibleName(findTip);

    page.Picture5 = place<PictureBox>(&tabs, QStringLiteral("Picture5"), rectFromTwips(240, 2280, 6255, 2295));
    page.Picture5->setAccessibleName(QStringLiteral("Обложка"));

    tabs.addControls(SegmentsTab,
        {page.Label7, page.Segm, page.Label5, page.Sag, page.Label6, page.Command2, page.Picture5});
    return page;
}

} // namespace zornalit
