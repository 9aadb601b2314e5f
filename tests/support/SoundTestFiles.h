#pragma once

// WAV files written with libsndfile for the sound tests.

#include <QFile>
#include <QString>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace zornalit::testing {

// The test signal: a ramp on the first channel, its mirror on the others.
inline float testSample(long frame, int channel)
{
    const float ramp = float(frame % 50) / 50.0f - 0.5f;
    return channel == 0 ? ramp : -ramp;
}

// Writes frames of the test signal; false if libsndfile refuses the format.
inline bool writeTestSound(const QString& path, int format, int channels, int rate, long frames)
{
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<float> samples(std::size_t(frames) * std::size_t(channels));
    for (long frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < channels; ++channel)
            samples[std::size_t(frame * channels + channel)] = testSample(frame, channel);
    }
    const sf_count_t written = sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    return written == frames;
}

} // namespace zornalit::testing
