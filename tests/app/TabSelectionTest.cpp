// How the tab strip reports selections: only the user's, only real changes,
// by mouse and by keyboard; and what a selection opens.

#include "MainWindowFixture.h"
#include "reference/MainTabs.h"

#include <QLineEdit>
#include <QSignalSpy>

namespace zornalit::testing {
namespace {

using TabSelection = MainWindowTest;

QString document(const QString& name)
{
    return testing::programFile(name);
}

TEST_F(TabSelection, SelectionByTheProgramReportsNothingAndOpensNothing)
{
    QSignalSpy reported(tabs(), &TabControl::tabSelected);
    for (int index = 8; index >= 0; --index)
        tabs()->setCurrentIndex(index);
    EXPECT_EQ(reported.count(), 0);
    EXPECT_TRUE(fake.viewer.opened.isEmpty());
}

TEST_F(TabSelection, ClickReportsTheNewAndThePreviousIndex)
{
    showActive();
    QSignalSpy reported(tabs(), &TabControl::tabSelected);
    clickTab(5);
    clickTab(7);
    ASSERT_EQ(reported.count(), 2);
    EXPECT_EQ(reported[0], (QVariantList{5, 0}));
    EXPECT_EQ(reported[1], (QVariantList{7, 5}));
    EXPECT_EQ(tabs()->currentIndex(), 7);
}

// A user's click reaches the window first, and the pages lie over the tabs:
// the click must still select the tab under it.
TEST_F(TabSelection, AClickOnATabGoesThroughThePagesToTheStrip)
{
    showActive();
    for (const int index : {7, 2, 8}) {
        const QPoint inWindow = tabs()->mapTo(form.get(), tabs()->tabRect(index).center());
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
        EXPECT_EQ(tabs()->currentIndex(), index);
    }
}

TEST_F(TabSelection, ClickingTheSelectedTabReportsNothing)
{
    showActive();
    QSignalSpy reported(tabs(), &TabControl::tabSelected);
    clickTab(0);
    clickTab(3);
    clickTab(3);
    EXPECT_EQ(reported.count(), 1);
}

TEST_F(TabSelection, EachDocumentTabOpensItsDocumentOnceAndTheOthersNothing)
{
    showActive();
    for (int tab = 0; tab < mainTabs().size(); ++tab) {
        const QString& name = mainTabs()[tab].document;
        fake.viewer.opened.clear();
        clickTab(tab);
        if (name.isEmpty()) {
            EXPECT_TRUE(fake.viewer.opened.isEmpty()) << tab;
            continue;
        }
        EXPECT_EQ(fake.viewer.opened, QStringList{document(name)}) << tab;
        clickTab(tab);
        EXPECT_EQ(fake.viewer.opened.size(), 1) << "clicked again: " << tab;
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TabSelection, ArrowAndEndKeysMoveTheSelectionWhileTheStripHasTheFocus)
{
    showActive();
    ASSERT_EQ(QApplication::focusWidget(), tabs());
    QSignalSpy reported(tabs(), &TabControl::tabSelected);

    QTest::keyClick(tabs(), Qt::Key_Left); // already at the first tab
    EXPECT_EQ(reported.count(), 0);
    QTest::keyClick(tabs(), Qt::Key_Right);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    QTest::keyClick(tabs(), Qt::Key_End);
    EXPECT_EQ(tabs()->currentIndex(), 8);
    QTest::keyClick(tabs(), Qt::Key_Right); // already at the last tab
    QTest::keyClick(tabs(), Qt::Key_Left);
    EXPECT_EQ(tabs()->currentIndex(), 7);
    QTest::keyClick(tabs(), Qt::Key_Home);
    EXPECT_EQ(tabs()->currentIndex(), 0);

    ASSERT_EQ(reported.count(), 4);
    EXPECT_EQ(reported[1], (QVariantList{8, 1}));
    EXPECT_EQ(reported[3], (QVariantList{0, 7}));
    EXPECT_EQ(fake.viewer.opened, (QStringList{document("TipOb.txt"), document("YTP.txt")}));
}

TEST_F(TabSelection, ControlTabWorksAnywhereInTheWindowAndWrapsRound)
{
    showActive();
    auto* segment = control<QLineEdit>(QStringLiteral("Segm"));
    segment->setFocus(Qt::OtherFocusReason);
    segment->setText(QStringLiteral("12"));
    auto* step = control<QLineEdit>(QStringLiteral("Sag"));
    step->setText(QStringLiteral("1A"));
    QSignalSpy reported(tabs(), &TabControl::tabSelected);

    QTest::keyClick(segment, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), 8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(reported.count(), 4);

    // The boxes kept their texts (the focus did not wander through them);
    // the strip took the focus.
    EXPECT_EQ(segment->text(), QStringLiteral("12"));
    EXPECT_EQ(step->text(), QStringLiteral("1A"));
    EXPECT_EQ(QApplication::focusWidget(), tabs());
}

TEST_F(TabSelection, RowsStayInPlaceWhenABackRowTabIsSelected)
{
    QList<QRect> before;
    for (int index = 0; index < 9; ++index)
        before << tabs()->tabRect(index);
    for (const int selected : {3, 8, 2, 6}) {
        tabs()->setCurrentIndex(selected);
        for (int index = 0; index < 9; ++index)
            EXPECT_EQ(tabs()->tabRect(index), before[index]) << "selected " << selected;
    }
}

TEST_F(TabSelection, ASelectedTabDoesNotSpillOverThePage)
{
    // A spot of the page that no control covers on tabs 1 and 6.
    const QPoint page(3, 75);
    tabs()->setCurrentIndex(1);
    const QRgb plainPage = tabs()->grab().toImage().pixel(page);
    tabs()->setCurrentIndex(6);
    EXPECT_EQ(tabs()->grab().toImage().pixel(page), plainPage);
}

TEST_F(TabSelection, ComingBackToTheFirstTabShowsTheTextsItHad)
{
    showActive();
    control<QLineEdit>(QStringLiteral("Segm"))->setText(QStringLiteral("12"));
    control<QLineEdit>(QStringLiteral("Sag"))->setText(QStringLiteral("1A"));
    clickTab(6);
    EXPECT_FALSE(control(QStringLiteral("Segm"))->isVisible());
    clickTab(0);
    EXPECT_TRUE(control(QStringLiteral("Segm"))->isVisible());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Segm"))->text(), QStringLiteral("12"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Sag"))->text(), QStringLiteral("1A"));
}

} // namespace
} // namespace zornalit::testing
