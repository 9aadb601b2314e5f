#include "tools/make_icon/IconImages.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zornalit::icon {
namespace {

QImage rendered(QSvgRenderer& drawing, int size, bool smooth)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    painter.end();
    // Smoothed edges have colours the palette has not got: the 16-colour
    // images are reduced to it here, so that what is stored is what is
    // shown.
    return smooth ? image : inClassicColours(image);
}

} // namespace

QList<IcoImage> iconImages(const QByteArray& svg)
{
    QSvgRenderer drawing(svg);
    if (!drawing.isValid())
        return {};
    return {
        {rendered(drawing, 16, false), IcoDepth::Classic16},
        {rendered(drawing, 32, false), IcoDepth::Classic16},
        {rendered(drawing, 48, true), IcoDepth::TrueColour},
        {rendered(drawing, 256, true), IcoDepth::Png},
    };
}

} // namespace zornalit::icon
