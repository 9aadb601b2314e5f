#include "LazySoundDevice.h"

#include <QFileInfo>

namespace zornalit {

namespace {

using CreateSoundDevice = SoundDevice* (*)();

} // namespace

LazySoundDevice::LazySoundDevice(QString modulePath)
    : m_modulePath(std::move(modulePath))
{
}

LazySoundDevice::~LazySoundDevice() = default;

QString LazySoundDevice::besideProgram(const ProgramFolder& folder)
{
    return folder.fileNamed(QStringLiteral(ZORNALIT_SOUND_MODULE));
}

bool LazySoundDevice::load(QString* why)
{
    if (!m_device && m_failure.isEmpty()) {
        m_module.setFileName(m_modulePath);
        const auto create = reinterpret_cast<CreateSoundDevice>(m_module.resolve("zornalitCreateSoundDevice"));
        if (create)
            m_device.reset(create());
        if (!m_device) {
            const QString reason = QFileInfo::exists(m_modulePath)
                ? QStringLiteral("модуль не загружается (нет библиотек, которые ему нужны?)")
                : QStringLiteral("файл не найден");
            m_failure = QStringLiteral("Не удалось загрузить звуковой модуль «%1»: %2").arg(m_modulePath, reason);
        }
    }
    if (!m_device && why)
        *why = m_failure;
    return m_device != nullptr;
}

bool LazySoundDevice::open(const QString& path, QString* why)
{
    return load(why) && m_device->open(path, why);
}

bool LazySoundDevice::play(QString* why)
{
    return load(why) && m_device->play(why);
}

void LazySoundDevice::close()
{
    if (m_device)
        m_device->close();
}

} // namespace zornalit
