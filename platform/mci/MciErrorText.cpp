#include "MciErrorText.h"

namespace zornalit {

namespace {

QString withCode(const char* text, quint32 code)
{
    return QString::fromUtf8(text).arg(code);
}

} // namespace

QString mciErrorText(quint32 error)
{
    using namespace mciError;
    const quint32 code = error & 0xFFFF;
    switch (code) {
    case 0:
        return {};
    case invalidDeviceId:
        return QStringLiteral("звуковое устройство не открыто");
    case hardware:
        return QStringLiteral("неисправность звукового оборудования");
    case invalidDeviceName:
    case deviceNotInstalled:
        return QStringLiteral("устройство воспроизведения звуковых файлов не установлено");
    case cannotLoadDriver:
        return QStringLiteral("не загружается драйвер звукового устройства");
    case outOfMemory:
        return QStringLiteral("недостаточно памяти");
    case deviceOpen:
        // Also what Wine's waveaudio device answers when no sound output opens.
        return QStringLiteral("устройство вывода звука не открывается: оно занято или его нет");
    case deviceLocked:
    case mustUseShareable:
        return QStringLiteral("звуковое устройство занято другой программой");
    case fileNotFound:
        return QStringLiteral("файл не найден");
    case deviceNotReady:
        return QStringLiteral("звуковое устройство не готово");
    case driverInternal:
    case internal:
    case driver:
        return QStringLiteral("сбой драйвера звукового устройства");
    case unsupportedFunction:
    case nonapplicableFunction:
        return QStringLiteral("звуковое устройство не умеет выполнить эту команду");
    case extensionNotFound:
        return QStringLiteral("по имени файла не удалось выбрать звуковое устройство");
    case invalidFile:
        return QStringLiteral("файл не является звуком, который может воспроизвести устройство, или повреждён");
    case filenameRequired:
        return QStringLiteral("не указано имя файла");
    case fileRead:
        return QStringLiteral("ошибка чтения файла");
    case fileWrite:
        return QStringLiteral("ошибка записи файла");
    case outOfRange:
        return QStringLiteral("значение вне допустимых пределов");
    case waveOutputsInUse:
    case waveSetOutputInUse:
        return QStringLiteral("все устройства вывода звука заняты");
    case waveOutputUnspecified:
        return QStringLiteral("не выбрано устройство вывода звука");
    case waveOutputsUnsuitable:
    case waveSetOutputUnsuitable:
        return QStringLiteral("нет устройства вывода звука, способного воспроизвести этот звук");
    case waveInputsInUse:
    case waveSetInputInUse:
    case waveInputUnspecified:
    case waveInputsUnsuitable:
    case waveSetInputUnsuitable:
        return QStringLiteral("устройство записи звука занято или не подходит");
    case noWindow:
    case createWindow:
        return QStringLiteral("звуковому устройству не удалось создать окно");
    default:
        break;
    }
    if (code >= sequencerFirst && code <= sequencerLast)
        return withCode("ошибка устройства MIDI (код MCI %1)", code);
    if (code >= customDriverBase)
        return withCode("ошибка драйвера звукового устройства (код %1)", code - customDriverBase);
    if (code > base && code < sequencerFirst)
        return withCode("звуковое устройство не приняло команду (код MCI %1)", code);
    return withCode("ошибка звукового устройства (код MCI %1)", code);
}

} // namespace zornalit
