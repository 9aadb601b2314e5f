#pragma once

#include "platform/SoundCommands.h"

#include <QWidget>

namespace zornalit {

// The hidden multimedia control of the main window: the sound commands, as a
// control that lies on the window.
class MultimediaControl : public QWidget, public SoundCommands {
    Q_OBJECT
public:
    MultimediaControl(SoundDevice& device, QWidget* parent = nullptr);
};

} // namespace zornalit
