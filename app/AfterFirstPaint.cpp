#include "AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zornalit {

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& widget, std::function<void()> step)
        : QObject(&widget)
        , m_step(std::move(step))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(m_step));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_step;
};

} // namespace

void runAfterFirstPaint(QWidget& widget, std::function<void()> step)
{
    new FirstPaintWatch(widget, std::move(step));
}

} // namespace zornalit
