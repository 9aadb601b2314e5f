#include "Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace zornalit::artwork {

QPixmap render(const QString& resource, QSize logicalSize, qreal devicePixelRatio)
{
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon icon(const QString& resource, QSize logicalSize)
{
    QIcon result;
    for (const qreal ratio : {1.0, 2.0})
        result.addPixmap(render(resource, logicalSize, ratio));
    return result;
}

QIcon windowIcon()
{
    QIcon result;
    for (const int side : {16, 24, 32, 48, 64, 128})
        result.addPixmap(render(windowIconImage, QSize(side, side), 1.0));
    return result;
}

QCursor linkPointer()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return QCursor(render(linkPointerImage, linkPointerSize, ratio), linkPointerHotX, linkPointerHotY);
}

} // namespace zornalit::artwork
