#pragma once

#include "MciCalls.h"

#include "platform/SoundDevice.h"

#include <memory>
#include <optional>

namespace zornalit {

// Sound through Windows' own multimedia control interface: "Open" opens a
// waveaudio device on the file, "Sound" plays it to its end, "Close" closes
// the device. MCI reads the file while it plays, so play() returns only when
// the sound has ended, or is stopped at the limit below: the file may be
// deleted right after close(). Its errors are told in Russian, naming the
// file.
class MciSoundDevice : public SoundDevice {
public:
    explicit MciSoundDevice(std::unique_ptr<MciCalls> calls);
    ~MciSoundDevice() override;

    bool open(const QString& path, QString* why) override;
    bool play(QString* why) override;
    void close() override;

private:
    // Waits, taking no input, until the sound has ended; stops it when the
    // limit is up, whatever the device and the file's header said its
    // length was.
    bool waitForTheEnd(QString* why);
    // Whether the sound that stopped playing stopped at its end: a device
    // that plays without waiting tells no error of the sound output, only
    // that it stopped short.
    bool playedToTheEnd(QString* why);

    std::unique_ptr<MciCalls> m_calls;
    QString m_path;
    std::optional<MciCalls::Device> m_device;
};

// The window does not answer while a sound plays: a longer one is refused
// when it is opened, by its length worked out from its chunks and by the
// device's own, and any sound still playing this long after it started is
// stopped.
constexpr quint32 longestMciSoundMilliseconds = 60 * 1000;

} // namespace zornalit
