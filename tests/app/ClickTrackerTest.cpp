// What counts as a click on the controls that report one, and that their
// mouse buttons stay away from what lies below them.

#include "app/ClickTracker.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace zornalit::testing {
namespace {

// Stands for the tab control below: counts the button events that reach it.
class Below : public QWidget {
public:
    int buttonEvents = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++buttonEvents; }
    void mouseReleaseEvent(QMouseEvent*) override { ++buttonEvents; }
    void mouseDoubleClickEvent(QMouseEvent*) override { ++buttonEvents; }
};

class Clicks : public ::testing::Test {
protected:
    Clicks()
    {
        below.resize(200, 100);
        control->setGeometry(10, 10, 50, 30);
    }

    Below below;
    QWidget* control = new QWidget(&below);
    ClickTracker* tracker = new ClickTracker(control);
    QSignalSpy clicked{tracker, &ClickTracker::clicked};
};

TEST_F(Clicks, EachLeftPressOnTheControlReleasedInsideItClicks)
{
    // A click, then a double click: its second press starts a click anew.
    QTest::mouseClick(control, Qt::LeftButton);
    QTest::mouseDClick(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 2);

    // Released outside, the right button, a release without a press, and a
    // left press ended by the right button.
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 40));
    QTest::mouseClick(control, Qt::RightButton);
    QTest::mouseRelease(control, Qt::LeftButton);
    QTest::mousePress(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::RightButton);
    QTest::mouseRelease(control, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(below.buttonEvents, 0);
}

TEST_F(Clicks, ADisabledControlClicksNotAndLetsTheButtonsThrough)
{
    control->setEnabled(false);
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(below.buttonEvents, 2);
}

} // namespace
} // namespace zornalit::testing
