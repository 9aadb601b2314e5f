#include "PictureKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zornalit::samples {

namespace {

QFont liberation(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QFont serifFont(int pixels, bool bold)
{
    return liberation(QStringLiteral("Liberation Serif"), pixels, bold);
}

QFont sansFont(int pixels, bool bold)
{
    return liberation(QStringLiteral("Liberation Sans"), pixels, bold);
}

void fillVertical(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(area, gradient);
}

void drawSampleMark(QPainter& painter, const QRectF& area, int pixels)
{
    const QString text = QStringLiteral("образец");
    const QFont font = sansFont(pixels, true);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text) + pixels;
    const qreal height = metrics.height() + 1;
    const QRectF tag(area.right() - width - 2, area.bottom() - height - 2, width, height);

    painter.save();
    painter.setPen(QPen(QColor(0x5B, 0x67, 0x70, 140), 1));
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRoundedRect(tag, height / 2, height / 2);
    painter.setFont(font);
    painter.setPen(colours::slate);
    painter.drawText(tag, Qt::AlignCenter, text);
    painter.restore();
}

void drawRack(QPainter& painter, const QRectF& area, int shelves, int seed)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Cabinet body with a darker frame and a name plate on top.
    QLinearGradient body(area.topLeft(), area.topRight());
    body.setColorAt(0, QColor(0x8C, 0x96, 0x9E));
    body.setColorAt(0.5, QColor(0xB8, 0xC0, 0xC6));
    body.setColorAt(1, QColor(0x7E, 0x88, 0x90));
    painter.fillRect(area, body);
    painter.setPen(QColor(0x3C, 0x44, 0x4A));
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    const qreal plate = qMax<qreal>(4, area.height() * 0.08);
    painter.fillRect(QRectF(area.left() + 2, area.top() + 2, area.width() - 4, plate), colours::navy);

    // Shelves of cards; each card has one lamp, mostly green, a few amber.
    const qreal top = area.top() + plate + 4;
    const qreal shelfHeight = (area.bottom() - 3 - top) / shelves;
    const qreal cardWidth = qMax<qreal>(3, area.width() / 14);
    unsigned lamp = static_cast<unsigned>(seed) * 2654435761u;
    for (int shelf = 0; shelf < shelves; ++shelf) {
        const QRectF row(area.left() + 3, top + shelf * shelfHeight, area.width() - 6, shelfHeight - 2);
        painter.fillRect(row, QColor(0x2E, 0x34, 0x39));
        for (qreal x = row.left() + 1; x + cardWidth <= row.right(); x += cardWidth) {
            const QRectF card(x, row.top() + 1, cardWidth - 1, row.height() - 2);
            painter.fillRect(card, QColor(0xD9, 0xDE, 0xE2));
            lamp = lamp * 1103515245u + 12345u;
            const QColor light = (lamp >> 16) % 7 == 0 ? colours::amber : QColor(0x3C, 0xC8, 0x64);
            const qreal size = qMax<qreal>(1, qMin(card.width() - 1, 3.0));
            painter.fillRect(QRectF(card.left() + (card.width() - size) / 2, card.top() + 1, size, size), light);
        }
    }
    painter.restore();
}

void drawCentred(QPainter& painter, const QRectF& area, const QString& text, const QFont& font, const QColor& colour)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, text);
    painter.restore();
}

} // namespace zornalit::samples
