#include "QtSoundDevice.h"

#include "SndfileDecoder.h"
#include "SoundQueue.h"

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
    auto sound = std::make_unique<DecodedSound>();
    if (!decodeSoundFile(path, sound.get(), why))
        return false;
    m_open = std::move(sound);
    return true;
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
    m_queue->enqueue(*m_open);
    return true;
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
