#include "MciErrorText.h"

#include <algorithm>
#include <array>

namespace zornalit {

using namespace mciError;

namespace {

// One cause of failure: its words and every code that means it.
struct Reason {
    const char* text;
    std::array<quint32, 5> codes;
};

constexpr Reason reasons[] = {
    {"звуковое устройство не открыто", {invalidDeviceId}},
    {"неисправность звукового оборудования", {hardware}},
    {"устройство воспроизведения звуковых файлов не установлено", {invalidDeviceName, deviceNotInstalled}},
    {"не загружается драйвер звукового устройства", {cannotLoadDriver}},
    {"недостаточно памяти", {outOfMemory}},
    // Also what Wine's waveaudio device answers when no sound output opens.
    {"устройство вывода звука не открывается: оно занято или его нет", {deviceOpen}},
    {"звуковое устройство занято другой программой", {deviceLocked, mustUseShareable}},
    {"файл не найден", {fileNotFound}},
    {"звуковое устройство не готово", {deviceNotReady}},
    {"сбой драйвера звукового устройства", {driverInternal, internal, driver}},
    {"звуковое устройство не умеет выполнить эту команду", {unsupportedFunction, nonapplicableFunction}},
    {"по имени файла не удалось выбрать звуковое устройство", {extensionNotFound}},
    {"файл не является звуком, который может воспроизвести устройство, или повреждён", {invalidFile}},
    {"не указано имя файла", {filenameRequired}},
    {"ошибка чтения файла", {fileRead}},
    {"ошибка записи файла", {fileWrite}},
    {"значение вне допустимых пределов", {outOfRange}},
    {"все устройства вывода звука заняты", {waveOutputsInUse, waveSetOutputInUse}},
    {"не выбрано устройство вывода звука", {waveOutputUnspecified}},
    {"нет устройства вывода звука, способного воспроизвести этот звук",
        {waveOutputsUnsuitable, waveSetOutputUnsuitable}},
    {"устройство записи звука занято или не подходит",
        {waveInputsInUse, waveSetInputInUse, waveInputUnspecified, waveInputsUnsuitable, waveSetInputUnsuitable}},
    {"звуковому устройству не удалось создать окно", {noWindow, createWindow}},
};

QString withCode(const char* text, quint32 code)
{
    return QString::fromUtf8(text).arg(code);
}

} // namespace

QString mciErrorText(quint32 error)
{
    const quint32 code = error & 0xFFFF;
    // The unused places of a reason's codes hold 0, which is no error.
    if (code == 0)
        return {};
    for (const Reason& reason : reasons) {
        if (std::ranges::find(reason.codes, code) != reason.codes.end())
            return QString::fromUtf8(reason.text);
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
