#include "WinmmCalls.h"

#include "MciErrorText.h"

#include <QDir>

#include <string>

#include <windows.h>
#include <mmsystem.h>

namespace zornalit {

static_assert(mciError::base == MCIERR_BASE);
static_assert(mciError::fileNotFound == MCIERR_FILE_NOT_FOUND);
static_assert(mciError::invalidFile == MCIERR_INVALID_FILE);
static_assert(mciError::waveOutputsUnsuitable == MCIERR_WAVE_OUTPUTSUNSUITABLE);
static_assert(mciError::sequencerLast == MCIERR_SEQ_NOMIDIPRESENT);
static_assert(mciError::fileWrite == MCIERR_FILE_WRITE);
static_assert(mciError::customDriverBase == MCIERR_CUSTOM_DRIVER_BASE);

namespace {

MciCalls::Error send(MciCalls::Device device, UINT message, DWORD_PTR flags, void* parameters)
{
    return mciSendCommandW(device, message, flags, reinterpret_cast<DWORD_PTR>(parameters));
}

} // namespace

MciCalls::Error WinmmCalls::open(const QString& path, Device* device)
{
    const std::wstring element = QDir::toNativeSeparators(path).toStdWString();
    MCI_OPEN_PARMSW parameters{};
    parameters.lpstrDeviceType = L"waveaudio";
    parameters.lpstrElementName = element.c_str();
    const Error error = send(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_WAIT, &parameters);
    if (!error)
        *device = parameters.wDeviceID;
    return error;
}

MciCalls::Error WinmmCalls::length(Device device, quint32* milliseconds)
{
    MCI_SET_PARMS format{};
    format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    if (const Error error = send(device, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT, &format))
        return error;
    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_STATUS_LENGTH;
    const Error error = send(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &status);
    if (!error)
        *milliseconds = static_cast<quint32>(status.dwReturn);
    return error;
}

MciCalls::Error WinmmCalls::playToEnd(Device device)
{
    MCI_PLAY_PARMS parameters{};
    return send(device, MCI_PLAY, MCI_WAIT, &parameters);
}

MciCalls::Error WinmmCalls::close(Device device)
{
    MCI_GENERIC_PARMS parameters{};
    return send(device, MCI_CLOSE, MCI_WAIT, &parameters);
}

} // namespace zornalit
