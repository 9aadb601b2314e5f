#include "app/AfterFirstPaint.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

// Notes, at each of its paints, how often the step has run so far.
class PaintWatcher : public QWidget {
public:
    explicit PaintWatcher(const int& runs)
        : m_runs(runs)
    {
        resize(60, 40);
    }
    QList<int> runsAtPaint;

protected:
    void paintEvent(QPaintEvent*) override { runsAtPaint << m_runs; }

private:
    const int& m_runs;
};

TEST(AfterFirstPaint, TheStepRunsOnceRightAfterTheFirstPaintNotBefore)
{
    int runs = 0;
    PaintWatcher widget(runs);
    runAfterFirstPaint(widget, [&runs] { ++runs; });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "nothing is painted before the widget is shown";

    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    ASSERT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }, 2000));
    ASSERT_FALSE(widget.runsAtPaint.isEmpty());
    EXPECT_EQ(widget.runsAtPaint.first(), 0) << "the first paint does not wait for the step";

    widget.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace zornalit
