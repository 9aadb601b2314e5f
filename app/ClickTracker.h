#pragma once

#include <QObject>

class QWidget;

namespace zornalit {

// Tells a click on a control from a stray press or release: the left button
// pressed on the control and released inside it. Made for a control, it
// watches that control's mouse buttons and reports each click by clicked().
// It takes every press and release of the control, so that none reaches the
// tab control below and the release comes back to the control.
class ClickTracker : public QObject {
    Q_OBJECT
public:
    explicit ClickTracker(QWidget* control);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_control;
    bool m_pressed = false;
};

} // namespace zornalit
