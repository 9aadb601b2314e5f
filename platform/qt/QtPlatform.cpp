#include "QtPlatform.h"

#include "QtBitmaps.h"
#include "QtClipboard.h"
#include "QtMessageBox.h"
#include "LazySoundDevice.h"
#include "QtProgramFolder.h"
#include "QtTextViewer.h"
#include "platform/files/QtFiles.h"

namespace zornalit {

struct QtPlatform::Services {
    explicit Services(const QString& programFolder)
        : folder(programFolder)
    {
    }

    QtProgramFolder folder;
    QtMessageBox messages;
    QtTextViewer viewer;
    QtFiles files;
    QtBitmaps bitmaps;
    QtClipboard clipboard;
    LazySoundDevice sound{LazySoundDevice::besideProgram(folder)};
};

QtPlatform::QtPlatform(const QString& programFolder)
    : m_services(std::make_unique<Services>(programFolder))
{
}

QtPlatform::~QtPlatform() = default;

Platform QtPlatform::platform()
{
    return Platform{m_services->folder, m_services->messages, m_services->viewer, m_services->files,
        m_services->bitmaps, m_services->clipboard, m_services->sound};
}

} // namespace zornalit
