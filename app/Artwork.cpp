#include "Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace zornalit::artwork {

namespace {

// A transparent pixmap of size with the drawing over all of it; only
// transparent when the drawing cannot be read.
QPixmap drawn(QSvgRenderer& drawing, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (drawing.isValid()) {
        QPainter painter(&pixmap);
        drawing.render(&painter);
    }
    return pixmap;
}

} // namespace

QPixmap render(const QString& resource, QSize logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer drawing(resource);
    QPixmap pixmap = drawn(drawing, logicalSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon icon(const QString& resource)
{
    // Qt's drawing icon engine renders the picture only when, and at the
    // size, it is needed, and keeps each rendering.
    return QIcon(resource);
}

void loadIconEngine()
{
    // Qt picks, and loads, the engine when an icon is made from a file.
    const QIcon loaded = icon(windowIconImage);
    Q_UNUSED(loaded);
}

QIcon windowIcon()
{
    return icon(windowIconImage);
}

QCursor linkPointer()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return QCursor(render(linkPointerImage, linkPointerSize, ratio), linkPointerHotX, linkPointerHotY);
}

} // namespace zornalit::artwork
