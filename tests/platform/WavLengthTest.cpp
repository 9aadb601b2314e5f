// The length of a WAV file from its own chunks: what the samples' size and
// rate give whatever byte rate the header declares, the files refused
// because their fields do not add up, RIFF's lies about sizes and padding,
// and how little of a file is read.

#include "platform/mci/WavLength.h"

#include "support/QStringPrinting.h"
#include "support/SoundTestFiles.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

using testing::dataChunk;
using testing::formatChunk;
using testing::sampleCountChunk;
using testing::WavChunk;
using testing::wavFile;
using testing::WavFormat;

// A buffer that counts the bytes read from it.
class CountingBuffer : public QBuffer {
public:
    qint64 bytesRead = 0;

protected:
    qint64 readData(char* data, qint64 size) override
    {
        const qint64 read = QBuffer::readData(data, size);
        bytesRead += std::max<qint64>(read, 0);
        return read;
    }
};

WavLength lengthOf(const QByteArray& bytes, qint64* bytesRead = nullptr)
{
    CountingBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const WavLength length = wavLength(buffer);
    if (bytesRead)
        *bytesRead = buffer.bytesRead;
    return length;
}

qint64 millisecondsOf(const QByteArray& bytes)
{
    const WavLength length = lengthOf(bytes);
    EXPECT_EQ(length.problem, QString());
    return length.problem.isEmpty() ? length.milliseconds : -1;
}

QString problemOf(const QByteArray& bytes)
{
    const WavLength length = lengthOf(bytes);
    EXPECT_FALSE(length.problem.isEmpty()) << "a length of " << length.milliseconds << " ms";
    return length.problem;
}

WavFormat pcm(quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 block = quint16(channels * ((bits + 7) / 8));
    return {1, channels, rate, rate * block, block, bits, {}};
}

const QString blockMismatch = QStringLiteral("размер блока звука не сходится с числом каналов и разрядностью");

TEST(WavLength, SamplesOfAFixedSizePlayForTheirBytesOverBlockAndRate)
{
    EXPECT_EQ(millisecondsOf(testing::silentWav(750)), 750);
    // Stereo 24-bit at 44.1 kHz: a block of 6 bytes; a part of a block at
    // the end is no sample, a part of a millisecond rounds up.
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(pcm(2, 44100, 24)), dataChunk(6 * 44100 * 2 + 5)})), 2000);
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(pcm(1, 44100, 16)), dataChunk(2 * 45)})), 2);
    // 32-bit floats, A-law and mu-law samples are as fixed in size.
    for (const quint16 tag : {quint16(3), quint16(6), quint16(7)}) {
        WavFormat format = pcm(2, 8000, tag == 3 ? 32 : 8);
        format.tag = tag;
        const qint64 block = format.blockSize;
        EXPECT_EQ(millisecondsOf(wavFile({formatChunk(format), dataChunk(block * 8000 * 3)})), 3000) << tag;
    }
    // The extensible format with PCM inside, 20 valid bits in 24.
    WavFormat extensible = pcm(1, 16000, 24);
    extensible.tag = 0xFFFE;
    extensible.extra = testing::extensibleFields(20, 1);
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(extensible), dataChunk(3 * 16000)})), 1000);
}

TEST(WavLength, TheDeclaredByteRateIsNotBelieved)
{
    // 100 s of 8 kHz mono 8-bit whose byte rate is 100 times too high: the
    // device would take it for one second.
    WavFormat lying = pcm(1, 8000, 8);
    lying.bytesPerSecond = 800000;
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(lying), dataChunk(800000)})), 100000);
    lying.bytesPerSecond = 0;
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(lying), dataChunk(8000)})), 1000);
}

TEST(WavLength, FormatsWhoseFieldsDoNotAddUpAreRefused)
{
    WavFormat format = pcm(2, 8000, 16);
    format.blockSize = 2;
    EXPECT_EQ(problemOf(wavFile({formatChunk(format), dataChunk(16000)})), blockMismatch);
    // A block size of 1 with 16-bit stereo would make the sound four times
    // longer than it is.
    format.blockSize = 1;
    EXPECT_EQ(problemOf(wavFile({formatChunk(format), dataChunk(16000)})), blockMismatch);
    format = pcm(1, 8000, 16);
    format.bits = 0;
    EXPECT_EQ(problemOf(wavFile({formatChunk(format), dataChunk(16000)})), blockMismatch);

    const QString noChannelsOrRate = QStringLiteral("в описании формата звука нет числа каналов или частоты");
    format = pcm(1, 8000, 16);
    format.channels = 0;
    format.blockSize = 0;
    EXPECT_EQ(problemOf(wavFile({formatChunk(format), dataChunk(16000)})), noChannelsOrRate);
    format = pcm(1, 8000, 16);
    format.rate = 0;
    EXPECT_EQ(problemOf(wavFile({formatChunk(format), dataChunk(16000)})), noChannelsOrRate);

    // A format chunk too short for its common fields, also when its size
    // says more than the file holds.
    WavChunk cut = formatChunk(pcm(1, 8000, 16));
    cut.content.truncate(14);
    EXPECT_EQ(problemOf(wavFile({cut, dataChunk(16000)})), QStringLiteral("описание формата звука неполное"));
    cut.declaredSize = 16;
    EXPECT_EQ(problemOf(wavFile({cut})), QStringLiteral("в файле нет звуковых данных"));
}

TEST(WavLength, WhatIsNoWavOrLacksItsFormatOrDataIsRefused)
{
    const QString noWav = QStringLiteral("это не звук в формате WAV");
    const QByteArray good = testing::silentWav(100);
    EXPECT_EQ(problemOf(QByteArray()), noWav);
    EXPECT_EQ(problemOf(good.left(11)), noWav);
    EXPECT_EQ(problemOf(QByteArray("RIFX") + good.mid(4)), noWav);
    EXPECT_EQ(problemOf(good.left(8) + "AVI " + good.mid(12)), noWav);
    EXPECT_EQ(problemOf(QByteArray(44, '\0')), noWav);

    EXPECT_EQ(problemOf(wavFile({dataChunk(16000)})), QStringLiteral("в файле нет описания формата звука"));
    EXPECT_EQ(problemOf(wavFile({formatChunk({})})), QStringLiteral("в файле нет звуковых данных"));
    EXPECT_EQ(problemOf(good.left(12)), QStringLiteral("в файле нет описания формата звука"));
    // The data chunk's header cut off by the end of the file.
    EXPECT_EQ(problemOf(good.left(40)), QStringLiteral("в файле нет звуковых данных"));
}

TEST(WavLength, SizesBeyondTheFileCountOnlyWhatTheFileHolds)
{
    // A data size of 4 GB on 1600 bytes: 100 ms; so with the pad byte of an
    // odd size left out at the very end.
    WavChunk data = dataChunk(1600);
    data.declaredSize = 0xFFFFFFFF;
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk({}), data})), 100);
    // The RIFF size lies either way, as streaming writers leave it.
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk({}), dataChunk(1600)}, 0xFFFFFFFF)), 100);
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk({}), dataChunk(1600)}, 4)), 100);
    // The format is found after the data, and after a chunk that is not
    // listed anywhere.
    EXPECT_EQ(
        millisecondsOf(wavFile({{"LIST", QByteArray(30, 'x'), {}, true}, dataChunk(3200), formatChunk({})})), 200);
    // Only the first data chunk plays.
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk({}), dataChunk(1600), dataChunk(16000)})), 100);
    // A chunk whose size runs past the end hides whatever would follow it.
    WavChunk runaway{"junk", QByteArray(8, 'x'), 1000, true};
    EXPECT_EQ(
        problemOf(wavFile({formatChunk({}), runaway, dataChunk(1600)})), QStringLiteral("в файле нет звуковых данных"));
}

TEST(WavLength, AChunkOfOddSizeIsFollowedByItsPadOrByTheNextChunkWhenThePadIsMissing)
{
    const WavChunk odd{"LIST", QByteArray(7, 'x'), {}, true};
    WavChunk unpadded = odd;
    unpadded.padded = false;
    for (const WavChunk& chunk : {odd, unpadded}) {
        EXPECT_EQ(millisecondsOf(wavFile({chunk, formatChunk({}), dataChunk(1600)})), 100) << chunk.padded;
        EXPECT_EQ(millisecondsOf(wavFile({formatChunk({}), chunk, dataChunk(1600)})), 100) << chunk.padded;
    }
    // A pad byte that is no zero, ahead of a chunk's name.
    const WavChunk oddPad{"LIST", QByteArray("abcdefg") + QByteArray(1, '\x7F'), 7, true};
    EXPECT_EQ(millisecondsOf(wavFile({oddPad, formatChunk({}), dataChunk(1600)})), 100);
}

TEST(WavLength, ACompressedSoundPlaysForTheLongerOfItsSampleCountAndItsDataAtItsByteRate)
{
    // IMA ADPCM, 4 bits a sample in blocks of 256 bytes.
    const WavFormat adpcm{0x11, 1, 8000, 4055, 256, 4, QByteArray("\xF9\x01", 2)};
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(adpcm), sampleCountChunk(16000), dataChunk(8110)})), 2000);
    // A sample count lying low is outweighed by the byte rate, a byte rate
    // lying high by the sample count.
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(adpcm), sampleCountChunk(80), dataChunk(8110)})), 2000);
    WavFormat fast = adpcm;
    fast.bytesPerSecond = 405500;
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(fast), sampleCountChunk(16000), dataChunk(8110)})), 2000);
    fast.bytesPerSecond = 0;
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(fast), sampleCountChunk(16000), dataChunk(8110)})), 2000);

    const QString noCount = QStringLiteral("длина сжатого звука не указана в файле");
    EXPECT_EQ(problemOf(wavFile({formatChunk(adpcm), dataChunk(8110)})), noCount);
    // A fact chunk too short for its count is none.
    EXPECT_EQ(
        problemOf(wavFile({formatChunk(adpcm), {"fact", QByteArray(2, '\1'), {}, true}, dataChunk(8110)})), noCount);
    // The extensible format with a GUID that is no old tag is compressed
    // as far as its length goes.
    WavFormat unknown = pcm(1, 8000, 16);
    unknown.tag = 0xFFFE;
    unknown.extra = testing::extensibleFields(16, 1);
    unknown.extra[20] = '\x42';
    EXPECT_EQ(problemOf(wavFile({formatChunk(unknown), dataChunk(16000)})), noCount);
    EXPECT_EQ(millisecondsOf(wavFile({formatChunk(unknown), sampleCountChunk(8000), dataChunk(16000)})), 1000);
}

TEST(WavLength, OnlyAFewKilobytesAreReadWhateverTheFileHolds)
{
    // Megabytes of data and of a chunk before it are skipped, not read.
    qint64 bytesRead = 0;
    const QByteArray big = wavFile(
        {{"LIST", QByteArray(3 << 20, 'x'), {}, true}, formatChunk({}), dataChunk(16000 * 50)});
    EXPECT_EQ(lengthOf(big, &bytesRead).milliseconds, 50000);
    EXPECT_LT(bytesRead, 256);

    // Chunks past the number looked at are not walked.
    QList<WavChunk> many(wavChunksLooked, WavChunk{"junk", QByteArray(2, 'x'), {}, true});
    many << formatChunk({}) << dataChunk(1600);
    EXPECT_EQ(lengthOf(wavFile(many), &bytesRead).problem, QStringLiteral("в файле нет описания формата звука"));
    EXPECT_LT(bytesRead, 12 + 12 * wavChunksLooked);
    many.remove(0);
    many.remove(0);
    EXPECT_EQ(millisecondsOf(wavFile(many)), 100);
}

} // namespace
} // namespace zornalit
