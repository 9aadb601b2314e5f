#pragma once

#include "platform/SoundCommands.h"
#include "platform/Platform.h"

#include <QString>
#include <QStringList>

namespace zornalit {

// A click in the free text box: the joke with its two sounds for the joke
// trigger, the credit line for the credit trigger. Returns the text the box
// must hold afterwards.
QString clickFreeText(const Platform& platform, SoundCommands& sound, const QString& text);

// The tooltip hint that points at the joke, which the free text box gets
// once the read-me has been opened.
QString triggerHint();

// The names of the copies the joke plays its sounds from, in the program
// folder.
QStringList jokeSoundCopies();

} // namespace zornalit
