#pragma once

#include "DecodedSound.h"

#include <QAudioFormat>
#include <QByteArray>

#include <functional>

namespace zornalit {

// The format to open the output in for this sound: the sound's own rate and
// channels as 16-bit or float samples when the output takes them, else the
// output's preferred format (the sound is then converted).
QAudioFormat chooseOutputFormat(const DecodedSound& sound, const std::function<bool(const QAudioFormat&)>& supported,
    const QAudioFormat& preferred);

// How many bytes convertSound gives for the sound in format, counted without
// making them; 0 for a format it cannot write.
qint64 convertedSize(const DecodedSound& sound, const QAudioFormat& format);

// The sound as raw frames in format: channels mixed down or spread out,
// the rate changed by linear interpolation, samples clipped to full scale.
// Empty for a format it cannot write.
QByteArray convertSound(const DecodedSound& sound, const QAudioFormat& format);

} // namespace zornalit
