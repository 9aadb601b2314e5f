#include "Documents.h"

#include "MainTabs.h"
#include "platform/ViewerLaunch.h"

namespace zornalit {

std::optional<QString> documentOfTab(int tabIndex)
{
    if (tabIndex < 0 || tabIndex >= mainTabs().size() || mainTabs()[tabIndex].document.isEmpty())
        return std::nullopt;
    return mainTabs()[tabIndex].document;
}

bool openDocument(const Platform& platform, const QString& fileName)
{
    // A missing document is still handed to the editor: it says so itself.
    return openInViewer(platform, platform.folder.fileNamed(fileName));
}

bool openReadme(const Platform& platform)
{
    return openDocument(platform, readmeDocument);
}

void copyLink(Clipboard& clipboard, const QString& caption)
{
    clipboard.clear();
    clipboard.setPlainText(caption);
}

} // namespace zornalit
