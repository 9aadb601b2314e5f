#pragma once

#include "Bitmaps.h"
#include "Clipboard.h"
#include "Files.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "SoundDevice.h"
#include "TextViewer.h"

namespace zornalit {

// Everything a handler may reach outside the program's own memory. Handlers
// get it injected; tests hand in recording fakes.
struct Platform {
    ProgramFolder& folder;
    MessageBox& messages;
    TextViewer& viewer;
    Files& files;
    Bitmaps& bitmaps;
    Clipboard& clipboard;
    SoundDevice& sound;
};

} // namespace zornalit
