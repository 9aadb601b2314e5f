#pragma once

#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

namespace zornalit {

// A tabbed dialog with its tabs in several rows, three to a row, drawn as a
// classic tabbed dialog draws them: raised tabs whose rows join into one
// strip, each image beside its caption. Each tab has a page, a widget that
// owns that tab's controls; only the selected tab's page is shown. The rows
// never move: a tab of a back row is simply drawn selected where it stands.
class TabControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int tabsPerRow = 3;

    explicit TabControl(QWidget* parent = nullptr);

    // Appends a tab; returns its index. The image, if any, stands beside the
    // caption at the given size.
    int addTab(const QString& caption, const QIcon& image = QIcon(), QSize imageSize = QSize());
    int count() const { return static_cast<int>(m_tabs.size()); }
    QString tabText(int index) const;
    bool tabHasImage(int index) const;

    // Gives a tab its page, which becomes a child of this control. A page
    // covers the whole control, tabs included, so that its controls stand
    // where the window's design puts them: relative to the control's
    // top-left corner. A page draws nothing of its own, and a click that
    // none of its controls takes goes on to the tabs.
    void setPage(int tab, QWidget* page);
    QWidget* page(int tab) const;

    int currentIndex() const { return m_current; }
    // Selection by the program: nothing is reported.
    void setCurrentIndex(int index);

    // The height of a row of tabs: 520 HIMETRIC, rounded to whole pixels.
    static constexpr int tabHeight = 20;
    int stripHeight() const;
    QRect tabRect(int index) const;
    int tabAt(QPoint position) const;
    // Where a tab's caption and image are drawn, inside the tab.
    QRect tabCaptionRect(int index) const;
    QRect tabImageRect(int index) const;
    // The outline drawn for a tab: the selected one stands higher and wider
    // than its neighbours.
    QRect tabShape(int index) const;

    // Moves the selection on by one tab, wrapping round, as a user would with
    // Ctrl+Tab (forward) or Ctrl+Shift+Tab (backward).
    void selectNext();
    void selectPrevious();

signals:
    // The user selected another tab, by mouse or keyboard.
    void tabSelected(int index, int previousIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Tab {
        QString caption;
        QIcon image;
        QSize imageSize;
        QPointer<QWidget> page;
    };

    void selectByUser(int index);
    void keepFocusOutOfHiddenPages(int newIndex);
    void showSelectedPage();
    QRect drawnArea() const;
    int rowCount() const { return (count() + tabsPerRow - 1) / tabsPerRow; }
    void drawTab(QPainter& painter, int index) const;
    QRect captionArea(int index) const;

    // Room between a tab's image and its caption.
    static constexpr int imageSpacing = 4;

    std::vector<Tab> m_tabs;
    int m_current = -1;
};

} // namespace zornalit
