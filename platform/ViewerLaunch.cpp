#include "ViewerLaunch.h"

namespace zornalit {

bool openInViewer(const Platform& platform, const QString& path)
{
    const LaunchOutcome outcome = platform.viewer.open(path);
    if (!outcome.started) {
        platform.messages.show(QStringLiteral("Не удалось открыть файл в текстовом редакторе:\n%1\n\nПробовали: %2")
                                   .arg(path, outcome.tried),
                               MessageStyle::Error, QStringLiteral("Ошибка!"));
    }
    return outcome.started;
}

} // namespace zornalit
