// The entry of the sound module: the program loads it the first time a
// sound is opened, so that Qt Multimedia, libsndfile and the audio system's
// libraries are not loaded while the window opens.

#include "QtSoundDevice.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT zornalit::SoundDevice* zornalitCreateSoundDevice()
{
    return new zornalit::QtSoundDevice;
}
