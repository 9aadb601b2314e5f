#pragma once

#include <QtGlobal>

#include <vector>

namespace zornalit {

// A whole sound in memory: interleaved samples, nominally from -1 to 1.
struct DecodedSound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<float> samples;

    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
};

} // namespace zornalit
