#include "SoundConversion.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

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

QAudioFormat chooseOutputFormat(
    const DecodedSound& sound, const std::function<bool(const QAudioFormat&)>& supported, const QAudioFormat& preferred)
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

namespace {

// Frames of the sound at the format's rate; 0 when it cannot be converted.
// Counted in floating point, so that no rate or length overflows it.
double outputFramesOf(const DecodedSound& sound, const QAudioFormat& format)
{
    if (!format.isValid() || format.channelCount() < 1 || format.bytesPerSample() < 1 || sound.channels < 1
        || sound.sampleRate < 1 || sound.frames() == 0) {
        return 0;
    }
    return std::max(1.0, std::round(double(sound.frames()) * format.sampleRate() / sound.sampleRate));
}

} // namespace

qint64 convertedSize(const DecodedSound& sound, const QAudioFormat& format)
{
    const double bytes = outputFramesOf(sound, format) * format.channelCount() * format.bytesPerSample();
    // Beyond any budget; the exact figure does not matter then.
    constexpr double huge = double(qint64(1) << 60);
    return bytes > huge ? qint64(1) << 60 : qint64(bytes);
}

QByteArray convertSound(const DecodedSound& sound, const QAudioFormat& format)
{
    const qint64 size = convertedSize(sound, format);
    if (size == 0 || size > std::numeric_limits<qsizetype>::max() / 2)
        return {};
    const int outputChannels = format.channelCount();
    const int bytesPerSample = format.bytesPerSample();
    const qint64 inputFrames = sound.frames();
    const double step = double(sound.sampleRate) / double(format.sampleRate());
    const qint64 outputFrames = qint64(outputFramesOf(sound, format));
    QByteArray bytes(size, Qt::Uninitialized);
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
