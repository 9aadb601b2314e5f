#include "Artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

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

// Renders a drawing only when, and at the size, a picture of it is needed,
// and keeps each rendering; nothing is drawn while the window is built.
class DrawingIconEngine final : public QIconEngine {
public:
    DrawingIconEngine(QString resource, QList<QSize> sizes)
        : m_resource(std::move(resource))
        , m_sizes(std::move(sizes))
    {
    }
    DrawingIconEngine(const DrawingIconEngine&) = default;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, renderedAt(rect.size() * ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return renderedAt(size); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }

    QIconEngine* clone() const override { return new DrawingIconEngine(*this); }

    QString key() const override { return QStringLiteral("zornalit-drawing"); }

private:
    QPixmap renderedAt(QSize size)
    {
        const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
        auto found = m_rendered.constFind(key);
        if (found != m_rendered.constEnd())
            return *found;
        // The drawing is read once, on the first rendering.
        if (!m_drawing)
            m_drawing = std::make_shared<QSvgRenderer>(m_resource);
        const QPixmap rendered = drawn(*m_drawing, size);
        m_rendered.insert(key, rendered);
        return rendered;
    }

    QString m_resource;
    QList<QSize> m_sizes;
    std::shared_ptr<QSvgRenderer> m_drawing;
    QHash<quint64, QPixmap> m_rendered;
};

} // namespace

QPixmap render(const QString& resource, QSize logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer drawing(resource);
    QPixmap pixmap = drawn(drawing, logicalSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon icon(const QString& resource, QSize logicalSize)
{
    return QIcon(new DrawingIconEngine(resource, {logicalSize}));
}

QIcon windowIcon()
{
    // The classic pair of icon sizes; other sizes are rendered when asked for.
    return QIcon(new DrawingIconEngine(windowIconImage, {QSize(16, 16), QSize(32, 32)}));
}

QCursor linkPointer()
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return QCursor(render(linkPointerImage, linkPointerSize, ratio), linkPointerHotX, linkPointerHotY);
}

} // namespace zornalit::artwork
