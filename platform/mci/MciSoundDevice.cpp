#include "MciSoundDevice.h"

#include "MciErrorText.h"

#include "platform/FileErrorText.h"
#include "platform/RegularFile.h"
#include "platform/SoundFileBudget.h"

#include <QFileInfo>

namespace zornalit {

namespace {

QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось открыть звуковой файл %1: %2").arg(quotedPath(path), reason);
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
    if (const QString problem = regularFileProblem(path); !problem.isEmpty())
        return fail(why, cannotOpen(path, problem));
    if (const QString problem = soundFileSizeProblem(QFileInfo(path).size()); !problem.isEmpty())
        return fail(why, cannotOpen(path, problem));

    MciCalls::Device device = 0;
    if (const MciCalls::Error error = m_calls->open(path, &device))
        return fail(why, cannotOpen(path, mciErrorText(error)));
    m_device = device;

    quint32 milliseconds = 0;
    QString refusal;
    if (const MciCalls::Error error = m_calls->length(device, &milliseconds))
        refusal = mciErrorText(error);
    else if (milliseconds > longestMciSoundMilliseconds)
        refusal = QStringLiteral("звук длиннее %1 с, а окно программы не отвечает, пока он звучит")
                      .arg(longestMciSoundMilliseconds / 1000);
    if (refusal.isEmpty())
        return true;
    close();
    return fail(why, cannotOpen(path, refusal));
}

bool MciSoundDevice::play(QString* why)
{
    if (!m_device)
        return fail(why, QStringLiteral("Звуковой файл не открыт"));
    if (const MciCalls::Error error = m_calls->playToEnd(*m_device)) {
        return fail(why,
            QStringLiteral("Не удалось воспроизвести звуковой файл %1: %2")
                .arg(quotedPath(m_path), mciErrorText(error)));
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
