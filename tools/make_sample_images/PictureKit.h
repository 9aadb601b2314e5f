#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace zornalit::samples {

// The few colours every sample picture shares, so that they look like one set.
namespace colours {
inline const QColor navy{0x1F, 0x3A, 0x5F};
inline const QColor teal{0x2A, 0x7F, 0x8F};
inline const QColor amber{0xF2, 0xA5, 0x41};
inline const QColor paper{0xF4, 0xF1, 0xEA};
inline const QColor slate{0x5B, 0x67, 0x70};
inline const QColor buttonFace{0xF0, 0xF0, 0xF0};
} // namespace colours

// A Liberation font at a size in pixels, so that text fits pictures whose
// sizes are given in pixels.
QFont serifFont(int pixels, bool bold = true);
QFont sansFont(int pixels, bool bold = false);

// Fills the whole rectangle with a gradient from top to bottom.
void fillVertical(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom);

// The small "образец" tag that marks every picture as a sample, placed in
// the bottom-right corner of area.
void drawSampleMark(QPainter& painter, const QRectF& area, int pixels = 9);

// A front view of one equipment rack: frame, shelves of plug-in cards and
// their lamps. Used by the exchange photograph and the lookup banner.
void drawRack(QPainter& painter, const QRectF& area, int shelves, int seed);

// Text centred in area on one line.
void drawCentred(QPainter& painter, const QRectF& area, const QString& text, const QFont& font, const QColor& colour);

} // namespace zornalit::samples
