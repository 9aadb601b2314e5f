#include "SoundQueue.h"

#include "platform/qt/HeldMessages.h"
#include "SoundConversion.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtDebug>

#include <algorithm>

namespace zornalit {

namespace {

// How often queued sound is handed to the output; the output's own buffer
// covers several of these, so a busy moment of the window causes no gap.
constexpr int pumpMilliseconds = 20;

// Ticks the output must have been idle with nothing left to send before it
// is closed, so the last samples are out of the device first.
constexpr int quietTicksBeforeClose = 10;

// Qt's audio back end says in its own words on stderr that it found no
// sound server; the queue says so itself, once, in the operator's language.
// What Qt says while the output is looked up is passed on only if an output
// was found after all.
QAudioDevice defaultOutputQuietly()
{
    HeldMessages held;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        held.drop();
    return device;
}

} // namespace

SoundQueue::SoundQueue(QObject* parent)
    : QObject(parent)
{
    m_pump.setInterval(pumpMilliseconds);
    connect(&m_pump, &QTimer::timeout, this, &SoundQueue::feed);
}

SoundQueue::~SoundQueue() = default;

bool SoundQueue::enqueue(const DecodedSound& sound, QString* why)
{
    if (sound.frames() == 0)
        return true;
    if (!m_sink && !startOutput(sound))
        return true;
    const qint64 size = convertedSize(sound, m_format);
    if (size == 0) {
        qWarning().noquote() << QStringLiteral("Звук пропущен: формат звуковой карты не поддерживается");
        return true;
    }
    // What was sent already is dropped first; only what waits counts.
    m_pending.remove(0, m_sent);
    m_sent = 0;
    if (size > queuedSoundBudgetBytes - m_pending.size()) {
        if (why) {
            *why = QStringLiteral("звук для воспроизведения занял бы больше %1 МБ вместе с ещё не доигравшими звуками")
                       .arg(queuedSoundBudgetBytes / (1024 * 1024));
        }
        feed();
        return false;
    }
    m_pending.append(convertSound(sound, m_format));
    m_quietTicks = 0;
    feed();
    return true;
}

bool SoundQueue::isPlaying() const
{
    return m_sink != nullptr;
}

bool SoundQueue::startOutput(const DecodedSound& first)
{
    const QAudioDevice device = defaultOutputQuietly();
    if (device.isNull()) {
        tellOnce(QStringLiteral("Звук не воспроизводится: нет устройства вывода звука"));
        return false;
    }

    m_format = chooseOutputFormat(
        first, [&](const QAudioFormat& format) { return device.isFormatSupported(format); }, device.preferredFormat());
    m_sink = std::make_unique<QAudioSink>(device, m_format);
    m_output = m_sink->start();
    if (!m_output || m_sink->error() != QAudio::NoError) {
        tellOnce(
            QStringLiteral("Звук не воспроизводится: не удалось открыть устройство «%1»").arg(device.description()));
        stopOutput();
        return false;
    }
    m_toldNoOutput = false;
    m_pump.start();
    return true;
}

void SoundQueue::feed()
{
    if (!m_sink)
        return;
    const QAudio::Error error = m_sink->error();
    if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError) {
        dropEverything(QStringLiteral("Звук прерван: ошибка устройства вывода звука"));
        return;
    }

    const int frameBytes = m_format.bytesPerFrame();
    while (m_sent < m_pending.size()) {
        qint64 room = m_sink->bytesFree();
        room -= room % frameBytes;
        if (room <= 0)
            break;
        const qint64 chunk = std::min<qint64>(room, m_pending.size() - m_sent);
        const qint64 written = m_output->write(m_pending.constData() + m_sent, chunk);
        if (written <= 0)
            break;
        m_sent += written;
    }
    if (m_sent < m_pending.size()) {
        m_quietTicks = 0;
        return;
    }
    m_pending.clear();
    m_sent = 0;

    // Everything is with the device; once it has run dry for a while the
    // last sound has been heard and the output is released.
    if (m_sink->state() == QAudio::ActiveState) {
        m_quietTicks = 0;
        return;
    }
    if (++m_quietTicks < quietTicksBeforeClose)
        return;
    stopOutput();
}

void SoundQueue::stopOutput()
{
    m_pump.stop();
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_output = nullptr;
    m_pending.clear();
    m_sent = 0;
    m_quietTicks = 0;
}

void SoundQueue::dropEverything(const QString& warning)
{
    qWarning().noquote() << warning;
    stopOutput();
}

void SoundQueue::tellOnce(const QString& warning)
{
    // Every sound of a joke would otherwise repeat the same complaint.
    if (!m_toldNoOutput)
        qWarning().noquote() << warning;
    m_toldNoOutput = true;
}

} // namespace zornalit
