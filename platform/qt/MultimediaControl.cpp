#include "MultimediaControl.h"

namespace zornalit {

MultimediaControl::MultimediaControl(SoundDevice& device, QWidget* parent)
    : QWidget(parent)
    , SoundCommands(device)
{
    // Never seen by the operator: it only carries the sound commands.
    setVisible(false);
    setFocusPolicy(Qt::NoFocus);
}

} // namespace zornalit
