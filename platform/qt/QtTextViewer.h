#pragma once

#include "platform/TextViewer.h"

namespace zornalit {

// Starts the plain-text editor on a file: "notepad.exe" on Windows, the
// first of editorCommands() that starts elsewhere.
class QtTextViewer : public TextViewer {
public:
    LaunchOutcome open(const QString& path) override;
};

} // namespace zornalit
