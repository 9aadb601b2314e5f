#pragma once

#include "MciCalls.h"

#include "platform/SoundDevice.h"

#include <memory>
#include <optional>

namespace zornalit {

// Sound through Windows' own multimedia control interface: "Open" opens a
// waveaudio device on the file, "Sound" plays it to its end, "Close" closes
// the device. MCI reads the file while it plays, so play() returns only when
// the sound has ended: the file may be deleted right after close(). Its
// errors are told in Russian, naming the file.
class MciSoundDevice : public SoundDevice {
public:
    explicit MciSoundDevice(std::unique_ptr<MciCalls> calls);
    ~MciSoundDevice() override;

    bool open(const QString& path, QString* why) override;
    bool play(QString* why) override;
    void close() override;

private:
    std::unique_ptr<MciCalls> m_calls;
    QString m_path;
    std::optional<MciCalls::Device> m_device;
};

// The window does not answer while a sound plays: a longer one is refused
// when it is opened.
constexpr quint32 longestMciSoundMilliseconds = 60 * 1000;

} // namespace zornalit
