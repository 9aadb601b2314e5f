#include "PlatformStartGuard.h"

#include <cstdio>
#include <cstdlib>

namespace zornalit {

PlatformStartGuard::PlatformStartGuard()
    : m_held([] {
        // The toolkit is about to abort: say it in one line and end here.
        std::fprintf(stderr, "%s\n", failureLine().toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    })
{
}

QString PlatformStartGuard::failureLine()
{
    // Whether no display is named at all or the named one does not answer,
    // the toolkit fails the same way, and the operator reads the same line.
    const QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    const QString named = display.isEmpty() ? QString() : QStringLiteral(" «%1»").arg(display);
    return QStringLiteral("Зорналит: не удалось подключиться к графическому дисплею%1 — окно программы открыть негде.")
        .arg(named);
}

} // namespace zornalit
