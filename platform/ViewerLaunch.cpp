#include "ViewerLaunch.h"

#include "FileErrorText.h"

namespace zornalit {

bool openInViewer(const Platform& platform, const QString& path)
{
    const LaunchOutcome outcome = platform.viewer.open(path);
    if (!outcome.started) {
        platform.messages.show(QStringLiteral("Не удалось открыть файл %1 в текстовом редакторе.\n\nПробовали: %2")
                                   .arg(quotedPath(path), outcome.tried),
            MessageStyle::Error, errorTitle);
    }
    return outcome.started;
}

} // namespace zornalit
