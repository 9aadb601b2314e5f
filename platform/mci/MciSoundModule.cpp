// The entry of the Windows sound module: sound through winmm's MCI, loaded
// the first time a sound is opened, as on the other systems.

#include "MciSoundDevice.h"
#include "WinmmCalls.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT zornalit::SoundDevice* zornalitCreateSoundDevice()
{
    return new zornalit::MciSoundDevice(std::make_unique<zornalit::WinmmCalls>());
}
