#include "QtPlatform.h"

#include "QtBitmaps.h"
#include "QtClipboard.h"
#include "QtFiles.h"
#include "QtMessageBox.h"
#include "QtProgramFolder.h"
#include "QtSoundDevice.h"
#include "QtTextViewer.h"

namespace zornalit {

struct QtPlatform::Parts {
    QtProgramFolder folder;
    QtMessageBox messages;
    QtTextViewer viewer;
    QtFiles files;
    QtBitmaps bitmaps;
    QtClipboard clipboard;
    QtSoundDevice sound;
};

QtPlatform::QtPlatform()
    : m_parts(std::make_unique<Parts>())
{
}

QtPlatform::~QtPlatform() = default;

Platform QtPlatform::platform()
{
    return Platform{m_parts->folder, m_parts->messages, m_parts->viewer, m_parts->files,
                    m_parts->bitmaps, m_parts->clipboard, m_parts->sound};
}

} // namespace zornalit
