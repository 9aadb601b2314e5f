// The keyboard and the focus as a Windows operator knows them: Enter presses
// the focused button, the focus shows on a picture box, and a query box that
// was too long shows its text from the start.

#include "MainWindowFixture.h"

#include "app/PictureBox.h"

#include <QLineEdit>
#include <QPushButton>

namespace zornalit::testing {
namespace {

using Keyboard = MainWindowTest;

TEST_F(Keyboard, EnterAndReturnPressTheFocusedButton)
{
    startUp();
    showActive();

    auto* arrow = control<QPushButton>(QStringLiteral("Command2"));
    arrow->setFocus(Qt::TabFocusReason);
    QTest::keyClick(arrow, Qt::Key_Return);
    // Both boxes are empty: the lookup ran and said so.
    ASSERT_EQ(fake.messages.shown.size(), 1);
    QTest::keyClick(arrow, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(fake.messages.shown.size(), 2);

    const QList<std::tuple<int, const char*, const char*>> documents{
        {1, "Command3", "TipOb.txt"},
        {4, "Command6", "BG_VVK_YVP.txt"},
        {8, "Command9", "YTP.txt"},
        {7, "Command1", "Readme.txt"},
    };
    for (const auto& [tab, name, file] : documents) {
        tabs()->setCurrentIndex(tab);
        fake.viewer.opened.clear();
        auto* button = control<QPushButton>(QString::fromLatin1(name));
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(fake.viewer.opened, QStringList{testing::programFile(QString::fromLatin1(file))}) << name;
    }

    bool shown = false;
    whenModalShown([&](QWidget* modal) {
        shown = true;
        modal->close();
    });
    auto* about = control<QPushButton>(QStringLiteral("Command8"));
    about->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about, Qt::Key_Return);
    EXPECT_TRUE(shown);

    // With Ctrl or Alt held, Enter is not a press.
    fake.viewer.opened.clear();
    tabs()->setCurrentIndex(1);
    auto* document = control<QPushButton>(QStringLiteral("Command3"));
    document->setFocus(Qt::TabFocusReason);
    QTest::keyClick(document, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(document, Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
}

TEST_F(Keyboard, APictureBoxShowsWhenItHasTheFocus)
{
    showActive();
    auto* picture = control<PictureBox>(QStringLiteral("Picture5"));
    const QImage without = picture->grab().toImage();
    picture->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(picture->hasFocus());
    EXPECT_NE(picture->grab().toImage(), without);
    tabs()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(picture->grab().toImage(), without);
}

TEST_F(Keyboard, AQueryTooLongIsShownFromItsStartAfterTheMessage)
{
    startUp();
    showActive();
    const auto [segment, step] = queryBoxes();
    typeInto(segment, QStringLiteral("abc"));
    typeInto(step, QStringLiteral("1a2"));
    control<QPushButton>(QStringLiteral("Command2"))->click();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(segment->text(), QStringLiteral("ABC"));

    // The box works out what it shows when it paints; its first letter
    // must be the one at its left edge.
    for (QLineEdit* box : {segment, step}) {
        box->grab();
        EXPECT_EQ(box->cursorPositionAt(QPoint(6, box->height() / 2)), 0) << box->objectName();
    }
}

} // namespace
} // namespace zornalit::testing
