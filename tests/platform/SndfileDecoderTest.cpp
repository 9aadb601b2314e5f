#include "platform/sound/SndfileDecoder.h"

#include "support/Fifo.h"
#include "support/SoundTestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::testSample;
using testing::writeTestSound;

struct Encoding {
    const char* name;
    int format;
    int channels;
    int rate;
    float tolerance; // of one decoded sample; negative: not compared
};

class DecoderEncodings : public ::testing::TestWithParam<Encoding> {};

TEST_P(DecoderEncodings, DecodesEveryFrameOfTheFile)
{
    const Encoding encoding = GetParam();
    QTemporaryDir dir;
    // The stored sounds do not end in ".wav"; the content decides.
    const QString file = dir.filePath(QStringLiteral("statsa.dll"));
    // Whole ADPCM blocks (505 frames each), which that encoding pads to.
    constexpr long frames = 505 * 24;
    ASSERT_TRUE(writeTestSound(file, encoding.format, encoding.channels, encoding.rate, frames));

    DecodedSound sound;
    QString why;
    ASSERT_TRUE(decodeSoundFile(file, &sound, &why)) << why;
    EXPECT_EQ(sound.channels, encoding.channels);
    EXPECT_EQ(sound.sampleRate, encoding.rate);
    EXPECT_EQ(sound.frames(), frames);
    ASSERT_EQ(sound.samples.size(), std::size_t(frames * encoding.channels));
    if (encoding.tolerance < 0)
        return;
    for (long frame = 0; frame < frames; frame += 7) {
        for (int channel = 0; channel < encoding.channels; ++channel) {
            ASSERT_NEAR(sound.samples[std::size_t(frame * encoding.channels + channel)], testSample(frame, channel),
                encoding.tolerance)
                << "frame " << frame << ", channel " << channel;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Wav, DecoderEncodings,
    ::testing::Values(Encoding{"Pcm16Mono", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 1.0f / 16000},
        Encoding{"Unsigned8Stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 2, 11025, 1.0f / 60},
        Encoding{"FloatStereo", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, 48000, 1e-6f},
        Encoding{"Pcm24Mono", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 1, 44100, 1e-5f},
        Encoding{"ImaAdpcmMono", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 1, 8000, -1}),
    [](const auto& info) { return std::string(info.param.name); });

class DecoderRefusals : public ::testing::Test {
protected:
    // Decoding fails, and the reason names the file.
    void expectRefused(const QString& file)
    {
        DecodedSound sound;
        QString why;
        EXPECT_FALSE(decodeSoundFile(file, &sound, &why));
        EXPECT_TRUE(why.contains(QStringLiteral("«%1»").arg(file))) << why;
        // The reason is the operator's language, not the library's.
        const QString reason = QString(why).remove(file);
        EXPECT_FALSE(reason.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) << why;
    }

    QTemporaryDir m_dir;
};

TEST_F(DecoderRefusals, MissingFolderFifoAndNonSoundFilesAreRefused)
{
    expectRefused(m_dir.filePath(QStringLiteral("noven.dll")));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Mgnoven.wav")));
    expectRefused(m_dir.filePath(QStringLiteral("Mgnoven.wav")));

    const QString fifo = m_dir.filePath(QStringLiteral("Ostatsa.wav"));
    ASSERT_TRUE(testing::makeFifo(fifo));
    expectRefused(fifo);

    QFile text(m_dir.filePath(QStringLiteral("statsa.dll")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("MZ\x90\x00 a real library, not a sound");
    text.close();
    expectRefused(text.fileName());

    QFile empty(m_dir.filePath(QStringLiteral("empty.wav")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    expectRefused(empty.fileName());
}

TEST_F(DecoderRefusals, ASoundBeyondTheMemoryBudgetIsRefusedBeforeItIsDecoded)
{
    // Eight channels at 96 kHz: five seconds fit in the budget, six do not.
    constexpr int channels = 8;
    constexpr int rate = 96000;
    static_assert(5L * rate * channels * sizeof(float) <= decodedSoundBudgetBytes);
    static_assert(6L * rate * channels * sizeof(float) > decodedSoundBudgetBytes);
    const QString fits = m_dir.filePath(QStringLiteral("fits.dll"));
    const QString tooLarge = m_dir.filePath(QStringLiteral("statsa.dll"));
    ASSERT_TRUE(writeTestSound(fits, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, channels, rate, 5L * rate));
    ASSERT_TRUE(writeTestSound(tooLarge, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, channels, rate, 6L * rate));

    DecodedSound sound;
    QString why;
    EXPECT_TRUE(decodeSoundFile(fits, &sound, &why)) << why;
    EXPECT_EQ(sound.frames(), 5L * rate);
    expectRefused(tooLarge);

    // A file too large to hold is refused before it is read.
    QFile huge(m_dir.filePath(QStringLiteral("noven.dll")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(soundFileBudgetBytes + 1));
    huge.close();
    expectRefused(huge.fileName());
}

// The sample sounds delivered with the program, checked against what sox
// reports about them, when both are at hand.
class SampleSounds : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleSounds, DecodeAsSoxReadsThem)
{
    const QString file = QStringLiteral(ZORNALIT_SOURCE_DIR "/data/") + QString::fromLatin1(GetParam());
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "no sample sound " << file;
    const QString soxi = QStandardPaths::findExecutable(QStringLiteral("soxi"));
    if (soxi.isEmpty())
        GTEST_SKIP() << "soxi is not installed";

    const auto ask = [&](const char* option) {
        QProcess process;
        process.start(soxi, {QString::fromLatin1(option), file});
        process.waitForFinished(10000);
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed().toLongLong();
    };
    DecodedSound sound;
    QString why;
    ASSERT_TRUE(decodeSoundFile(file, &sound, &why)) << why;
    EXPECT_EQ(sound.channels, ask("-c"));
    EXPECT_EQ(sound.sampleRate, ask("-r"));
    EXPECT_EQ(sound.frames(), ask("-s"));
    EXPECT_GT(sound.frames(), 0);
}

INSTANTIATE_TEST_SUITE_P(Delivered, SampleSounds, ::testing::Values("statsa.dll", "noven.dll"),
    [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).find('.')); });

} // namespace
} // namespace zornalit
