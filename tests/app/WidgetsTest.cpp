// The picture controls draw as designed.

#include "app/ClassicLook.h"
#include "app/Fonts.h"
#include "app/PictureBox.h"
#include "app/PictureButton.h"

#include <QIcon>
#include <QPixmap>

#include <gtest/gtest.h>

namespace zornalit::testing {
namespace {

// A picture larger than the box, with marks at known places.
QImage markedPicture()
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(10, 10, qRgb(0, 0, 255));
    image.setPixel(199, 199, qRgb(0, 255, 0));
    return image;
}

QImage rendered(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PictureBoxDrawing, DrawsThePictureUnscaledFromTheTopLeftInsideTheBorder)
{
    PictureBox box;
    giveClassicLook(&box);
    box.resize(60, 40);
    box.setImage(markedPicture());
    const QImage shown = rendered(box);
    const QPoint origin = box.contentsRect().topLeft();
    // Inside the sunken border, two lines deep.
    ASSERT_EQ(origin, QPoint(2, 2));
    EXPECT_EQ(shown.pixel(origin), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(origin + QPoint(10, 10)), qRgb(0, 0, 255));
    EXPECT_EQ(shown.pixel(origin + QPoint(1, 1)), qRgb(255, 255, 255));
    // Clipped, not shrunk: the far corner is nowhere in the box.
    bool green = false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            green = green || shown.pixel(x, y) == qRgb(0, 255, 0);
    EXPECT_FALSE(green);
    // The border stays drawn over the picture's edge.
    EXPECT_NE(shown.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(PictureBoxDrawing, AnEmptyPictureLeavesTheBoxEmpty)
{
    PictureBox box;
    box.resize(60, 40);
    box.setImage(markedPicture());
    box.setImage(QImage());
    const QImage shown = rendered(box);
    EXPECT_NE(shown.pixel(box.contentsRect().topLeft()), qRgb(255, 0, 0));
    EXPECT_TRUE(box.image().isNull());
}

TEST(PictureButtonLayout, PictureCentredAboveACaptionAlongTheBottomEdge)
{
    installFontSubstitutes();
    PictureButton button;
    button.setFont(controlFont());
    button.resize(97, 65);
    button.setText(QStringLiteral("Прочитать файл readme.txt"));
    QImage picture(32, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    button.setImage(picture);

    const QRect caption = button.captionRect();
    const QRect place = button.pictureRect();
    EXPECT_GE(caption.bottom(), button.height() - 6);
    EXPECT_LE(caption.bottom(), button.height() - 1);
    // The caption wraps to two lines in a button this narrow.
    EXPECT_GE(caption.height(), 2 * button.fontMetrics().height() - 2);
    EXPECT_EQ(place.size(), QSize(32, 20));
    EXPECT_LE(place.bottom(), caption.top());
    EXPECT_LE(std::abs(place.center().x() - button.rect().center().x()), 1);

    const QImage shown = rendered(button);
    EXPECT_EQ(shown.pixel(place.center()), qRgb(255, 0, 0));
}

TEST(PictureButtonLayout, WithoutACaptionThePictureIsCentredInTheWholeButton)
{
    PictureButton button;
    button.resize(41, 41);
    button.setPicture(QIcon(QPixmap(32, 32)), QSize(32, 32));
    EXPECT_TRUE(button.captionRect().isNull());
    const QRect place = button.pictureRect();
    EXPECT_EQ(place.size(), QSize(32, 32));
    EXPECT_LE((place.center() - button.rect().center()).manhattanLength(), 1);
}

} // namespace
} // namespace zornalit::testing
