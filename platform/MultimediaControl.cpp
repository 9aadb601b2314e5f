#include "MultimediaControl.h"

#include "SoundDevice.h"

namespace zornalit {

MultimediaControl::MultimediaControl(SoundDevice& device, QWidget* parent)
    : QWidget(parent)
    , m_device(device)
{
    // Never seen by the operator: it only carries the sound commands.
    setVisible(false);
    setFocusPolicy(Qt::NoFocus);
}

void MultimediaControl::setFileName(const QString& path)
{
    m_fileName = path;
}

QString MultimediaControl::fileName() const
{
    return m_fileName;
}

bool MultimediaControl::setCommand(const QString& word, QString* why)
{
    if (word == QLatin1String("Open"))
        return m_device.open(m_fileName, why);
    if (word == QLatin1String("Sound"))
        return m_device.play(why);
    if (word == QLatin1String("Close")) {
        m_device.close();
        return true;
    }
    if (why)
        *why = QStringLiteral("Неизвестная команда звукового устройства: %1").arg(word);
    return false;
}

} // namespace zornalit
