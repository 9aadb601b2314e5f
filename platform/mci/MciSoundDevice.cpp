#include "MciSoundDevice.h"

#include "MciErrorText.h"
#include "MciPath.h"
#include "WavLength.h"

#include "platform/FileErrorText.h"
#include "platform/SoundFileBudget.h"
#include "platform/files/RegularFileReading.h"

#include <QDir>

#include <algorithm>
#include <memory>

namespace zornalit {

namespace {

// How often the device is asked whether the sound has ended: a sound's end
// is noticed this late at most.
constexpr quint32 pollMilliseconds = 20;

QString tooLong()
{
    return QStringLiteral("звук длиннее %1 с, а окно программы не отвечает, пока он звучит")
        .arg(longestMciSoundMilliseconds / 1000);
}

// Why the file at path is no sound to hand the device: it cannot be read as
// a regular file, is too large, or its own chunks give no length within the
// limit. Empty when it is one. The file is closed again before the device
// opens it.
QString soundProblem(const QString& path)
{
    FileError error;
    const std::unique_ptr<QIODevice> file = openRegularFile(path, &error);
    if (!file)
        return fileErrorReason(error);
    if (const QString problem = soundFileSizeProblem(file->size()); !problem.isEmpty())
        return problem;
    const WavLength length = wavLength(*file);
    if (!length.problem.isEmpty())
        return length.problem;
    if (length.milliseconds > longestMciSoundMilliseconds)
        return tooLong();
    return {};
}

} // namespace

MciSoundDevice::MciSoundDevice(std::unique_ptr<MciCalls> calls)
    : m_calls(std::move(calls))
{
}

MciSoundDevice::~MciSoundDevice()
{
    close();
}

bool MciSoundDevice::open(const QString& path, QString* why)
{
    // A device holds one file: opening another closes the one before.
    close();
    m_path = path;
    if (const QString problem = soundProblem(path); !problem.isEmpty())
        return fail(why, soundOpenFailure(path, problem));

    const QString native = QDir::toNativeSeparators(path);
    const MciPath given = mciPath(native, m_calls->shortPath(native),
        [this](const QString& candidate) { return m_calls->survivesCodePage(candidate); });
    if (!given.problem.isEmpty())
        return fail(why, soundOpenFailure(path, given.problem));

    MciCalls::Device device = 0;
    if (const MciCalls::Error error = m_calls->open(given.path, &device))
        return fail(why, soundOpenFailure(path, mciErrorText(error)));
    m_device = device;

    // The device's own length comes from the header's byte rate; a sound it
    // takes to be too long is refused as well.
    quint32 milliseconds = 0;
    QString refusal;
    if (const MciCalls::Error error = m_calls->length(device, &milliseconds))
        refusal = mciErrorText(error);
    else if (milliseconds > longestMciSoundMilliseconds)
        refusal = tooLong();
    if (refusal.isEmpty())
        return true;
    close();
    return fail(why, soundOpenFailure(path, refusal));
}

bool MciSoundDevice::play(QString* why)
{
    if (!m_device)
        return fail(why, QStringLiteral("Звуковой файл не открыт"));
    if (const MciCalls::Error error = m_calls->play(*m_device))
        return fail(why, soundPlayFailure(m_path, mciErrorText(error)));
    return waitForTheEnd(why);
}

bool MciSoundDevice::waitForTheEnd(QString* why)
{
    const qint64 started = m_calls->now();
    for (;;) {
        bool playing = false;
        QString problem;
        if (const MciCalls::Error error = m_calls->playing(*m_device, &playing))
            problem = mciErrorText(error);
        else if (!playing)
            return playedToTheEnd(why);
        const qint64 waited = m_calls->now() - started;
        if (problem.isEmpty() && waited >= longestMciSoundMilliseconds) {
            problem = QStringLiteral("звук не закончился за %1 с и остановлен: окно программы не отвечает, "
                                     "пока он звучит")
                          .arg(longestMciSoundMilliseconds / 1000);
        }
        if (!problem.isEmpty()) {
            m_calls->stop(*m_device);
            return fail(why, soundPlayFailure(m_path, problem));
        }
        m_calls->sleep(quint32(std::min<qint64>(pollMilliseconds, longestMciSoundMilliseconds - waited)));
    }
}

bool MciSoundDevice::playedToTheEnd(QString* why)
{
    // Both asked now: the device may have set its byte rate right while it
    // played.
    quint32 length = 0;
    quint32 position = 0;
    MciCalls::Error error = m_calls->length(*m_device, &length);
    if (!error)
        error = m_calls->position(*m_device, &position);
    if (error)
        return fail(why, soundPlayFailure(m_path, mciErrorText(error)));
    if (position < length) {
        return fail(why,
            soundPlayFailure(m_path,
                QStringLiteral("звук оборвался, не доиграв: устройство вывода звука не открылось или было "
                               "остановлено")));
    }
    return true;
}

void MciSoundDevice::close()
{
    // Nothing is left to do about a device that will not close: the next
    // open asks for a new one.
    if (m_device)
        m_calls->close(*m_device);
    m_device.reset();
}

} // namespace zornalit
