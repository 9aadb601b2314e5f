#include "SoundCommands.h"

#include "SoundDevice.h"

namespace zornalit {

bool SoundCommands::setCommand(const QString& word, QString* why)
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
