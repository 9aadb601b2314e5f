// The Windows icon file: its directory, the 16-colour bitmaps with their
// mask, and whether a reader of .ico files gets back what was drawn.

#include "tools/make_icon/IcoFile.h"
#include "tools/make_icon/IconImages.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <set>

using namespace zornalit::icon;

namespace {

quint16 u16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint8 u8(const QByteArray& bytes, qsizetype at)
{
    return static_cast<quint8>(bytes[at]);
}

QImage filled(int size, QRgb colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Every image an .ico reader finds in the bytes, in file order.
QList<QImage> readBack(const QByteArray& ico)
{
    QByteArray copy = ico;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

QByteArray programDrawing()
{
    QFile file(QStringLiteral(ZORNALIT_SOURCE_DIR "/app/resources/icon.svg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ClassicColours, EachColourIsFoundAtItsOwnIndexAndNearColoursGoToTheClosest)
{
    for (int index = 0; index < 16; ++index)
        EXPECT_EQ(nearestClassicColour(classicPalette[static_cast<size_t>(index)]), index);
    EXPECT_EQ(nearestClassicColour(qRgb(250, 10, 5)), 9);    // bright red
    EXPECT_EQ(nearestClassicColour(qRgb(120, 4, 0)), 1);     // dark red
    EXPECT_EQ(nearestClassicColour(qRgb(180, 185, 190)), 7); // light grey
    EXPECT_EQ(nearestClassicColour(qRgb(140, 130, 135)), 8); // dark grey
    EXPECT_EQ(nearestClassicColour(qRgba(255, 255, 255, 0)), 15);
}

TEST(IcoFile, TheDirectoryDescribesEachImageWhereItLies)
{
    const QByteArray ico = icoFile({{filled(16, qRgb(255, 0, 0)), IcoDepth::Classic16},
        {filled(48, qRgb(1, 2, 3)), IcoDepth::TrueColour}, {filled(256, qRgb(0, 0, 255)), IcoDepth::Png}});
    ASSERT_GE(ico.size(), 6 + 3 * 16);
    EXPECT_EQ(u16(ico, 0), 0);
    EXPECT_EQ(u16(ico, 2), 1);
    EXPECT_EQ(u16(ico, 4), 3);

    const int widths[] = {16, 48, 0};
    const int colours[] = {16, 0, 0};
    const int bits[] = {4, 32, 32};
    quint32 expectedOffset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        const qsizetype entry = 6 + 16 * i;
        EXPECT_EQ(u8(ico, entry), widths[i]) << i;
        EXPECT_EQ(u8(ico, entry + 1), widths[i]) << i;
        EXPECT_EQ(u8(ico, entry + 2), colours[i]) << i;
        EXPECT_EQ(u16(ico, entry + 4), 1) << i;
        EXPECT_EQ(u16(ico, entry + 6), bits[i]) << i;
        EXPECT_EQ(u32(ico, entry + 12), expectedOffset) << i;
        expectedOffset += u32(ico, entry + 8);
    }
    // The images follow one another to the end of the file, no gap, no tail.
    EXPECT_EQ(expectedOffset, static_cast<quint32>(ico.size()));
    const qsizetype png = u32(ico, 6 + 32 + 12);
    EXPECT_EQ(ico.mid(png, 8), QByteArray("\x89PNG\r\n\x1a\n", 8));
}

TEST(IcoFile, ASixteenColourImageIsStoredBottomUpWithItsLeftPixelInTheHighHalfAndAMask)
{
    QImage image = filled(16, qRgba(0, 0, 0, 0));
    image.setPixel(0, 0, qRgb(255, 255, 255)); // top left: white, 15
    image.setPixel(1, 0, qRgb(0, 0, 128));     // navy, 4
    image.setPixel(15, 15, qRgb(255, 0, 0));   // bottom right: red, 9
    image.setPixel(2, 0, qRgba(255, 0, 0, 100)); // too faint to be drawn
    const QByteArray ico = icoFile({{image, IcoDepth::Classic16}});
    const qsizetype bitmap = u32(ico, 6 + 12);

    EXPECT_EQ(u32(ico, bitmap), 40u);
    EXPECT_EQ(static_cast<qint32>(u32(ico, bitmap + 8)), 32); // colour rows and mask together
    EXPECT_EQ(u16(ico, bitmap + 14), 4);
    // The palette, blue green red: entry 9 is red.
    const qsizetype palette = bitmap + 40;
    EXPECT_EQ(ico.mid(palette + 9 * 4, 4), QByteArray("\x00\x00\xff\x00", 4));

    const qsizetype pixels = palette + 16 * 4;
    const int stride = 8; // 16 pixels of 4 bits
    // The file's first row is the image's bottom one.
    EXPECT_EQ(u8(ico, pixels + 7), 0x09);
    const qsizetype top = pixels + 15 * stride;
    EXPECT_EQ(u8(ico, top), 0xf4);
    EXPECT_EQ(u8(ico, top + 1), 0x00) << "a left-out pixel is black";

    const qsizetype maskRows = pixels + 16 * stride;
    const int maskStride = 4; // 16 bits, padded to a word
    EXPECT_EQ(u8(ico, maskRows + 15 * maskStride), 0x3f) << "top row: the two drawn pixels clear";
    EXPECT_EQ(u8(ico, maskRows + 1), 0xfe) << "bottom row: the last pixel clear";
    EXPECT_EQ(u8(ico, maskRows), 0xff);
    EXPECT_EQ(ico.size(), maskRows + 16 * maskStride);
}

TEST(IcoFile, AReaderGetsBackWhatWasDrawnInEveryForm)
{
    QImage classic = filled(32, qRgba(0, 0, 0, 0));
    for (int y = 8; y < 24; ++y)
        for (int x = 4; x < 20; ++x)
            classic.setPixel(x, y, qRgb(0, 255, 255));
    QImage smooth = filled(48, qRgba(10, 200, 30, 128));
    smooth.setPixel(47, 0, qRgb(200, 100, 50));
    const QImage big = filled(256, qRgb(128, 0, 128));

    const QList<QImage> read = readBack(icoFile(
        {{classic, IcoDepth::Classic16}, {smooth, IcoDepth::TrueColour}, {big, IcoDepth::Png}}));
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0].size(), QSize(32, 32));
    EXPECT_EQ(read[0].pixel(4, 8), qRgb(0, 255, 255));
    EXPECT_EQ(read[0].pixel(19, 23), qRgb(0, 255, 255));
    EXPECT_EQ(qAlpha(read[0].pixel(3, 8)), 0);
    EXPECT_EQ(qAlpha(read[0].pixel(20, 23)), 0);
    EXPECT_EQ(read[1].pixel(47, 0), qRgb(200, 100, 50));
    EXPECT_EQ(qAlpha(read[1].pixel(0, 0)), 128);
    EXPECT_EQ(read[2].size(), QSize(256, 256));
    EXPECT_EQ(read[2].pixel(100, 100), qRgb(128, 0, 128));
}

TEST(ClassicColours, AnImageIsReducedToOpaquePaletteColoursOrNothing)
{
    QImage image = filled(2, qRgba(250, 10, 5, 255));
    image.setPixel(1, 0, qRgba(0, 0, 120, 200));
    image.setPixel(0, 1, qRgba(255, 255, 255, 127));
    const QImage reduced = inClassicColours(image);
    EXPECT_EQ(reduced.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(reduced.pixel(1, 0), qRgb(0, 0, 128));
    EXPECT_EQ(reduced.pixel(0, 1), 0u);
}

TEST(IcoFile, AnImageThatIsNotASquareOfAtMost256PixelsGivesNoFile)
{
    EXPECT_TRUE(icoFile({{QImage(16, 32, QImage::Format_ARGB32), IcoDepth::Classic16}}).isEmpty());
    EXPECT_TRUE(icoFile({{filled(512, qRgb(0, 0, 0)), IcoDepth::Png}}).isEmpty());
    EXPECT_TRUE(icoFile({{QImage(), IcoDepth::TrueColour}}).isEmpty());
}

TEST(IconImages, TheProgramsDrawingGivesTheFourSizesWithTheSmallOnesInClassicColours)
{
    const QList<IcoImage> images = iconImages(programDrawing());
    ASSERT_EQ(images.size(), 4);
    const int sizes[] = {16, 32, 48, 256};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(images[i].image.size(), QSize(sizes[i], sizes[i])) << i;
    EXPECT_EQ(images[0].depth, IcoDepth::Classic16);
    EXPECT_EQ(images[1].depth, IcoDepth::Classic16);

    // The small images are reduced to the palette: every pixel is either
    // left out or one of the palette's colours, and the drawing's own
    // colours (white page, navy frame, cyan lens) are all there.
    const std::set<QRgb> palette(classicPalette.begin(), classicPalette.end());
    for (int i = 0; i < 2; ++i) {
        std::set<QRgb> used;
        for (int y = 0; y < images[i].image.height(); ++y) {
            for (int x = 0; x < images[i].image.width(); ++x) {
                const QRgb pixel = images[i].image.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    continue;
                EXPECT_EQ(qAlpha(pixel), 255) << i << " at " << x << "," << y;
                EXPECT_TRUE(palette.count(pixel)) << i << " at " << x << "," << y;
                used.insert(pixel);
            }
        }
        EXPECT_TRUE(used.count(qRgb(255, 255, 255))) << i;
        EXPECT_TRUE(used.count(qRgb(0, 0, 128))) << i;
        EXPECT_TRUE(used.count(qRgb(0, 255, 255))) << i;
    }
    // The big image keeps the smoothed edges.
    bool partial = false;
    for (int y = 0; y < 256 && !partial; ++y) {
        for (int x = 0; x < 256 && !partial; ++x) {
            const int alpha = qAlpha(images[3].image.pixel(x, y));
            partial = alpha > 0 && alpha < 255;
        }
    }
    EXPECT_TRUE(partial);
    EXPECT_TRUE(iconImages("not a drawing").isEmpty());
}
