#pragma once

#include "platform/SoundDevice.h"

#include <memory>

namespace zornalit {

struct DecodedSound;
class SoundQueue;

// Sound files decoded whole into memory, within a fixed budget, by libsndfile and played through
// Qt Multimedia. Lives as long as the program, so that queued sounds play
// out after the handler that queued them has returned.
class QtSoundDevice : public SoundDevice {
public:
    QtSoundDevice();
    ~QtSoundDevice() override;

    bool open(const QString& path, QString* why) override;
    bool play(QString* why) override;
    void close() override;

    // Whether queued sound is still to be heard.
    bool isPlaying() const;

private:
    bool outOfMemory(QString* why);

    QString m_path;
    std::unique_ptr<DecodedSound> m_open;
    std::unique_ptr<SoundQueue> m_queue;
};

} // namespace zornalit
