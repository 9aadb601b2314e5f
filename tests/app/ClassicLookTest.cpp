// The classic look of the two windows: their style, the tab strip, and every
// text fitting the control that shows it.

#include "MainWindowFixture.h"

#include "app/Form2.h"
#include "app/PictureButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace zornalit::testing {
namespace {

using ClassicLook = MainWindowTest;

TEST_F(ClassicLook, BothWindowsAndAllTheirControlsWearTheWindowsStyle)
{
    startUp();
    const auto classic = [](const QWidget* widget) {
        return widget->style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
    };
    EXPECT_TRUE(classic(form.get()));
    for (const QWidget* widget : form->findChildren<QWidget*>())
        EXPECT_TRUE(classic(widget)) << widget->objectName();
    ASSERT_NE(aboutWindow(), nullptr);
    EXPECT_TRUE(classic(aboutWindow()));
    for (const QWidget* widget : aboutWindow()->findChildren<QWidget*>())
        EXPECT_TRUE(classic(widget)) << widget->objectName();
    // Only these two windows: a message box keeps the desktop's style.
    EXPECT_NE(QApplication::style(), form->style());
}

// The rows of tabs make one strip: the left edge of a tab column is drawn
// without a break from the back row down to the page.
TEST_F(ClassicLook, TheTabRowsJoinIntoOneStrip)
{
    showActive();
    for (const int selected : {0, 4, 8}) {
        tabs()->setCurrentIndex(selected);
        const QImage drawn = tabs()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb light = tabs()->palette().color(QPalette::Light).rgb();
        for (const int column : {1, 2}) {
            const int x = tabs()->tabRect(column).left();
            // Below the selected tab, whose row stands lower beside it and
            // which reaches a little under the row in front.
            const int firstRow = selected / TabControl::tabsPerRow + 1;
            for (int y = firstRow * TabControl::tabHeight + 2; y < tabs()->stripHeight(); ++y) {
                EXPECT_EQ(drawn.pixel(x, y), light)
                    << "column " << column << " at y " << y << ", tab " << selected << " selected";
            }
        }
    }
}

TEST_F(ClassicLook, EachTabImageStandsBesideItsCaptionInsideTheTab)
{
    for (int index = 0; index < tabs()->count(); ++index) {
        tabs()->setCurrentIndex(index == 0 ? 1 : 0);
        const QRect tab = tabs()->tabShape(index);
        const QRect caption = tabs()->tabCaptionRect(index);
        // Inside the bevel: two lines on the left and top, two on the right.
        const QRect inside = tab.adjusted(2, 2, -2, 0);
        EXPECT_TRUE(inside.contains(caption)) << index;
        if (!tabs()->tabHasImage(index))
            continue;
        const QRect image = tabs()->tabImageRect(index);
        EXPECT_TRUE(inside.contains(image)) << index;
        EXPECT_LT(image.right(), caption.left()) << index;
        EXPECT_LE(caption.left() - image.right(), 6) << index;
    }
}

// With the fonts as they are on this machine, no text is cut.
TEST_F(ClassicLook, EveryCaptionLabelAndInitialTextFitsItsControl)
{
    startUp();
    showActive();
    for (QLabel* label : form->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        const QFontMetrics metrics = label->fontMetrics();
        const QString text = label->text();
        if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= label->contentsRect().width()) {
            // One line, from the top: its letters must show, though the
            // line's full height may be taller than the label, as the
            // large full stops between the query boxes are.
            EXPECT_LE(metrics.ascent() + metrics.tightBoundingRect(text).bottom(), label->height()) << name;
        } else {
            EXPECT_TRUE(label->wordWrap()) << name;
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
        }
    }

    // A line edit scrolls when its text is wider than it: with the cursor at
    // the end, the first character must still be the one at the left edge.
    auto* freeText = control<QLineEdit>(QStringLiteral("Text1"));
    tabs()->setCurrentIndex(6);
    freeText->setCursorPosition(static_cast<int>(freeText->text().size()));
    freeText->grab(); // the box works out its scrolling when it paints
    EXPECT_EQ(freeText->cursorPositionAt(QPoint(6, freeText->height() / 2)), 0);
    EXPECT_LE(freeText->fontMetrics().height(), freeText->height());

    for (PictureButton* button : form->findChildren<PictureButton*>()) {
        const QString name = button->objectName();
        const QRect inside = button->rect().adjusted(2, 2, -2, -2);
        if (!button->text().isEmpty()) {
            const QRect caption = button->captionRect();
            EXPECT_TRUE(inside.contains(caption)) << name;
            const QRect needed = button->fontMetrics().boundingRect(
                caption, Qt::AlignHCenter | Qt::TextWordWrap, button->text());
            EXPECT_LE(needed.width(), caption.width()) << name;
            EXPECT_LE(needed.height(), caption.height()) << name;
        }
        const QRect picture = button->pictureRect();
        if (!picture.isNull() && button->image().isNull()) { // the program's own drawings; bitmaps may be clipped
            EXPECT_TRUE(inside.contains(picture)) << name;
            EXPECT_FALSE(picture.intersects(button->captionRect()))
                << name << " picture " << picture.top() << ".." << picture.bottom() << " caption from "
                << button->captionRect().top();
        }
    }

    for (int index = 0; index < tabs()->count(); ++index)
        EXPECT_LE(
            tabs()->fontMetrics().horizontalAdvance(tabs()->tabText(index)), tabs()->tabCaptionRect(index).width())
            << index;
}

} // namespace
} // namespace zornalit::testing
