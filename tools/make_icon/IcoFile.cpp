#include "tools/make_icon/IcoFile.h"

#include <QBuffer>
#include <QtEndian>

#include <limits>

namespace zornalit::icon {
namespace {

constexpr int directoryHeaderSize = 6;
constexpr int directoryEntrySize = 16;
constexpr int bitmapHeaderSize = 40;

void putU8(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
}

void putU16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putU32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void putBitmapHeader(QByteArray& out, int size, int bitsPerPixel, int pixelBytes)
{
    putU32(out, bitmapHeaderSize);
    putU32(out, static_cast<quint32>(size));
    // An icon's bitmap is as high as its colour rows and its mask together.
    putU32(out, static_cast<quint32>(2 * size));
    putU16(out, 1);
    putU16(out, static_cast<quint16>(bitsPerPixel));
    putU32(out, 0); // no compression
    putU32(out, static_cast<quint32>(pixelBytes));
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, bitsPerPixel == 4 ? 16 : 0);
    putU32(out, 0);
}

bool opaque(QRgb pixel)
{
    return qAlpha(pixel) >= classicOpaqueAlpha;
}

// The mask: a set bit leaves the pixel out. Rows run bottom up, as the
// bitmap's do.
QByteArray mask(const QImage& image)
{
    const int size = image.width();
    const int stride = rowBytes(size, 1);
    QByteArray out(stride * size, '\0');
    for (int y = 0; y < size; ++y) {
        char* row = out.data() + (size - 1 - y) * stride;
        for (int x = 0; x < size; ++x) {
            if (!opaque(image.pixel(x, y)))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    return out;
}

QByteArray classicBitmap(const QImage& image)
{
    const int size = image.width();
    const int stride = rowBytes(size, 4);
    QByteArray pixels(stride * size, '\0');
    for (int y = 0; y < size; ++y) {
        char* row = pixels.data() + (size - 1 - y) * stride;
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            // A left-out pixel is black, so that the mask alone decides it.
            const int index = opaque(pixel) ? nearestClassicColour(pixel) : 0;
            // The left pixel of a byte is its high half.
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
    }
    const QByteArray andMask = mask(image);
    QByteArray out;
    putBitmapHeader(out, size, 4, static_cast<int>(pixels.size() + andMask.size()));
    for (const QRgb colour : classicPalette) {
        putU8(out, qBlue(colour));
        putU8(out, qGreen(colour));
        putU8(out, qRed(colour));
        putU8(out, 0);
    }
    out.append(pixels);
    out.append(andMask);
    return out;
}

QByteArray trueColourBitmap(const QImage& image)
{
    const int size = image.width();
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray pixels;
    pixels.reserve(size * size * 4);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = straight.pixel(x, y);
            putU8(pixels, qBlue(pixel));
            putU8(pixels, qGreen(pixel));
            putU8(pixels, qRed(pixel));
            putU8(pixels, qAlpha(pixel));
        }
    }
    const QByteArray andMask = mask(straight);
    QByteArray out;
    putBitmapHeader(out, size, 32, static_cast<int>(pixels.size() + andMask.size()));
    out.append(pixels);
    out.append(andMask);
    return out;
}

QByteArray png(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return out;
}

QByteArray imageData(const IcoImage& entry)
{
    switch (entry.depth) {
    case IcoDepth::Classic16:
        return classicBitmap(entry.image);
    case IcoDepth::TrueColour:
        return trueColourBitmap(entry.image);
    case IcoDepth::Png:
        return png(entry.image);
    }
    return {};
}

} // namespace

int nearestClassicColour(QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int index = 0; index < static_cast<int>(classicPalette.size()); ++index) {
        const QRgb candidate = classicPalette[static_cast<size_t>(index)];
        const int red = qRed(colour) - qRed(candidate);
        const int green = qGreen(colour) - qGreen(candidate);
        const int blue = qBlue(colour) - qBlue(candidate);
        const int distance = red * red + green * green + blue * blue;
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

QImage inClassicColours(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QRgb pixel = out.pixel(x, y);
            out.setPixel(x, y, opaque(pixel) ? classicPalette[static_cast<size_t>(nearestClassicColour(pixel))] : 0u);
        }
    }
    return out;
}

QByteArray icoFile(const QList<IcoImage>& images)
{
    QList<QByteArray> data;
    for (const IcoImage& entry : images) {
        const QImage& image = entry.image;
        if (image.isNull() || image.width() != image.height() || image.width() > 256)
            return {};
        data.append(imageData(entry));
        if (data.last().isEmpty())
            return {};
    }

    QByteArray out;
    putU16(out, 0);
    putU16(out, 1); // an icon, not a cursor
    putU16(out, static_cast<quint16>(images.size()));
    qsizetype offset = directoryHeaderSize + directoryEntrySize * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images[i].image.width();
        const bool classic = images[i].depth == IcoDepth::Classic16;
        // 256 does not fit the byte: 0 stands for it.
        putU8(out, size == 256 ? 0 : size);
        putU8(out, size == 256 ? 0 : size);
        putU8(out, classic ? 16 : 0);
        putU8(out, 0);
        putU16(out, 1);
        putU16(out, classic ? 4 : 32);
        putU32(out, static_cast<quint32>(data[i].size()));
        putU32(out, static_cast<quint32>(offset));
        offset += data[i].size();
    }
    for (const QByteArray& bytes : data)
        out.append(bytes);
    return out;
}

} // namespace zornalit::icon
