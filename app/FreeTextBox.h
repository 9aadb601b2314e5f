#pragma once

#include <QLineEdit>

namespace zornalit {

// A text box that reports a click in it: the left button released inside.
class FreeTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FreeTextBox(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zornalit
