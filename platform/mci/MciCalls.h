#pragma once

#include <QString>
#include <QtGlobal>

namespace zornalit {

// The MCI commands the sound device sends to Windows' waveaudio device. Each
// returns MCI's error code, 0 on success.
class MciCalls {
public:
    using Error = quint32;
    using Device = quint32;

    virtual ~MciCalls() = default;

    // Opens a waveaudio device on the file at path.
    virtual Error open(const QString& path, Device* device) = 0;
    // The length of the opened sound in milliseconds.
    virtual Error length(Device device, quint32* milliseconds) = 0;
    // Plays the opened sound from its start and returns when it has ended,
    // so that the file is no longer read once this returns.
    virtual Error playToEnd(Device device) = 0;
    // Closes the device and releases the file.
    virtual Error close(Device device) = 0;
};

} // namespace zornalit
