#include "SoundConversion.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zornalit {

namespace {

// One sample of output channel `channel` in input frame `frame`.
float channelSample(const DecodedSound& sound, qint64 frame, int channel, int outputChannels)
{
    const float* at = sound.samples.data() + frame * sound.channels;
    if (sound.channels == outputChannels)
        return at[channel];
    if (outputChannels == 1) {
        float sum = 0;
        for (int c = 0; c < sound.channels; ++c)
            sum += at[c];
        return sum / float(sound.channels);
    }
    if (sound.channels == 1)
        return at[0];
    // More outputs than inputs get silence; surplus inputs are dropped.
    return channel < sound.channels ? at[channel] : 0.0f;
}

template <typename Sample>
void put(char* out, Sample value)
{
    std::memcpy(out, &value, sizeof value);
}

void encode(char* out, float value, QAudioFormat::SampleFormat format)
{
    const float v = std::clamp(value, -1.0f, 1.0f);
    switch (format) {
    case QAudioFormat::UInt8:
        put(out, quint8(std::clamp(std::lround(v * 128.0f) + 128, 0L, 255L)));
        return;
    case QAudioFormat::Int16:
        put(out, qint16(std::lround(v * 32767.0f)));
        return;
    case QAudioFormat::Int32:
        put(out, qint32(std::llround(double(v) * 2147483647.0)));
        return;
    case QAudioFormat::Float:
        put(out, v);
        return;
    case QAudioFormat::Unknown:
    case QAudioFormat::NSampleFormats:
        return;
    }
}

} // namespace

QAudioFormat chooseOutputFormat(const DecodedSound& sound,
                                const std::function<bool(const QAudioFormat&)>& supported,
                                const QAudioFormat& preferred)
{
    for (const QAudioFormat::SampleFormat sampleFormat : {QAudioFormat::Int16, QAudioFormat::Float}) {
        QAudioFormat own;
        own.setSampleRate(sound.sampleRate);
        own.setChannelCount(sound.channels);
        own.setSampleFormat(sampleFormat);
        if (own.isValid() && supported(own))
            return own;
    }
    return preferred;
}

QByteArray convertSound(const DecodedSound& sound, const QAudioFormat& format)
{
    const int outputChannels = format.channelCount();
    const int bytesPerSample = format.bytesPerSample();
    if (!format.isValid() || outputChannels < 1 || bytesPerSample < 1 || sound.channels < 1 || sound.sampleRate < 1)
        return {};
    const qint64 inputFrames = sound.frames();
    if (inputFrames == 0)
        return {};

    const double step = double(sound.sampleRate) / double(format.sampleRate());
    const qint64 outputFrames
        = std::max<qint64>(1, qint64(std::llround(double(inputFrames) * format.sampleRate() / sound.sampleRate)));
    QByteArray bytes(outputFrames * outputChannels * bytesPerSample, Qt::Uninitialized);
    char* out = bytes.data();
    for (qint64 frame = 0; frame < outputFrames; ++frame) {
        const double position = double(frame) * step;
        const qint64 before = std::min<qint64>(qint64(position), inputFrames - 1);
        const qint64 after = std::min<qint64>(before + 1, inputFrames - 1);
        const float weight = float(position - double(before));
        for (int channel = 0; channel < outputChannels; ++channel) {
            const float a = channelSample(sound, before, channel, outputChannels);
            const float b = channelSample(sound, after, channel, outputChannels);
            encode(out, a + (b - a) * weight, format.sampleFormat());
            out += bytesPerSample;
        }
    }
    return bytes;
}

} // namespace zornalit
