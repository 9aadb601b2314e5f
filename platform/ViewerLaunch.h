#pragma once

#include "Platform.h"

namespace zornalit {

// The report and the reference texts open the same way.
// Opens path in the text viewer; when no editor can be started, tells the
// operator what was tried. Returns whether an editor was started.
bool openInViewer(const Platform& platform, const QString& path);

} // namespace zornalit
