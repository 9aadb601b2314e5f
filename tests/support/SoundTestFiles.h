#pragma once

// WAV files for the sound tests: crafted byte by byte, header lies and all,
// and, where libsndfile is built in, written with it.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

#ifndef Q_OS_WIN
#include <sndfile.h>

#include <cmath>
#include <vector>
#endif

namespace zornalit::testing {

inline void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// The fields of a format chunk, each free to lie; by default 16-bit mono PCM
// at 8000 Hz, consistent with itself.
struct WavFormat {
    quint16 tag = 1;
    quint16 channels = 1;
    quint32 rate = 8000;
    quint32 bytesPerSecond = 16000;
    quint16 blockSize = 2;
    quint16 bits = 16;
    // Bytes after the 16 common ones (the extensible format's fields).
    QByteArray extra;
};

// One chunk: its name, its content, and the size its header gives, which is
// the content's own unless told otherwise. A chunk of odd size is followed
// by a pad byte unless padded is false.
struct WavChunk {
    QByteArray id;
    QByteArray content;
    std::optional<quint32> declaredSize;
    bool padded = true;
};

inline WavChunk formatChunk(const WavFormat& format)
{
    QByteArray bytes;
    appendLittleEndian(bytes, format.tag, 2);
    appendLittleEndian(bytes, format.channels, 2);
    appendLittleEndian(bytes, format.rate, 4);
    appendLittleEndian(bytes, format.bytesPerSecond, 4);
    appendLittleEndian(bytes, format.blockSize, 2);
    appendLittleEndian(bytes, format.bits, 2);
    if (!format.extra.isEmpty()) {
        appendLittleEndian(bytes, quint32(format.extra.size()), 2);
        bytes += format.extra;
    }
    return {"fmt ", bytes, {}, true};
}

// The extensible format's fields after the common ones, for a sound whose
// real tag is the given one.
inline QByteArray extensibleFields(quint16 bits, quint16 realTag)
{
    QByteArray bytes;
    appendLittleEndian(bytes, bits, 2);
    appendLittleEndian(bytes, 0x4, 4);
    appendLittleEndian(bytes, realTag, 2);
    bytes += QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return bytes;
}

inline WavChunk sampleCountChunk(quint32 samples)
{
    QByteArray bytes;
    appendLittleEndian(bytes, samples, 4);
    return {"fact", bytes, {}, true};
}

inline WavChunk dataChunk(qint64 bytes)
{
    return {"data", QByteArray(int(bytes), '\0'), {}, true};
}

// A RIFF WAVE file of the chunks in order; the RIFF size is the true one
// unless given.
inline QByteArray wavFile(const QList<WavChunk>& chunks, std::optional<quint32> riffSize = {})
{
    QByteArray body("WAVE");
    for (const WavChunk& chunk : chunks) {
        body += chunk.id;
        appendLittleEndian(body, chunk.declaredSize.value_or(quint32(chunk.content.size())), 4);
        body += chunk.content;
        if (chunk.content.size() % 2 != 0 && chunk.padded)
            body.append('\0');
    }
    QByteArray file("RIFF");
    appendLittleEndian(file, riffSize.value_or(quint32(body.size())), 4);
    return file + body;
}

// A consistent 16-bit mono PCM file of silence at 8000 Hz.
inline QByteArray silentWav(int milliseconds)
{
    return wavFile({formatChunk({}), dataChunk(qint64(16) * milliseconds)});
}

#ifndef Q_OS_WIN
// The test signal: a ramp on the first channel, its mirror on the others.
inline float testSample(long frame, int channel)
{
    const float ramp = float(frame % 50) / 50.0f - 0.5f;
    return channel == 0 ? ramp : -ramp;
}

// Writes frames of the test signal with libsndfile; false if it refuses the
// format.
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
#endif

} // namespace zornalit::testing
