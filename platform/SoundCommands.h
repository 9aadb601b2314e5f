#pragma once

#include <QString>

namespace zornalit {

class SoundDevice;

// What the multimedia control does: a file name and a command word ("Open",
// "Sound", "Close"), carried out in the order they are set by the sound
// device behind it.
class SoundCommands {
public:
    explicit SoundCommands(SoundDevice& device)
        : m_device(device)
    {
    }
    virtual ~SoundCommands() = default;

    void setFileName(const QString& path) { m_fileName = path; }
    QString fileName() const { return m_fileName; }

    // Carries out one command word. False, with a reason naming the file,
    // when the device could not do it; an unknown word is refused too.
    bool setCommand(const QString& word, QString* why);

private:
    SoundDevice& m_device;
    QString m_fileName;
};

} // namespace zornalit
