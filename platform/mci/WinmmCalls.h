#pragma once

#include "MciCalls.h"

namespace zornalit {

// The MCI commands carried out by winmm, through its wide-character entry;
// the code page and the short names are the system's, the clock and the
// waiting kernel32's.
class WinmmCalls : public MciCalls {
public:
    Error open(const QString& path, Device* device) override;
    Error length(Device device, quint32* milliseconds) override;
    Error play(Device device) override;
    Error playing(Device device, bool* stillPlaying) override;
    Error position(Device device, quint32* milliseconds) override;
    Error stop(Device device) override;
    Error close(Device device) override;

    bool survivesCodePage(const QString& path) override;
    std::optional<QString> shortPath(const QString& path) override;

    qint64 now() override;
    void sleep(quint32 milliseconds) override;
};

} // namespace zornalit
