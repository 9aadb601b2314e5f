#pragma once

#include <QString>
#include <QtGlobal>

namespace zornalit {

// The error codes of Windows' multimedia control interface (MCI) that the
// sound device can meet, by their values in <mmsystem.h>; the Windows build
// checks that they agree.
namespace mciError {
constexpr quint32 base = 256;
constexpr quint32 invalidDeviceId = base + 1;
constexpr quint32 unrecognizedKeyword = base + 3;
constexpr quint32 unrecognizedCommand = base + 5;
constexpr quint32 hardware = base + 6;
constexpr quint32 invalidDeviceName = base + 7;
constexpr quint32 outOfMemory = base + 8;
constexpr quint32 deviceOpen = base + 9;
constexpr quint32 cannotLoadDriver = base + 10;
constexpr quint32 driverInternal = base + 16;
constexpr quint32 missingParameter = base + 17;
constexpr quint32 unsupportedFunction = base + 18;
constexpr quint32 fileNotFound = base + 19;
constexpr quint32 deviceNotReady = base + 20;
constexpr quint32 internal = base + 21;
constexpr quint32 driver = base + 22;
constexpr quint32 extensionNotFound = base + 25;
constexpr quint32 outOfRange = base + 26;
constexpr quint32 deviceLocked = base + 32;
constexpr quint32 mustUseShareable = base + 35;
constexpr quint32 invalidFile = base + 40;
constexpr quint32 nonapplicableFunction = base + 46;
constexpr quint32 filenameRequired = base + 48;
constexpr quint32 deviceNotInstalled = base + 50;
constexpr quint32 waveOutputsInUse = base + 64;
constexpr quint32 waveSetOutputInUse = base + 65;
constexpr quint32 waveInputsInUse = base + 66;
constexpr quint32 waveSetInputInUse = base + 67;
constexpr quint32 waveOutputUnspecified = base + 68;
constexpr quint32 waveInputUnspecified = base + 69;
constexpr quint32 waveOutputsUnsuitable = base + 70;
constexpr quint32 waveSetOutputUnsuitable = base + 71;
constexpr quint32 waveInputsUnsuitable = base + 72;
constexpr quint32 waveSetInputUnsuitable = base + 73;
constexpr quint32 sequencerFirst = base + 80;
constexpr quint32 sequencerLast = base + 87;
constexpr quint32 noWindow = base + 90;
constexpr quint32 createWindow = base + 91;
constexpr quint32 fileRead = base + 92;
constexpr quint32 fileWrite = base + 93;
constexpr quint32 customDriverBase = base + 256;
} // namespace mciError

// A short Russian reason for an MCI error, to follow a sentence that names
// the file; the system's own text (mciGetErrorString) speaks the language of
// the Windows installation instead. Only the low word is the error: a
// driver's own errors carry the driver in the high word. Codes without words
// of their own give their number. Empty for 0, which is no error.
QString mciErrorText(quint32 error);

} // namespace zornalit
