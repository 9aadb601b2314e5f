#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

#include <array>

namespace zornalit::icon {

// The sixteen colours of the classic Windows palette, in the order a 4-bit
// image indexes them. The program's small icons are drawn in these.
inline constexpr std::array<QRgb, 16> classicPalette{
    qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
    qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80), qRgb(0xc0, 0xc0, 0xc0),
    qRgb(0x80, 0x80, 0x80), qRgb(0xff, 0x00, 0x00), qRgb(0x00, 0xff, 0x00), qRgb(0xff, 0xff, 0x00),
    qRgb(0x00, 0x00, 0xff), qRgb(0xff, 0x00, 0xff), qRgb(0x00, 0xff, 0xff), qRgb(0xff, 0xff, 0xff)};

// A 16-colour image has no partial transparency: a pixel at least this
// opaque is drawn, any other is left out through the icon's mask.
inline constexpr int classicOpaqueAlpha = 128;

// The index of the palette colour nearest to a colour (its alpha ignored).
int nearestClassicColour(QRgb colour);

// The image as a 16-colour icon shows it: each pixel opaque in its nearest
// palette colour, or fully transparent.
QImage inClassicColours(const QImage& image);

// How one image of the icon is stored: 4-bit with the classic palette and a
// mask (what the oldest views show), 32-bit with alpha, or PNG (the usual
// form of the 256-pixel image, which would take 256 KB as a bitmap).
enum class IcoDepth { Classic16, TrueColour, Png };

struct IcoImage {
    QImage image;
    IcoDepth depth;
};

// The bytes of an .ico file holding the images in the order given. Images
// must be square, 1 to 256 pixels wide; an image that is not gives an empty
// result.
QByteArray icoFile(const QList<IcoImage>& images);

} // namespace zornalit::icon
