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

// Asks an open device for one item of its status; value is set only when
// the device answers.
MciCalls::Error status(MciCalls::Device device, DWORD item, DWORD_PTR* value)
{
    MCI_STATUS_PARMS parameters{};
    parameters.dwItem = item;
    const MciCalls::Error error = send(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &parameters);
    if (!error)
        *value = parameters.dwReturn;
    return error;
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
    DWORD_PTR answer = 0;
    const Error error = status(device, MCI_STATUS_LENGTH, &answer);
    if (!error)
        *milliseconds = static_cast<quint32>(answer);
    return error;
}

MciCalls::Error WinmmCalls::play(Device device)
{
    // Without MCI_WAIT: a device that plays longer than its file says would
    // otherwise hold the window as long as it likes.
    MCI_PLAY_PARMS parameters{};
    return send(device, MCI_PLAY, 0, &parameters);
}

MciCalls::Error WinmmCalls::playing(Device device, bool* stillPlaying)
{
    DWORD_PTR answer = 0;
    const Error error = status(device, MCI_STATUS_MODE, &answer);
    if (!error)
        *stillPlaying = answer == MCI_MODE_PLAY;
    return error;
}

MciCalls::Error WinmmCalls::position(Device device, quint32* milliseconds)
{
    // The time format is milliseconds since length() set it.
    DWORD_PTR answer = 0;
    const Error error = status(device, MCI_STATUS_POSITION, &answer);
    if (!error)
        *milliseconds = static_cast<quint32>(answer);
    return error;
}

MciCalls::Error WinmmCalls::stop(Device device)
{
    MCI_GENERIC_PARMS parameters{};
    return send(device, MCI_STOP, MCI_WAIT, &parameters);
}

MciCalls::Error WinmmCalls::close(Device device)
{
    MCI_GENERIC_PARMS parameters{};
    return send(device, MCI_CLOSE, MCI_WAIT, &parameters);
}

bool WinmmCalls::survivesCodePage(const QString& path)
{
    const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
    const UINT page = GetACP();
    // With UTF-8 as the ANSI code page every path comes through.
    if (wide.empty() || page == CP_UTF8)
        return true;
    const int length = int(wide.size());
    BOOL usedDefault = FALSE;
    // No best fit: a letter turned into a look-alike is a different name.
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int bytes = WideCharToMultiByte(page, flags, wide.data(), length, nullptr, 0, nullptr, &usedDefault);
    if (bytes <= 0) {
        // Some code pages take no flags; the way back below still tells.
        flags = 0;
        bytes = WideCharToMultiByte(page, flags, wide.data(), length, nullptr, 0, nullptr, &usedDefault);
    }
    if (bytes <= 0 || usedDefault)
        return false;
    std::string narrow(std::size_t(bytes), '\0');
    if (WideCharToMultiByte(page, flags, wide.data(), length, narrow.data(), bytes, nullptr, &usedDefault) != bytes
        || usedDefault) {
        return false;
    }
    const int back = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, narrow.data(), bytes, nullptr, 0);
    if (back <= 0)
        return false;
    std::wstring returned(std::size_t(back), L'\0');
    MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, narrow.data(), bytes, returned.data(), back);
    return returned == wide;
}

std::optional<QString> WinmmCalls::shortPath(const QString& path)
{
    const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
    const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::wstring shortened(needed, L'\0');
    const DWORD written = GetShortPathNameW(wide.c_str(), shortened.data(), needed);
    if (written == 0 || written >= needed)
        return std::nullopt;
    shortened.resize(written);
    return QString::fromStdWString(shortened);
}

qint64 WinmmCalls::now()
{
    return qint64(GetTickCount64());
}

void WinmmCalls::sleep(quint32 milliseconds)
{
    Sleep(milliseconds);
}

} // namespace zornalit
