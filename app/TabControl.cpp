#include "TabControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace zornalit {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

int TabControl::addTab(const QString& caption, const QIcon& image, QSize imageSize)
{
    m_tabs.push_back(Tab{caption, image, imageSize, {}});
    if (m_current < 0)
        setCurrentIndex(0);
    update();
    return count() - 1;
}

QString TabControl::tabText(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_tabs[static_cast<size_t>(index)].caption;
}

bool TabControl::tabHasImage(int index) const
{
    return index >= 0 && index < count() && !m_tabs[static_cast<size_t>(index)].image.isNull();
}

void TabControl::setPage(int tab, QWidget* page)
{
    if (tab < 0 || tab >= count() || !page)
        return;
    // Giving a widget another parent would hide it: a page made on this
    // control keeps its place among the control's children.
    if (page->parentWidget() != this)
        page->setParent(this);
    page->setGeometry(rect());
    m_tabs[static_cast<size_t>(tab)].page = page;
    page->setVisible(tab == m_current);
}

QWidget* TabControl::page(int tab) const
{
    if (tab < 0 || tab >= count())
        return nullptr;
    return m_tabs[static_cast<size_t>(tab)].page;
}

void TabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    keepFocusOutOfHiddenPages(index);
    m_current = index;
    showSelectedPage();
    setAccessibleName(tabText(m_current));
    update();
}

// Hiding the page that holds the focus would make Qt pass the focus on as
// if Tab had been pressed, and a query box reached that way empties itself.
// The strip takes the focus first instead, as after a click on a tab.
void TabControl::keepFocusOutOfHiddenPages(int newIndex)
{
    QWidget* focus = window()->focusWidget();
    if (!focus || focus == this || !isAncestorOf(focus))
        return;
    if (QWidget* shown = page(newIndex); shown && shown->isAncestorOf(focus))
        return;
    setFocus(Qt::OtherFocusReason);
}

void TabControl::showSelectedPage()
{
    for (int tab = 0; tab < count(); ++tab) {
        if (QWidget* hidden = page(tab); hidden && tab != m_current)
            hidden->hide();
    }
    if (QWidget* shown = page(m_current))
        shown->show();
}

void TabControl::selectByUser(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    const int previous = m_current;
    setCurrentIndex(index);
    emit tabSelected(index, previous);
}

void TabControl::selectNext()
{
    if (count() > 0)
        selectByUser((m_current + 1) % count());
}

void TabControl::selectPrevious()
{
    if (count() > 0)
        selectByUser((m_current + count() - 1) % count());
}

int TabControl::stripHeight() const
{
    return rowCount() * tabHeight;
}

// The part of the control that its window actually shows. The control may
// reach a few pixels past the window's edge; the tabs and the page frame
// are fitted to what can be seen.
QRect TabControl::drawnArea() const
{
    QRect area = rect();
    if (parentWidget())
        area &= parentWidget()->rect().translated(-pos());
    return area;
}

QRect TabControl::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const QRect area = drawnArea();
    const int row = index / tabsPerRow;
    const int column = index % tabsPerRow;
    const int left = area.left() + area.width() * column / tabsPerRow;
    const int right = area.left() + area.width() * (column + 1) / tabsPerRow;
    return QRect(left, row * tabHeight, right - left, tabHeight);
}

int TabControl::tabAt(QPoint position) const
{
    for (int index = 0; index < count(); ++index) {
        if (tabRect(index).contains(position))
            return index;
    }
    return -1;
}

namespace {

// How much higher and wider the selected tab stands than its neighbours,
// and how far a tab of a back row reaches under the row in front of it.
constexpr int selectedRaise = 2;

// The outline of a classic tab: a raised bevel over the top and both sides,
// open at the bottom. The light edges are on the left and top, the dark ones
// on the right.
void drawTabShape(QPainter& painter, const QRect& shape, const QPalette& palette)
{
    const int left = shape.left();
    const int right = shape.right();
    const int top = shape.top();
    const int bottom = shape.bottom();
    painter.fillRect(QRect(left + 1, top + 1, shape.width() - 2, shape.height() - 1), palette.button());

    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(left, top + 2, left, bottom);
    painter.drawPoint(left + 1, top + 1);
    painter.drawLine(left + 2, top, right - 2, top);
    painter.setPen(palette.color(QPalette::Midlight));
    painter.drawLine(left + 1, top + 2, left + 1, bottom);
    painter.drawLine(left + 2, top + 1, right - 2, top + 1);

    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(right, top + 2, right, bottom);
    painter.drawPoint(right - 1, top + 1);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(right - 1, top + 2, right - 1, bottom);
}

} // namespace

QRect TabControl::tabShape(int index) const
{
    const int row = index / tabsPerRow;
    const bool selected = index == m_current;
    QRect shape = tabRect(index);
    if (selected)
        shape.adjust(-selectedRaise, 0, selectedRaise, 0);
    else if (m_current / tabsPerRow == row)
        shape.setTop(shape.top() + selectedRaise);
    // A tab of a back row goes on under the row in front, so the rows make
    // one strip even where a tab in front stands lower. The selected tab of
    // the front row opens into the page, over the page's top edge.
    if (row < rowCount() - 1 || selected)
        shape.setBottom(shape.bottom() + selectedRaise);
    return shape & drawnArea().adjusted(0, 0, 0, selectedRaise);
}

QRect TabControl::captionArea(int index) const
{
    const QRect shape = tabShape(index);
    return QRect(shape.left() + 3, shape.top() + 2, shape.width() - 6, tabRect(index).bottom() - shape.top() - 1);
}

QRect TabControl::tabImageRect(int index) const
{
    if (!tabHasImage(index))
        return {};
    const Tab& tab = m_tabs[static_cast<size_t>(index)];
    const QRect area = captionArea(index);
    const int captionWidth = fontMetrics().horizontalAdvance(tab.caption);
    const int together = tab.imageSize.width() + imageSpacing + captionWidth;
    QRect image(QPoint(), tab.imageSize);
    image.moveTopLeft(
        QPoint(area.left() + (area.width() - together) / 2, area.top() + (area.height() - tab.imageSize.height()) / 2));
    return image;
}

QRect TabControl::tabCaptionRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const QRect area = captionArea(index);
    const int width = fontMetrics().horizontalAdvance(m_tabs[static_cast<size_t>(index)].caption);
    const QRect image = tabImageRect(index);
    const int left = image.isNull() ? area.left() + (area.width() - width) / 2 : image.right() + 1 + imageSpacing;
    return QRect(left, area.top(), width, area.height());
}

void TabControl::drawTab(QPainter& painter, int index) const
{
    const Tab& tab = m_tabs[static_cast<size_t>(index)];
    const QRect shape = tabShape(index);
    drawTabShape(painter, shape, palette());
    if (!tab.image.isNull())
        tab.image.paint(&painter, tabImageRect(index), Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QRect caption = tabCaptionRect(index);
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, palette(),
        isEnabled(), tab.caption, QPalette::ButtonText);

    if (index == m_current && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = (caption | tabImageRect(index)).adjusted(-2, -1, 2, 1) & shape.adjusted(2, 2, -2, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = drawnArea();
    const int strip = stripHeight();

    QStyleOptionTabWidgetFrame page;
    page.initFrom(this);
    page.rect = QRect(area.left(), strip, area.width(), area.height() - strip);
    page.shape = QTabBar::RoundedNorth;
    page.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &page, &painter, this);

    // Row by row from the back; in each row the selected tab last, so that
    // it overlaps its neighbours as a selected tab does.
    painter.setClipRect(area);
    for (int row = 0; row < rowCount(); ++row) {
        const int first = row * tabsPerRow;
        const int last = std::min(count(), first + tabsPerRow);
        for (int index = first; index < last; ++index) {
            if (index != m_current)
                drawTab(painter, index);
        }
        if (m_current >= first && m_current < last)
            drawTab(painter, m_current);
    }
}

void TabControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    selectByUser(tabAt(event->position().toPoint()));
}

void TabControl::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        selectByUser(m_current - 1);
        break;
    case Qt::Key_Right:
        selectByUser(m_current + 1);
        break;
    case Qt::Key_Home:
        selectByUser(0);
        break;
    case Qt::Key_End:
        selectByUser(count() - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TabControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TabControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (const Tab& tab : m_tabs) {
        if (tab.page)
            tab.page->setGeometry(rect());
    }
}

} // namespace zornalit
