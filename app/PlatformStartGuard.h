#pragma once

#include <QtGlobal>

#include <QString>

namespace zornalit {

// Watches the toolkit while it connects to the display. Qt ends a program
// that cannot reach its display with several lines and an abort; the
// operator gets one plain line and the exit status 1 instead. Messages that
// turn out harmless are passed on once the connection stands.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

    // The line told when the display cannot be reached.
    static QString failureLine();

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

    QtMessageHandler m_previous = nullptr;
};

} // namespace zornalit
