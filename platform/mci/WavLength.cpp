#include "WavLength.h"

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <optional>

namespace zornalit {

namespace {

// The format tags whose samples each take a fixed number of bytes.
constexpr quint16 pcmTag = 1;
constexpr quint16 floatTag = 3;
constexpr quint16 aLawTag = 6;
constexpr quint16 muLawTag = 7;
// The extensible format names its real tag in a GUID.
constexpr quint16 extensibleTag = 0xFFFE;

// The common fields of the format chunk, and the extensible format's up to
// its GUID.
constexpr qint64 formatBytes = 16;
constexpr qint64 extensibleFormatBytes = 40;
// The 14 bytes after the tag in the GUID of a format that is an old tag.
constexpr char guidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

quint32 read32(const QByteArray& bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

quint16 read16(const QByteArray& bytes, int at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

// Up to count bytes at position at; fewer where the file ends or fails.
QByteArray readAt(QIODevice& file, qint64 at, qint64 count)
{
    if (!file.seek(at))
        return {};
    return file.read(count);
}

bool looksLikeChunkId(const QByteArray& bytes)
{
    return bytes.size() == 4
        && std::ranges::all_of(bytes, [](char c) { return quint8(c) >= 0x20 && quint8(c) <= 0x7E; });
}

struct Format {
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint32 bytesPerSecond = 0;
    quint16 blockSize = 0;
    quint16 bits = 0;
};

Format parseFormat(const QByteArray& bytes)
{
    Format format{
        read16(bytes, 0), read16(bytes, 2), read32(bytes, 4), read32(bytes, 8), read16(bytes, 12), read16(bytes, 14)};
    // An extensible format whose GUID is an old tag's is that format; any
    // other GUID stays a format of unknown samples.
    if (format.tag == extensibleTag && bytes.size() >= extensibleFormatBytes
        && bytes.mid(26, 14) == QByteArray(guidTail, sizeof guidTail - 1)) {
        format.tag = read16(bytes, 24);
    }
    return format;
}

struct Chunks {
    std::optional<QByteArray> format;
    std::optional<qint64> dataBytes;
    std::optional<quint32> sampleCount;
};

// Where the chunk after one of the given size starting at content begins:
// past its pad byte when it has one. The pad is a zero; a chunk's name in
// its place means that the writer left the pad out.
qint64 nextChunk(QIODevice& file, qint64 content, qint64 size)
{
    const qint64 end = content + size;
    if (size % 2 == 0)
        return end;
    const QByteArray there = readAt(file, end, 4);
    if (!there.isEmpty() && there[0] != '\0' && looksLikeChunkId(there))
        return end;
    return end + 1;
}

Chunks findChunks(QIODevice& file, qint64 fileSize)
{
    Chunks found;
    qint64 at = 12;
    for (int looked = 0; looked < wavChunksLooked && at + 8 <= fileSize; ++looked) {
        const QByteArray header = readAt(file, at, 8);
        if (header.size() < 8)
            break;
        const QByteArray id = header.left(4);
        const qint64 size = read32(header, 4);
        const qint64 content = at + 8;
        const qint64 inFile = std::min(size, fileSize - content);
        if (id == "fmt " && !found.format)
            found.format = readAt(file, content, std::min<qint64>(inFile, extensibleFormatBytes));
        else if (id == "fact" && !found.sampleCount && inFile >= 4)
            found.sampleCount = read32(readAt(file, content, 4).leftJustified(4, '\0'), 0);
        else if (id == "data" && !found.dataBytes)
            found.dataBytes = inFile;
        if (found.format && found.dataBytes && found.sampleCount)
            break;
        // A chunk that runs past the end of the file is the last one.
        if (size > inFile)
            break;
        at = nextChunk(file, content, size);
    }
    return found;
}

qint64 roundedUpMilliseconds(qint64 count, qint64 perSecond)
{
    return (count * 1000 + perSecond - 1) / perSecond;
}

WavLength refused(const char* why)
{
    return {0, QString::fromUtf8(why)};
}

} // namespace

WavLength wavLength(QIODevice& file)
{
    const qint64 fileSize = file.size();
    const QByteArray riff = readAt(file, 0, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return refused("это не звук в формате WAV");

    const Chunks chunks = findChunks(file, fileSize);
    if (!chunks.format)
        return refused("в файле нет описания формата звука");
    if (!chunks.dataBytes)
        return refused("в файле нет звуковых данных");
    if (chunks.format->size() < formatBytes)
        return refused("описание формата звука неполное");
    const Format format = parseFormat(*chunks.format);
    if (format.channels == 0 || format.rate == 0)
        return refused("в описании формата звука нет числа каналов или частоты");

    const qint64 data = *chunks.dataBytes;
    switch (format.tag) {
    case pcmTag:
    case floatTag:
    case aLawTag:
    case muLawTag: {
        const qint64 blockSize = qint64(format.channels) * ((format.bits + 7) / 8);
        if (format.bits == 0 || format.blockSize != blockSize)
            return refused("размер блока звука не сходится с числом каналов и разрядностью");
        return {roundedUpMilliseconds(data / blockSize, format.rate), {}};
    }
    default:
        break;
    }
    // A compressed sound's bytes do not say how many samples they hold.
    if (!chunks.sampleCount)
        return refused("длина сжатого звука не указана в файле");
    qint64 milliseconds = roundedUpMilliseconds(*chunks.sampleCount, format.rate);
    if (format.bytesPerSecond > 0)
        milliseconds = std::max(milliseconds, roundedUpMilliseconds(data, format.bytesPerSecond));
    return {milliseconds, {}};
}

} // namespace zornalit
