#pragma once

#include "platform/Platform.h"

#include <QString>

#include <optional>

namespace zornalit {

// The file a tab of the main window opens when the user selects it or
// presses the button that fills it, if any.
std::optional<QString> documentOfTab(int tabIndex);

// Opens a document of the program folder in the text viewer; tells the
// operator when no editor could be started. Returns whether one was.
bool openDocument(const Platform& platform, const QString& fileName);

// Opens the read-me; returns whether an editor was started.
bool openReadme(const Platform& platform);

// Empties the clipboard, then leaves the link's caption on it as plain text.
void copyLink(Clipboard& clipboard, const QString& caption);

} // namespace zornalit
