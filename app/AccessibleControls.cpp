#include "AccessibleControls.h"

#include "TabControl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace zornalit {

namespace {

// One tab of the strip. It has no widget of its own: it is a part of the
// tab control, reached through it.
class AccessiblePageTab : public QAccessibleInterface {
public:
    AccessiblePageTab(TabControl* control, int index)
        : m_control(control)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_control && m_index < m_control->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_control); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text kind) const override
    {
        // Tab 4's caption begins with a space that only moves it on screen.
        if (kind == QAccessible::Name && isValid())
            return m_control->tabText(m_index).trimmed();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_control->tabRect(m_index);
        return QRect(m_control->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const bool selected = m_control->currentIndex() == m_index;
        state.selectable = true;
        state.selected = selected;
        state.focusable = true;
        state.focused = selected && m_control->hasFocus();
        state.invisible = !m_control->isVisible();
        return state;
    }

private:
    QPointer<TabControl> m_control;
    int m_index;
};

// The tab control: its page tabs first, then the controls that stand on its
// pages. The pages themselves are only containers, so a screen reader finds
// the controls right after the tabs, page after page.
class AccessibleTabControl : public QAccessibleWidget {
public:
    explicit AccessibleTabControl(TabControl* control)
        : QAccessibleWidget(control, QAccessible::PageTabList)
    {
        // A tab selected from the keyboard is announced like a focus move
        // onto that tab, as a screen reader expects of a tab strip.
        QObject::connect(control, &TabControl::tabSelected, control, [control](int index) {
            if (!control->hasFocus())
                return;
            QAccessibleEvent event(control, QAccessible::Focus);
            event.setChild(index);
            QAccessible::updateAccessibility(&event);
        });
    }

    ~AccessibleTabControl() override
    {
        for (const QAccessible::Id id : m_tabs)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return tabCount() + static_cast<int>(controls().size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index < tabCount())
            return tab(index);
        const QList<QWidget*> onPages = controls();
        if (index - tabCount() >= onPages.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(onPages[index - tabCount()]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int index = 0; index < static_cast<int>(m_tabs.size()); ++index) {
            if (QAccessible::accessibleInterface(m_tabs[static_cast<size_t>(index)]) == child)
                return index;
        }
        const auto* control = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
        const qsizetype controlIndex = control ? controls().indexOf(control) : -1;
        return controlIndex < 0 ? -1 : tabCount() + static_cast<int>(controlIndex);
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int index = 0; index < tabCount(); ++index) {
            QAccessibleInterface* page = tab(index);
            if (page->rect().contains(x, y))
                return page;
        }
        return QAccessibleWidget::childAt(x, y);
    }

    QAccessibleInterface* focusChild() const override
    {
        const TabControl* control = tabControl();
        if (control->hasFocus() && control->currentIndex() >= 0)
            return tab(control->currentIndex());
        return QAccessibleWidget::focusChild();
    }

private:
    TabControl* tabControl() const { return static_cast<TabControl*>(widget()); }
    int tabCount() const { return tabControl()->count(); }

    // The controls of every page, page by page in the order the pages were
    // made, each page's in the order they were made.
    QList<QWidget*> controls() const
    {
        QList<QWidget*> found;
        for (QWidget* page : tabControl()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!control->isWindow())
                    found << control;
            }
        }
        return found;
    }

    // The tabs' interfaces are made when first asked for and kept, so that a
    // screen reader sees the same object each time.
    QAccessibleInterface* tab(int index) const
    {
        while (static_cast<int>(m_tabs.size()) <= index) {
            auto* page = new AccessiblePageTab(tabControl(), static_cast<int>(m_tabs.size()));
            m_tabs.push_back(QAccessible::registerAccessibleInterface(page));
        }
        return QAccessible::accessibleInterface(m_tabs[static_cast<size_t>(index)]);
    }

    mutable std::vector<QAccessible::Id> m_tabs;
};

QAccessibleInterface* describeControl(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("zornalit::TabControl"))
        return new AccessibleTabControl(static_cast<TabControl*>(widget));
    if (className == QLatin1String("zornalit::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("zornalit::Form1") || className == QLatin1String("zornalit::Form2"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(describeControl);
}

} // namespace zornalit
