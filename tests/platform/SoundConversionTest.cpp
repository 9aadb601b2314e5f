#include "platform/sound/SoundConversion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zornalit {
namespace {

DecodedSound sound(int channels, int rate, std::vector<float> samples)
{
    return DecodedSound{channels, rate, std::move(samples)};
}

QAudioFormat format(int channels, int rate, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat result;
    result.setChannelCount(channels);
    result.setSampleRate(rate);
    result.setSampleFormat(sampleFormat);
    return result;
}

template <typename Sample>
std::vector<Sample> samplesOf(const QByteArray& bytes)
{
    std::vector<Sample> samples(std::size_t(bytes.size()) / sizeof(Sample));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(Sample));
    return samples;
}

TEST(ChooseOutputFormat, PrefersTheSoundsOwnRateAndChannels)
{
    const DecodedSound mono = sound(1, 22050, {0.0f});
    const QAudioFormat preferred = format(2, 48000, QAudioFormat::Float);

    EXPECT_EQ(chooseOutputFormat(
                  mono, [](const QAudioFormat&) { return true; }, preferred),
        format(1, 22050, QAudioFormat::Int16));
    EXPECT_EQ(chooseOutputFormat(
                  mono, [](const QAudioFormat& f) { return f.sampleFormat() == QAudioFormat::Float; }, preferred),
        format(1, 22050, QAudioFormat::Float));
    EXPECT_EQ(chooseOutputFormat(
                  mono, [](const QAudioFormat&) { return false; }, preferred),
        preferred);
}

TEST(ConvertSound, SpreadsMonoAndMixesDownStereo)
{
    const auto spread = samplesOf<qint16>(
        convertSound(sound(1, 8000, {0.5f, -0.25f}), format(2, 8000, QAudioFormat::Int16)));
    EXPECT_EQ(spread, (std::vector<qint16>{16384, 16384, -8192, -8192}));

    const auto mixed = samplesOf<float>(
        convertSound(sound(2, 8000, {0.5f, -0.5f, 1.0f, 0.5f}), format(1, 8000, QAudioFormat::Float)));
    EXPECT_EQ(mixed, (std::vector<float>{0.0f, 0.75f}));
}

TEST(ConvertSound, ExtraOutputChannelsAreSilentAndSurplusInputsDropped)
{
    const auto wider = samplesOf<float>(
        convertSound(sound(2, 8000, {0.5f, -0.5f}), format(4, 8000, QAudioFormat::Float)));
    EXPECT_EQ(wider, (std::vector<float>{0.5f, -0.5f, 0.0f, 0.0f}));

    const auto narrower = samplesOf<float>(
        convertSound(sound(3, 8000, {0.1f, 0.2f, 0.3f}), format(2, 8000, QAudioFormat::Float)));
    EXPECT_EQ(narrower, (std::vector<float>{0.1f, 0.2f}));
}

TEST(ConvertSound, DoublingTheRateInterpolatesBetweenFrames)
{
    const auto doubled = samplesOf<float>(
        convertSound(sound(1, 8000, {0.0f, 0.5f, 1.0f}), format(1, 16000, QAudioFormat::Float)));
    EXPECT_EQ(doubled, (std::vector<float>{0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 1.0f}));
}

TEST(ConvertSound, ResamplingKeepsTheDuration)
{
    // 0.91 s at 22050 Hz, as the first sample sound.
    const DecodedSound first = sound(1, 22050, std::vector<float>(20032, 0.1f));
    const QByteArray at48k = convertSound(first, format(2, 48000, QAudioFormat::Int16));
    EXPECT_EQ(at48k.size(), qsizetype(43607) * 2 * 2);
    const QByteArray at8k = convertSound(first, format(1, 8000, QAudioFormat::Int16));
    EXPECT_EQ(at8k.size(), qsizetype(7268) * 2);
}

TEST(ConvertSound, EncodesEverySampleFormatAndClipsToFullScale)
{
    const DecodedSound levels = sound(1, 8000, {-1.5f, -1.0f, 0.0f, 1.0f, 1.5f});
    EXPECT_EQ(samplesOf<quint8>(convertSound(levels, format(1, 8000, QAudioFormat::UInt8))),
        (std::vector<quint8>{0, 0, 128, 255, 255}));
    EXPECT_EQ(samplesOf<qint16>(convertSound(levels, format(1, 8000, QAudioFormat::Int16))),
        (std::vector<qint16>{-32767, -32767, 0, 32767, 32767}));
    EXPECT_EQ(samplesOf<qint32>(convertSound(levels, format(1, 8000, QAudioFormat::Int32))),
        (std::vector<qint32>{-2147483647, -2147483647, 0, 2147483647, 2147483647}));
    EXPECT_EQ(samplesOf<float>(convertSound(levels, format(1, 8000, QAudioFormat::Float))),
        (std::vector<float>{-1.0f, -1.0f, 0.0f, 1.0f, 1.0f}));
}

TEST(ConvertSound, NothingComesOutOfNothingOrForAnUnusableFormat)
{
    EXPECT_TRUE(convertSound(sound(1, 8000, {}), format(1, 8000, QAudioFormat::Int16)).isEmpty());
    EXPECT_TRUE(convertSound(sound(1, 8000, {0.5f}), QAudioFormat()).isEmpty());
}

TEST(ConvertSound, TheSizeIsKnownBeforeAnythingIsConverted)
{
    const DecodedSound stereo = sound(2, 22050, std::vector<float>(2 * 1001, 0.25f));
    for (const QAudioFormat& to : {format(2, 22050, QAudioFormat::Int16), format(1, 48000, QAudioFormat::Float),
             format(6, 8000, QAudioFormat::UInt8), format(2, 192000, QAudioFormat::Int32)}) {
        EXPECT_EQ(convertedSize(stereo, to), convertSound(stereo, to).size()) << to.sampleRate();
    }
    EXPECT_EQ(convertedSize(sound(1, 8000, {}), format(1, 8000, QAudioFormat::Int16)), 0);
    EXPECT_EQ(convertedSize(sound(1, 8000, {0.5f}), QAudioFormat()), 0);

    // A few samples at one frame a second would take days at the output's
    // rate: the size says so, without the memory being taken.
    const DecodedSound slow = sound(8, 1, std::vector<float>(8 * 100000, 0.0f));
    EXPECT_GT(convertedSize(slow, format(8, 192000, QAudioFormat::Float)), qint64(500) * 1000 * 1000 * 1000);
}

} // namespace
} // namespace zornalit
