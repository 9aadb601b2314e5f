#pragma once

#include "platform/ProgramFolder.h"
#include "platform/SoundDevice.h"

#include <QLibrary>
#include <QString>

#include <memory>

namespace zornalit {

// The sound device of the sound module, loaded from the given file the
// first time a sound is opened or played. If the module cannot be loaded,
// every call fails with a reason that names its file.
class LazySoundDevice : public SoundDevice {
public:
    explicit LazySoundDevice(QString modulePath);
    ~LazySoundDevice() override;

    bool open(const QString& path, QString* why) override;
    bool play(QString* why) override;
    void close() override;

    // The module's file in the program folder.
    static QString besideProgram(const ProgramFolder& folder);

private:
    bool load(QString* why);

    QString m_modulePath;
    // Kept loaded for good: queued sounds play out from the module's code.
    QLibrary m_module;
    std::unique_ptr<SoundDevice> m_device;
    QString m_failure; // why the module could not be loaded, once tried
};

} // namespace zornalit
