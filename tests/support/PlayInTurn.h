#pragma once

#include "platform/SoundDevice.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace zornalit::testing {

// Opens, plays and closes each sound in turn, as the joke does; the first
// open or play that fails ends it with a fatal failure naming why. Call it
// inside ASSERT_NO_FATAL_FAILURE.
inline void playInTurn(SoundDevice& device, const QStringList& sounds)
{
    for (const QString& sound : sounds) {
        QString why;
        ASSERT_TRUE(device.open(sound, &why)) << why;
        ASSERT_TRUE(device.play(&why)) << why;
        device.close();
    }
}

} // namespace zornalit::testing
