#pragma once

#include "platform/Platform.h"

#include <QString>

#include <optional>

namespace zornalit {

// The tooltip hint that points at the free text box's hidden joke.
QString triggerHint();

// Opens the read-me; returns the new tooltip for the free text box, or
// nothing when the editor could not be started.
std::optional<QString> pressReadme(const Platform& platform);

} // namespace zornalit
