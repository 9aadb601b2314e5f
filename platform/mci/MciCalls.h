#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace zornalit {

// What the sound device asks of Windows: the MCI commands it sends to the
// waveaudio device, the path that device can be given, and the time while
// a sound plays. Each command returns MCI's error code, 0 on success.
class MciCalls {
public:
    using Error = quint32;
    using Device = quint32;

    virtual ~MciCalls() = default;

    // Opens a waveaudio device on the file at path.
    virtual Error open(const QString& path, Device* device) = 0;
    // The length of the opened sound in milliseconds, as the device reckons
    // it from the header's byte rate.
    virtual Error length(Device device, quint32* milliseconds) = 0;
    // Starts the opened sound from its start and returns at once.
    virtual Error play(Device device) = 0;
    // Whether the device is still playing.
    virtual Error playing(Device device, bool* stillPlaying) = 0;
    // How far into the opened sound the device is, in milliseconds.
    virtual Error position(Device device, quint32* milliseconds) = 0;
    // Stops the sound; the device stays open.
    virtual Error stop(Device device) = 0;
    // Closes the device and releases the file.
    virtual Error close(Device device) = 0;

    // Whether path comes through the ANSI code page unchanged.
    virtual bool survivesCodePage(const QString& path) = 0;
    // The short (8.3) form of the path of an existing file, if there is one.
    virtual std::optional<QString> shortPath(const QString& path) = 0;

    // A steady clock, in milliseconds from any start.
    virtual qint64 now() = 0;
    // Waits without taking any input: the window is not to answer while a
    // sound plays.
    virtual void sleep(quint32 milliseconds) = 0;
};

} // namespace zornalit
