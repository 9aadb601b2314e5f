#pragma once

#include <QLineEdit>

namespace zornalit {

// A query box empties itself when the operator moves into it, by mouse or
// by the Tab keys, so a new number can be typed at once. Coming back to the
// window (from the editor or from a message box) leaves the text alone, and
// text set by the program never empties it.
class QueryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit QueryBox(QWidget* parent = nullptr);

    static bool emptiesOn(Qt::FocusReason reason);

    // Sets the text and shows it from its start, as a text box does; a line
    // edit would show its end when it is wider than the box.
    void showText(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Whether the box is its window's focus: it has the keyboard focus, or
    // had it when the window last lost it to another window.
    bool m_holdsFocus = false;
};

} // namespace zornalit
