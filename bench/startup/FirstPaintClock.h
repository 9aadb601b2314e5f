#pragma once

// Shared by both start-up probes. When the watched window receives its
// first paint event, print the wall-clock time in nanoseconds; once that
// paint has been carried out (the next turn of the event loop), print the
// time again and end the program. The script that runs the probes subtracts
// its own clock reading taken just before the start.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace zornalit::bench {

inline void printWallClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

class FirstPaintClock : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            printWallClock();
            QTimer::singleShot(0, qApp, [] {
                printWallClock();
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

// The bare probes' run: their window gets the main window's title and size
// and is shown until its first paint has been carried out.
inline int runBareWindow(QWidget& window)
{
    window.setWindowTitle(QStringLiteral("Зорналит"));
    window.setFixedSize(468, 327);
    window.installEventFilter(new FirstPaintClock(&window));
    window.show();
    return QApplication::exec();
}

} // namespace zornalit::bench
