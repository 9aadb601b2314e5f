#include "ReadmeButton.h"

#include "Documents.h"

namespace zornalit {

QString triggerHint()
{
    return QStringLiteral("16 пятёрок & click => ;-)");
}

std::optional<QString> pressReadme(const Platform& platform)
{
    if (!openDocument(platform, documentOfButton(QStringLiteral("Command1"))))
        return std::nullopt;
    return triggerHint();
}

} // namespace zornalit
