// What a screen reader is told of the main window's own controls: roles,
// names and the selected tab.

#include "MainWindowFixture.h"

#include "app/AccessibleControls.h"

#include <QAccessible>

namespace zornalit::testing {
namespace {

class AccessibleControls : public MainWindowTest {
protected:
    void SetUp() override
    {
        installAccessibleControls();
        MainWindowTest::SetUp();
    }

    QAccessibleInterface* accessible(QWidget* widget) const
    {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(widget);
        EXPECT_NE(found, nullptr);
        return found;
    }

    QAccessibleInterface* pageTab(int index) const { return accessible(tabs())->child(index); }
};

TEST_F(AccessibleControls, TheWindowIsAWindowNamedByItsCaption)
{
    QAccessibleInterface* window = accessible(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Зорналит"));
}

TEST_F(AccessibleControls, TheTabStripListsEveryTabByItsCaptionBeforeTheControls)
{
    QAccessibleInterface* strip = accessible(tabs());
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    qsizetype controlsOnPages = 0;
    for (int index = 0; index < tabs()->count(); ++index)
        controlsOnPages += tabs()->page(index)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size();
    ASSERT_EQ(strip->childCount(), tabs()->count() + static_cast<int>(controlsOnPages));

    // The captions themselves are the layout test's; a screen reader hears
    // each without the spaces that only place it on the strip.
    for (int index = 0; index < tabs()->count(); ++index) {
        QAccessibleInterface* page = pageTab(index);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->role(), QAccessible::PageTab);
        EXPECT_EQ(page->text(QAccessible::Name), tabs()->tabText(index).trimmed());
        EXPECT_EQ(page->parent(), strip);
        EXPECT_EQ(strip->indexOfChild(page), index);
        // The same object each time, so a screen reader can follow it.
        EXPECT_EQ(strip->child(index), page);
    }
    // The controls follow the tabs, each at its own index.
    QAccessibleInterface* segment = accessible(control(QStringLiteral("Segm")));
    const int segmentIndex = strip->indexOfChild(segment);
    ASSERT_GE(segmentIndex, tabs()->count());
    EXPECT_EQ(strip->child(segmentIndex), segment);
}

TEST_F(AccessibleControls, OnlyTheSelectedTabIsMarkedSelected)
{
    showActive();
    for (const int selected : {0, 7}) {
        clickTab(selected);
        for (int index = 0; index < tabs()->count(); ++index)
            EXPECT_EQ(pageTab(index)->state().selected, index == selected) << selected << " " << index;
    }
}

TEST_F(AccessibleControls, APageTabStandsWhereItsTabIsDrawnAndIsFoundThere)
{
    showActive();
    QAccessibleInterface* strip = accessible(tabs());
    for (const int index : {0, 4, 8}) {
        const QRect drawn(tabs()->mapToGlobal(tabs()->tabRect(index).topLeft()), tabs()->tabRect(index).size());
        EXPECT_EQ(pageTab(index)->rect(), drawn);
        EXPECT_EQ(strip->childAt(drawn.center().x(), drawn.center().y()), pageTab(index));
    }
}

// After a tab is chosen from the keyboard, a screen reader finds the focus
// on that page tab.
TEST_F(AccessibleControls, TheFocusIsOnTheSelectedPageTabWhileTheStripHasIt)
{
    showActive();
    tabs()->setFocus();
    QTest::keyClick(tabs(), Qt::Key_End);
    QTest::keyClick(tabs(), Qt::Key_Left);
    ASSERT_EQ(tabs()->currentIndex(), 7);
    EXPECT_EQ(accessible(tabs())->focusChild(), pageTab(7));
    for (int index = 0; index < tabs()->count(); ++index)
        EXPECT_EQ(pageTab(index)->state().focused, index == 7) << index;

    control(QStringLiteral("Command1"))->setFocus();
    EXPECT_FALSE(pageTab(7)->state().focused);
    EXPECT_NE(accessible(tabs())->focusChild(), pageTab(7));
}

TEST_F(AccessibleControls, PictureBoxesAreNamedImages)
{
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5"}) {
        QAccessibleInterface* picture = accessible(control(QString::fromLatin1(name)));
        EXPECT_EQ(picture->role(), QAccessible::Graphic) << name;
        EXPECT_FALSE(picture->text(QAccessible::Name).trimmed().isEmpty()) << name;
    }
}

} // namespace
} // namespace zornalit::testing
