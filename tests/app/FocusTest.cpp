// Where the keyboard focus goes, and when the query boxes empty themselves.

#include "MainWindowFixture.h"

#include <QLineEdit>

namespace zornalit::testing {
namespace {

using Focus = MainWindowTest;

QStringList tabWalk(QWidget* start, int steps, Qt::Key key = Qt::Key_Tab)
{
    QStringList visited;
    for (int step = 0; step < steps; ++step) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : start, key);
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("(none)"));
    }
    return visited;
}

TEST_F(Focus, TheStripHasTheFocusAtStart)
{
    startUp();
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), tabs());
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

TEST_F(Focus, TabVisitsOnlyTheSelectedTabsControlsInOrder)
{
    showActive();
    EXPECT_EQ(tabWalk(form.get(), 5), (QStringList{"Segm", "Sag", "Command2", "Picture5", "SSTab1"}));

    tabs()->setCurrentIndex(6);
    tabs()->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(tabWalk(form.get(), 5), (QStringList{"Picture2", "Picture3", "Picture4", "Text1", "SSTab1"}));

    tabs()->setCurrentIndex(7);
    tabs()->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(tabWalk(form.get(), 4), (QStringList{"Picture1", "Command1", "Command8", "SSTab1"}));

    for (const auto& [tab, button] :
        QList<std::pair<int, QString>>{{1, "Command3"}, {5, "Command7"}, {8, "Command9"}}) {
        tabs()->setCurrentIndex(tab);
        tabs()->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(tabWalk(form.get(), 2), (QStringList{button, "SSTab1"})) << tab;
    }
}

TEST_F(Focus, ShiftTabWalksBackwards)
{
    showActive();
    EXPECT_EQ(tabWalk(form.get(), 3, Qt::Key_Backtab), (QStringList{"Picture5", "Command2", "Sag"}));
}

TEST_F(Focus, QueryBoxesEmptyWhenTheOperatorMovesIntoThem)
{
    showActive();
    const auto [segment, step] = queryBoxes();
    segment->setText(QStringLiteral("12"));
    step->setText(QStringLiteral("1A"));

    QTest::keyClick(tabs(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), segment);
    EXPECT_TRUE(segment->text().isEmpty());
    EXPECT_EQ(step->text(), QStringLiteral("1A"));

    QTest::keyClick(segment, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), step);
    EXPECT_TRUE(step->text().isEmpty());

    segment->setText(QStringLiteral("7"));
    QTest::keyClick(step, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), segment);
    EXPECT_TRUE(segment->text().isEmpty());

    step->setText(QStringLiteral("3"));
    clickAt(step);
    ASSERT_EQ(QApplication::focusWidget(), step);
    EXPECT_TRUE(step->text().isEmpty());
}

TEST_F(Focus, QueryBoxesKeepTheirTextWhenTheWindowComesBackOrTheProgramSetsIt)
{
    showActive();
    auto* segment = control<QLineEdit>(QStringLiteral("Segm"));
    segment->setFocus(Qt::OtherFocusReason);
    segment->setText(QStringLiteral("12"));
    EXPECT_EQ(segment->text(), QStringLiteral("12"));

    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::OtherFocusReason}) {
        tabs()->setFocus(Qt::OtherFocusReason);
        segment->setFocus(reason);
        ASSERT_EQ(QApplication::focusWidget(), segment);
        EXPECT_EQ(segment->text(), QStringLiteral("12")) << reason;
    }

    // Another window in front (the editor, say), then back to this one.
    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), segment);
    EXPECT_EQ(segment->text(), QStringLiteral("12"));
}

// A message box or another program had the window's focus; the click that
// brings the operator back lands in a query box. Without a window manager
// the window is activated only after the click has arrived.
class ClickBack : public Focus {
protected:
    void SetUp() override
    {
        Focus::SetUp();
        showActive();
        segment = control<QLineEdit>(QStringLiteral("Segm"));
        segment->setText(QStringLiteral("12"));
        other.resize(100, 100);
    }

    void clickWhileAway(QWidget* box)
    {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        ASSERT_FALSE(form->isActiveWindow());
        clickAt(box);
        other.hide();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QLineEdit* segment = nullptr;
    QWidget other;
};

TEST_F(ClickBack, AClickIntoAQueryBoxEmptiesItWhenItDidNotHoldTheFocus)
{
    control(QStringLiteral("Command2"))->setFocus(Qt::OtherFocusReason);
    clickWhileAway(segment);
    EXPECT_EQ(QApplication::focusWidget(), segment);
    EXPECT_TRUE(segment->text().isEmpty());
}

TEST_F(ClickBack, AClickIntoTheQueryBoxThatHeldTheFocusKeepsItsText)
{
    segment->setFocus(Qt::OtherFocusReason);
    clickWhileAway(segment);
    EXPECT_EQ(QApplication::focusWidget(), segment);
    EXPECT_EQ(segment->text(), QStringLiteral("12"));
}

TEST_F(Focus, EnterRunsTheLookupAndTheBoxKeepsFocusAndTextAfterTheMessage)
{
    startUp();
    showActive();
    const auto [segment, step] = queryBoxes();
    typeInto(step, QStringLiteral("1g"));
    segment->setText(QStringLiteral("05"));

    // The message is a real window in front of the main window.
    fake.messages.whileShown = [](const ShownMessage&) {
        QWidget message;
        message.resize(200, 80);
        message.show();
        message.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&message));
    };
    QTest::keyClick(step, Qt::Key_Return);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].prompt, QStringLiteral("Недопустимый номер шага"));
    EXPECT_EQ(QApplication::focusWidget(), step);
    EXPECT_EQ(segment->text(), QStringLiteral("5"));
    EXPECT_EQ(step->text(), QStringLiteral("1G"));

    // Enter in the segment box runs it too.
    QTest::keyClick(segment, Qt::Key_Enter);
    EXPECT_EQ(fake.messages.shown.size(), 2);
}

} // namespace
} // namespace zornalit::testing
