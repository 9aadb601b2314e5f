#pragma once

#include <QLineEdit>

namespace zornalit {

// A text box that reports a click in it: the left button released inside.
class FreeTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FreeTextBox(QWidget* parent = nullptr);

    // Sets the text and shows it from its start, as a text box does; a line
    // edit would show its end when it is wider than the box.
    void showText(const QString& text);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zornalit
