#include "SegmentsPage.h"

#include "Artwork.h"
#include "ControlPlacement.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "QueryBox.h"
#include "Twips.h"

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
SegmentsPage::SegmentsPage(QWidget* parent)
    : QWidget(parent)
{
    auto* lineCaption = placeLabel(
        this, QStringLiteral("Label7"), rectFromTwips(240, 1200, 2295, 1215), QStringLiteral("СЕГМ"));
    lineCaption->setFont(lookupFont());
    m_segmentBox = placeQueryBox(
        this, QStringLiteral("Segm"), rectFromTwips(2880, 1200, 1095, 945), QStringLiteral("Сегмент"));
    auto* dotAfterSegment = placeLabel(
        this, QStringLiteral("Label5"), rectFromTwips(3960, 1200, 255, 735), QStringLiteral("."));
    dotAfterSegment->setFont(lookupDotFont());
    m_stepBox = placeQueryBox(this, QStringLiteral("Sag"), rectFromTwips(4440, 1200, 1095, 945), QStringLiteral("Шаг"));
    m_segmentBox->setAccessibleDescription(QStringLiteral("Номер сегмента"));
    m_stepBox->setAccessibleDescription(QStringLiteral("Номер шага"));
    auto* dotAfterStep = placeLabel(
        this, QStringLiteral("Label6"), rectFromTwips(5520, 1200, 255, 735), QStringLiteral("."));
    dotAfterStep->setFont(lookupDotFont());

    const QString findTip = QStringLiteral("Найти описание неисправности");
    m_findButton = place<PictureButton>(this, QStringLiteral("Command2"), rectFromTwips(5880, 1320, 615, 615));
    m_findButton->setPicture(artwork::icon(artwork::arrowImage), QSize(32, 32));
    m_findButton->setToolTip(findTip);
    m_findButton->setAccessibleName(findTip);

    m_cover = place<PictureBox>(this, QStringLiteral("Picture5"), rectFromTwips(240, 2280, 6255, 2295));
    m_cover->setAccessibleName(QStringLiteral("Обложка"));
}

} // namespace zornalit
