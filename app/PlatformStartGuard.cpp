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
    const QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    return QStringLiteral("Зорналит: не удалось подключиться к графическому дисплею «%1» — окно программы открыть негде.")
        .arg(display);
}

} // namespace zornalit
