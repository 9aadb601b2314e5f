#include "SamplePictures.h"

#include "PictureKit.h"

#include <QPainter>
#include <QPainterPath>

namespace zornalit::samples {

namespace {

void beginPainting(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// A magnifying glass over a fault message: the emblem of the lookup.
void drawEmblem(QPainter& painter, const QPointF& centre, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 40));
    painter.drawEllipse(centre, radius, radius);

    const qreal lens = radius * 0.55;
    const QPointF lensCentre = centre - QPointF(radius * 0.15, radius * 0.15);
    painter.setBrush(colours::paper);
    painter.drawEllipse(lensCentre, lens, lens);
    drawCentred(painter, QRectF(lensCentre.x() - lens, lensCentre.y() - lens * 0.55, 2 * lens, lens * 0.6),
        QStringLiteral("СЕГМ"), serifFont(int(lens * 0.42)), colours::navy);
    drawCentred(painter, QRectF(lensCentre.x() - lens, lensCentre.y() - lens * 0.05, 2 * lens, lens * 0.7),
        QStringLiteral("5.3."), serifFont(int(lens * 0.5)), colours::teal);

    QPen ring(colours::amber, radius * 0.12);
    painter.setPen(ring);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(lensCentre, lens, lens);
    QPen handle(colours::amber, radius * 0.18, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(handle);
    const QPointF start = lensCentre + QPointF(lens * 0.74, lens * 0.74);
    painter.drawLine(start, start + QPointF(radius * 0.42, radius * 0.42));
    painter.restore();
}

void drawAbout(QImage& image)
{
    QPainter painter(&image);
    beginPainting(painter);
    const QRectF all = image.rect();
    fillVertical(painter, all, colours::navy, colours::teal);

    drawEmblem(painter, QPointF(all.center().x(), 118), 74);

    drawCentred(painter, QRectF(0, 206, all.width(), 46), QStringLiteral("Зорналит"), serifFont(38), Qt::white);
    painter.fillRect(QRectF(all.center().x() - 60, 258, 120, 2), colours::amber);
    drawCentred(painter, QRectF(0, 268, all.width(), 20), QStringLiteral("справочник по неисправностям"), sansFont(15),
        colours::paper);
    drawCentred(
        painter, QRectF(0, 288, all.width(), 20), QStringLiteral("АТСКЭ «Квант»"), sansFont(15, true), colours::paper);

    drawCentred(painter, QRectF(0, 330, all.width(), 18), QStringLiteral("сегмент  +  шаг  →  описание"), sansFont(13),
        QColor(255, 255, 255, 210));
    drawSampleMark(painter, all.adjusted(0, 0, -6, -6), 11);
}

void drawPhoto(QImage& image)
{
    QPainter painter(&image);
    beginPainting(painter);
    const QRectF all = image.rect();
    fillVertical(painter, all, QColor(0xDC, 0xE8, 0xF0), QColor(0xF4, 0xEC, 0xDC));

    // A head-and-shoulders silhouette of an operator with a headset.
    const QPointF head(all.center().x(), 62);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::slate);
    QPainterPath shoulders;
    shoulders.moveTo(18, all.bottom() + 1);
    shoulders.cubicTo(22, 108, 50, 100, head.x(), 100);
    shoulders.cubicTo(all.width() - 50, 100, all.width() - 22, 108, all.width() - 18, all.bottom() + 1);
    shoulders.closeSubpath();
    painter.drawPath(shoulders);
    painter.drawEllipse(head, 29, 33);

    QPen band(colours::navy, 6, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(band);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(head.x() - 35, head.y() - 40, 70, 70), 20 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::navy);
    painter.drawRoundedRect(QRectF(head.x() - 41, head.y() - 12, 13, 24), 5, 5);
    painter.drawRoundedRect(QRectF(head.x() + 28, head.y() - 12, 13, 24), 5, 5);
    QPen boom(colours::navy, 3, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(boom);
    QPainterPath microphone;
    microphone.moveTo(head.x() - 34, head.y() + 10);
    microphone.quadTo(head.x() - 32, head.y() + 26, head.x() - 12, head.y() + 24);
    painter.drawPath(microphone);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::amber);
    painter.drawEllipse(QPointF(head.x() - 10, head.y() + 24), 4, 4);

    drawSampleMark(painter, all.adjusted(0, 0, -3, -3), 10);
}

// A speech bubble with its tail at the bottom left.
void drawBubble(QPainter& painter, const QRectF& body, const QColor& colour)
{
    QPainterPath bubble;
    bubble.addRoundedRect(body, body.height() / 3, body.height() / 3);
    QPainterPath tail;
    tail.moveTo(body.left() + body.width() * 0.25, body.bottom() - 1);
    tail.lineTo(body.left() + body.width() * 0.18, body.bottom() + body.height() * 0.35);
    tail.lineTo(body.left() + body.width() * 0.45, body.bottom() - 1);
    tail.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(bubble.united(tail));
}

void drawForum(QImage& image)
{
    QPainter painter(&image);
    beginPainting(painter);
    const QRectF all = image.rect();
    fillVertical(painter, all, QColor(0xFF, 0xF4, 0xE0), QColor(0xF7, 0xDD, 0xB0));

    drawBubble(painter, QRectF(9, 7, 26, 17), colours::teal);
    drawBubble(painter, QRectF(24, 17, 24, 15), colours::navy);

    painter.setFont(serifFont(22));
    painter.setPen(colours::navy);
    painter.drawText(
        QRectF(58, 0, 170, all.height()), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Форум «Квант»"));
    drawSampleMark(painter, all.adjusted(0, 0, -2, -2), 9);
}

void drawGlobe(QPainter& painter, const QPointF& centre, qreal radius)
{
    painter.save();
    painter.setBrush(colours::teal);
    painter.setPen(QPen(colours::paper, 1.5));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.45, radius);
    painter.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    const qreal offset = radius * 0.5;
    const qreal half = radius * 0.866;
    painter.drawLine(centre + QPointF(-half, -offset), centre + QPointF(half, -offset));
    painter.drawLine(centre + QPointF(-half, offset), centre + QPointF(half, offset));
    painter.restore();
}

void drawSite(QImage& image)
{
    QPainter painter(&image);
    beginPainting(painter);
    const QRectF all = image.rect();
    fillVertical(painter, all, colours::navy, QColor(0x16, 0x2B, 0x47));
    painter.fillRect(QRectF(0, all.bottom() - 1, all.width(), 2), colours::amber);

    drawGlobe(painter, QPointF(22, all.center().y()), 13);

    painter.setFont(serifFont(21));
    painter.setPen(Qt::white);
    painter.drawText(
        QRectF(46, 0, 170, all.height()), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Сайт «Квант»"));
    drawSampleMark(painter, all.adjusted(0, 0, -2, -3), 9);
}

// The room floor and wall behind a row of racks.
void drawMachineRoom(QPainter& painter, const QRectF& area)
{
    const qreal floorTop = area.top() + area.height() * 0.8;
    fillVertical(painter, QRectF(area.left(), area.top(), area.width(), floorTop - area.top()),
        QColor(0xE8, 0xEC, 0xEF), QColor(0xC9, 0xD2, 0xD8));
    fillVertical(painter, QRectF(area.left(), floorTop, area.width(), area.bottom() - floorTop + 1),
        QColor(0x9A, 0x8C, 0x78), QColor(0x7A, 0x6C, 0x5A));
}

void drawExchange(QImage& image)
{
    QPainter painter(&image);
    beginPainting(painter);
    const QRectF all = image.rect();
    drawMachineRoom(painter, all);

    // Three racks standing on the floor line, the middle one in front.
    drawRack(painter, QRectF(8, 12, 40, 66), 5, 1);
    drawRack(painter, QRectF(93, 12, 40, 66), 5, 3);
    drawRack(painter, QRectF(48, 8, 45, 72), 6, 2);
    drawSampleMark(painter, all.adjusted(0, 0, -2, -1), 8);
}

void drawCover(QImage& image)
{
    QPainter painter(&image);
    beginPainting(painter);
    const QRectF all = image.rect();
    fillVertical(painter, all, colours::paper, QColor(0xE2, 0xEA, 0xEE));

    // On the left, a small machine room; on the right, the title.
    drawMachineRoom(painter, QRectF(0, 0, 150, all.height()));
    drawRack(painter, QRectF(10, 22, 40, 98), 7, 4);
    drawRack(painter, QRectF(55, 16, 44, 108), 8, 5);
    drawRack(painter, QRectF(104, 22, 40, 98), 7, 6);
    painter.fillRect(QRectF(150, 0, 3, all.height()), colours::amber);

    painter.setFont(serifFont(22));
    painter.setPen(colours::navy);
    painter.drawText(QRectF(166, 18, 240, 56), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("Справочник по неисправностям"));
    painter.setFont(sansFont(15, true));
    painter.setPen(colours::teal);
    painter.drawText(QRectF(166, 76, 240, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("АТСКЭ «Квант»"));
    painter.setFont(sansFont(12));
    painter.setPen(colours::slate);
    painter.drawText(QRectF(166, 100, 240, 20), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("введите сегмент и шаг, нажмите  →"));
    drawSampleMark(painter, all.adjusted(0, 0, -4, -4), 10);
}

// A sheet of paper with a folded corner holding a small table.
void drawDocument(QPainter& painter, const QRectF& sheet)
{
    const qreal fold = sheet.width() * 0.22;
    QPainterPath page;
    page.moveTo(sheet.topLeft());
    page.lineTo(sheet.right() - fold, sheet.top());
    page.lineTo(sheet.right(), sheet.top() + fold);
    page.lineTo(sheet.bottomRight());
    page.lineTo(sheet.bottomLeft());
    page.closeSubpath();

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(page.translated(3, 3));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(colours::slate, 1));
    painter.drawPath(page);
    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    corner.closeSubpath();
    painter.setBrush(QColor(0xDD, 0xE3, 0xE8));
    painter.drawPath(corner);

    // A heading bar, then a table of three columns.
    const qreal left = sheet.left() + 10;
    const qreal right = sheet.right() - 10;
    painter.fillRect(QRectF(left, sheet.top() + 12, sheet.width() * 0.45, 6), colours::navy);
    const qreal tableTop = sheet.top() + fold + 8;
    const qreal rowHeight = 11;
    const int rows = int((sheet.bottom() - 10 - tableTop) / rowHeight);
    painter.fillRect(QRectF(left, tableTop, right - left, rowHeight), QColor(0xCF, 0xE3, 0xE8));
    painter.setPen(QPen(colours::teal, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left, tableTop, right - left, rows * rowHeight));
    for (int row = 1; row < rows; ++row)
        painter.drawLine(QPointF(left, tableTop + row * rowHeight), QPointF(right, tableTop + row * rowHeight));
    const qreal first = left + (right - left) * 0.2;
    const qreal second = left + (right - left) * 0.6;
    painter.drawLine(QPointF(first, tableTop), QPointF(first, tableTop + rows * rowHeight));
    painter.drawLine(QPointF(second, tableTop), QPointF(second, tableTop + rows * rowHeight));
    painter.restore();
}

void drawButtonCover(QImage& image)
{
    QPainter painter(&image);
    beginPainting(painter);
    const QRectF all = image.rect();
    painter.fillRect(all, colours::buttonFace);

    // Two sheets fanned out, the front one with a magnifying glass over it.
    painter.save();
    painter.translate(all.center().x() - 8, 70);
    painter.rotate(-8);
    drawDocument(painter, QRectF(-48, -62, 84, 112));
    painter.restore();
    drawDocument(painter, QRectF(all.center().x() - 30, 14, 84, 112));

    QPen ring(colours::amber, 5);
    painter.setPen(ring);
    painter.setBrush(QColor(255, 255, 255, 90));
    const QPointF lens(all.center().x() + 40, 96);
    painter.drawEllipse(lens, 18, 18);
    QPen handle(colours::amber, 7, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(handle);
    painter.drawLine(lens + QPointF(14, 14), lens + QPointF(28, 28));

    drawSampleMark(painter, all.adjusted(0, 0, -3, -3), 10);
}

} // namespace

std::vector<SamplePicture> samplePictures()
{
    return {
        {QStringLiteral("About.bmp"), QSize(317, 413), drawAbout},
        {QStringLiteral("Фото.bmp"), QSize(157, 165), drawPhoto},
        {QStringLiteral("Форум КВАНТ.bmp"), QSize(277, 45), drawForum},
        {QStringLiteral("Сайт КВАНТ.bmp"), QSize(277, 37), drawSite},
        {QStringLiteral("КВАНТ.bmp"), QSize(141, 93), drawExchange},
        {QStringLiteral("Обложка.bmp"), QSize(413, 149), drawCover},
        {QStringLiteral("Обложка1.bmp"), QSize(180, 150), drawButtonCover},
    };
}

} // namespace zornalit::samples
