#include "QtSoundDevice.h"

#include "SndfileDecoder.h"
#include "SoundQueue.h"
#include "platform/FileErrorText.h"

#include <new>

namespace zornalit {

QtSoundDevice::QtSoundDevice()
    : m_queue(std::make_unique<SoundQueue>())
{
}

QtSoundDevice::~QtSoundDevice() = default;

bool QtSoundDevice::open(const QString& path, QString* why)
{
    // Opening another file closes the one before, as a device holds one.
    m_open.reset();
    m_path = path;
    // Every sound is bounded by design; should memory run out all the same,
    // the sound is refused instead of ending the program.
    try {
        auto sound = std::make_unique<DecodedSound>();
        if (!decodeSoundFile(path, sound.get(), why))
            return false;
        m_open = std::move(sound);
        return true;
    } catch (const std::bad_alloc&) {
        return outOfMemory(why);
    }
}

bool QtSoundDevice::play(QString* why)
{
    if (!m_open) {
        if (why)
            *why = QStringLiteral("Звуковой файл не открыт");
        return false;
    }
    // A missing sound card is reported by the queue itself, once; the
    // program goes on silently.
    try {
        QString reason;
        if (m_queue->enqueue(*m_open, &reason))
            return true;
        if (why)
            *why = soundPlayFailure(m_path, reason);
        return false;
    } catch (const std::bad_alloc&) {
        return outOfMemory(why);
    }
}

bool QtSoundDevice::outOfMemory(QString* why)
{
    m_open.reset();
    if (why)
        *why = soundPlayFailure(m_path, QStringLiteral("недостаточно памяти"));
    return false;
}

void QtSoundDevice::close()
{
    m_open.reset();
}

bool QtSoundDevice::isPlaying() const
{
    return m_queue->isPlaying();
}

} // namespace zornalit
