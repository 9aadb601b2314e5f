#include "SndfileDecoder.h"

#include "RegularFile.h"

#include <QFile>

#ifdef Q_OS_WIN
#define ENABLE_SNDFILE_WINDOWS_PROTOTYPES 1
#endif
#include <sndfile.h>

#include <memory>

namespace zornalit {

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

SndfileHandle openSoundFile(const QString& path, SF_INFO* info)
{
#ifdef Q_OS_WIN
    return SndfileHandle(sf_wchar_open(reinterpret_cast<const wchar_t*>(path.utf16()), SFM_READ, info));
#else
    return SndfileHandle(sf_open(QFile::encodeName(path).constData(), SFM_READ, info));
#endif
}

bool refuse(const QString& path, const QString& reason, QString* why)
{
    if (why)
        *why = QStringLiteral("Не удалось открыть звуковой файл «%1»: %2").arg(path, reason);
    return false;
}

} // namespace

bool decodeSoundFile(const QString& path, DecodedSound* sound, QString* why)
{
    if (const QString problem = regularFileProblem(path); !problem.isEmpty())
        return refuse(path, problem, why);

    SF_INFO info{};
    const SndfileHandle file = openSoundFile(path, &info);
    if (!file) {
        return refuse(path, QStringLiteral("формат звука не распознан (%1)").arg(QString::fromLocal8Bit(sf_strerror(nullptr))),
                      why);
    }
    if (info.channels < 1 || info.channels > 64 || info.samplerate < 1 || info.samplerate > 768000)
        return refuse(path, QStringLiteral("недопустимые параметры звука"), why);

    // The frame count in the header may be missing or wrong; the limit is
    // checked against what is actually read as well.
    const qint64 longest = qint64(info.samplerate) * longestSoundSeconds;
    const QString tooLong = QStringLiteral("звук длиннее %1 секунд").arg(longestSoundSeconds);
    if (info.frames > longest)
        return refuse(path, tooLong, why);

    DecodedSound decoded;
    decoded.channels = info.channels;
    decoded.sampleRate = info.samplerate;
    if (info.frames > 0)
        decoded.samples.reserve(std::size_t(info.frames) * std::size_t(info.channels));

    constexpr sf_count_t chunkFrames = 4096;
    std::vector<float> chunk(std::size_t(chunkFrames) * std::size_t(info.channels));
    qint64 frames = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(file.get(), chunk.data(), chunkFrames);
        if (got <= 0)
            break;
        frames += got;
        if (frames > longest)
            return refuse(path, tooLong, why);
        decoded.samples.insert(decoded.samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR) {
        return refuse(path, QStringLiteral("файл повреждён (%1)").arg(QString::fromLocal8Bit(sf_strerror(file.get()))),
                      why);
    }
    *sound = std::move(decoded);
    return true;
}

} // namespace zornalit
