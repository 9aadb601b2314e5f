#include "TabControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace zornalit {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
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

void TabControl::addControl(int tab, QWidget* control)
{
    if (tab < 0 || tab >= count() || !control)
        return;
    m_tabs[static_cast<size_t>(tab)].controls.append(control);
    control->setVisible(tab == m_current);
}

void TabControl::addControls(int tab, std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        addControl(tab, control);
}

QList<QWidget*> TabControl::controlsOf(int tab) const
{
    QList<QWidget*> result;
    if (tab < 0 || tab >= count())
        return result;
    for (const QPointer<QWidget>& control : m_tabs[static_cast<size_t>(tab)].controls) {
        if (control)
            result.append(control);
    }
    return result;
}

void TabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    keepFocusOutOfHiddenControls(index);
    m_current = index;
    showSelectedControls();
    setAccessibleName(tabText(m_current));
    update();
}

// Hiding the control that has the focus would make Qt pass the focus on as
// if Tab had been pressed, and a query box reached that way empties itself.
// The strip takes the focus first instead, as after a click on a tab.
void TabControl::keepFocusOutOfHiddenControls(int newIndex)
{
    QWidget* focus = window()->focusWidget();
    if (!focus || focus == this || !isAncestorOf(focus))
        return;
    for (QWidget* control : controlsOf(newIndex)) {
        if (control == focus || control->isAncestorOf(focus))
            return;
    }
    setFocus(Qt::OtherFocusReason);
}

void TabControl::showSelectedControls()
{
    for (int tab = 0; tab < count(); ++tab) {
        if (tab == m_current)
            continue;
        for (QWidget* control : controlsOf(tab))
            control->hide();
    }
    for (QWidget* control : controlsOf(m_current))
        control->show();
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

void TabControl::setTabHeight(int pixels)
{
    m_tabHeight = pixels;
    update();
}

int TabControl::stripHeight() const
{
    return rowCount() * m_tabHeight;
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
    return QRect(left, row * m_tabHeight, right - left, m_tabHeight);
}

int TabControl::tabAt(QPoint position) const
{
    for (int index = 0; index < count(); ++index) {
        if (tabRect(index).contains(position))
            return index;
    }
    return -1;
}

void TabControl::drawTab(QPainter& painter, int index) const
{
    const Tab& tab = m_tabs[static_cast<size_t>(index)];
    const int row = index / tabsPerRow;
    const int column = index % tabsPerRow;
    const int rowLength = std::min(tabsPerRow, count() - row * tabsPerRow);

    QStyleOptionTab option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.rect = tabRect(index);
    option.row = row;
    option.shape = QTabBar::RoundedNorth;
    option.text = tab.caption;
    option.icon = tab.image;
    option.iconSize = tab.imageSize;
    if (rowLength == 1)
        option.position = QStyleOptionTab::OnlyOneTab;
    else if (column == 0)
        option.position = QStyleOptionTab::Beginning;
    else if (column == rowLength - 1)
        option.position = QStyleOptionTab::End;
    else
        option.position = QStyleOptionTab::Middle;

    option.selectedPosition = QStyleOptionTab::NotAdjacent;
    if (m_current >= 0 && m_current / tabsPerRow == row) {
        if (m_current % tabsPerRow == column + 1)
            option.selectedPosition = QStyleOptionTab::NextIsSelected;
        else if (m_current % tabsPerRow == column - 1)
            option.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    }
    if (index == m_current) {
        option.state |= QStyle::State_Selected;
        if (hasFocus())
            option.state |= QStyle::State_HasFocus;
    }
    if (index == m_hovered && isEnabled())
        option.state |= QStyle::State_MouseOver;

    // Styles draw a tab for a strip of one row and may spill below it; here
    // that would paint over the next row or the page. A selected tab of the
    // front row may reach one pixel into the page, to open into it.
    const bool opensIntoPage = index == m_current && option.rect.bottom() == stripHeight() - 1;
    painter.save();
    painter.setClipRect(option.rect.adjusted(-1, -1, 1, opensIntoPage ? 1 : 0));
    style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
    painter.restore();
}

void TabControl::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const QRect area = drawnArea();
    const int strip = stripHeight();

    QStyleOptionTabWidgetFrame page;
    page.initFrom(this);
    page.rect = QRect(area.left(), strip, area.width(), area.height() - strip);
    page.shape = QTabBar::RoundedNorth;
    page.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    page.tabBarSize = QSize(area.width(), strip);
    page.tabBarRect = QRect(area.left(), 0, area.width(), strip);
    // Only a tab of the front row opens into the page.
    if (m_current >= 0 && tabRect(m_current).bottom() == strip - 1)
        page.selectedTabRect = tabRect(m_current);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, page);

    // Row by row from the back; in each row the selected tab last, so that
    // it overlaps its neighbours as a selected tab does.
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

void TabControl::mouseMoveEvent(QMouseEvent* event)
{
    const int hovered = tabAt(event->position().toPoint());
    if (hovered != m_hovered) {
        m_hovered = hovered;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TabControl::leaveEvent(QEvent* event)
{
    if (m_hovered >= 0) {
        m_hovered = -1;
        update();
    }
    QWidget::leaveEvent(event);
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

} // namespace zornalit
