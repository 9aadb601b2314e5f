#include "SndfileDecoder.h"

#include "platform/DeviceFailure.h"
#include "platform/FileErrorText.h"
#include "platform/files/RegularFileReading.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace zornalit {

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

constexpr qint64 megabyte = 1024 * 1024;
constexpr int mostChannels = 64;
constexpr int highestRate = 768000;

// libsndfile reads the sound through these from bytes in memory.
struct MemoryFile {
    const QByteArray& bytes;
    sf_count_t at = 0;
};

MemoryFile& memoryOf(void* user)
{
    return *static_cast<MemoryFile*>(user);
}

sf_count_t memoryLength(void* user)
{
    return memoryOf(user).bytes.size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user)
{
    MemoryFile& file = memoryOf(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = file.at;
    else if (whence == SEEK_END)
        base = file.bytes.size();
    const sf_count_t target = base + offset;
    if (target < 0 || target > file.bytes.size())
        return -1;
    file.at = target;
    return file.at;
}

sf_count_t memoryRead(void* into, sf_count_t count, void* user)
{
    MemoryFile& file = memoryOf(user);
    const sf_count_t got = std::clamp<sf_count_t>(file.bytes.size() - file.at, 0, std::max<sf_count_t>(count, 0));
    std::memcpy(into, file.bytes.constData() + file.at, static_cast<std::size_t>(got));
    file.at += got;
    return got;
}

sf_count_t memoryWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t memoryTell(void* user)
{
    return memoryOf(user).at;
}

// libsndfile's own reasons are English; the operator reads these.
QString reasonFor(int error)
{
    switch (error) {
    case SF_ERR_UNRECOGNISED_FORMAT:
        return QStringLiteral("формат звука не распознан");
    case SF_ERR_UNSUPPORTED_ENCODING:
        return QStringLiteral("такой способ записи звука не поддерживается");
    case SF_ERR_MALFORMED_FILE:
        return QStringLiteral("звуковой файл повреждён");
    case SF_ERR_SYSTEM:
        return QStringLiteral("ошибка чтения звукового файла");
    default:
        return QStringLiteral("звук не удалось прочитать (ошибка %1)").arg(error);
    }
}

QString tooLarge()
{
    return QStringLiteral("звук слишком велик: после распаковки он занял бы больше %1 МБ")
        .arg(decodedSoundBudgetBytes / megabyte);
}

bool refuse(const QString& path, const QString& reason, QString* why)
{
    return fail(why, soundOpenFailure(path, reason));
}

} // namespace

bool decodeSound(const QByteArray& bytes, DecodedSound* sound, QString* reason)
{
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile memory{bytes};
    SF_INFO info{};
    const SndfileHandle file(sf_open_virtual(&io, SFM_READ, &info, &memory));
    if (!file)
        return fail(reason, reasonFor(sf_error(nullptr)));
    if (info.channels < 1 || info.channels > mostChannels || info.samplerate < 1 || info.samplerate > highestRate)
        return fail(reason, QStringLiteral("недопустимые параметры звука"));

    // The frame count in the header may be missing or wrong: what is read is
    // counted against the budget as well.
    const qint64 mostSamples = decodedSoundBudgetBytes / qint64(sizeof(float));
    const qint64 mostFrames = mostSamples / info.channels;
    const bool lengthKnown = info.frames > 0 && info.frames < SF_COUNT_MAX;
    if (lengthKnown && info.frames > mostFrames)
        return fail(reason, tooLarge());

    DecodedSound decoded;
    decoded.channels = info.channels;
    decoded.sampleRate = info.samplerate;
    if (lengthKnown)
        decoded.samples.reserve(std::size_t(info.frames) * std::size_t(info.channels));

    constexpr sf_count_t chunkFrames = 4096;
    std::vector<float> chunk(std::size_t(chunkFrames) * std::size_t(info.channels));
    qint64 frames = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(file.get(), chunk.data(), chunkFrames);
        if (got <= 0)
            break;
        frames += got;
        if (frames > mostFrames)
            return fail(reason, tooLarge());
        decoded.samples.insert(decoded.samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
    }
    if (const int error = sf_error(file.get()); error != SF_ERR_NO_ERROR)
        return fail(reason, reasonFor(error));
    *sound = std::move(decoded);
    return true;
}

bool decodeSoundFile(const QString& path, DecodedSound* sound, QString* why)
{
    FileError error;
    const std::unique_ptr<QIODevice> file = openRegularFile(path, &error);
    if (!file)
        return refuse(path, fileErrorReason(error), why);
    if (const QString problem = soundFileSizeProblem(file->size()); !problem.isEmpty())
        return refuse(path, problem, why);
    // The file may grow after its size was looked at: no more than one byte
    // past the budget is ever read.
    QByteArray bytes;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    while (bytes.size() <= soundFileBudgetBytes) {
        const qint64 got = file->read(
            chunk.data(), std::min<qint64>(chunk.size(), soundFileBudgetBytes + 1 - bytes.size()));
        if (got < 0)
            return refuse(path, readFailureReason(*file), why);
        if (got == 0)
            break;
        bytes.append(chunk.constData(), got);
    }
    if (const QString problem = soundFileSizeProblem(bytes.size()); !problem.isEmpty())
        return refuse(path, problem, why);
    file->close();

    QString reason;
    if (!decodeSound(bytes, sound, &reason))
        return refuse(path, reason, why);
    return true;
}

} // namespace zornalit
