// Where a window is put on its screen.

#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace zornalit::testing {
namespace {

TEST(WindowPlacement, AFrameThatFitsIsCentredInTheAvailableArea)
{
    EXPECT_EQ(centredFramePosition(QSize(470, 350), QRect(0, 0, 1024, 768)), QPoint(277, 209));
    // A panel at the top or left moves the centre with the area.
    EXPECT_EQ(centredFramePosition(QSize(470, 350), QRect(40, 30, 984, 738)), QPoint(297, 224));
    // Exactly as large as the area: at its corner.
    EXPECT_EQ(centredFramePosition(QSize(800, 600), QRect(0, 0, 800, 600)), QPoint(0, 0));
}

TEST(WindowPlacement, AFrameTooLargeKeepsItsTopLeftCornerInTheArea)
{
    // Twice the size of the main window on an 800 x 600 screen.
    EXPECT_EQ(centredFramePosition(QSize(938, 680), QRect(0, 0, 800, 600)), QPoint(0, 0));
    EXPECT_EQ(centredFramePosition(QSize(938, 680), QRect(50, 24, 750, 576)), QPoint(50, 24));
    // Too wide only: still centred down, and the other way round.
    EXPECT_EQ(centredFramePosition(QSize(1000, 400), QRect(0, 0, 800, 600)), QPoint(0, 100));
    EXPECT_EQ(centredFramePosition(QSize(400, 700), QRect(0, 0, 800, 600)), QPoint(200, 0));
    // On a second screen to the left of the first one.
    EXPECT_EQ(centredFramePosition(QSize(938, 680), QRect(-800, 0, 800, 600)), QPoint(-800, 0));
}

} // namespace
} // namespace zornalit::testing
