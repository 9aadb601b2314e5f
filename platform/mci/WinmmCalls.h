#pragma once

#include "MciCalls.h"

namespace zornalit {

// The MCI commands carried out by winmm, through its wide-character entry,
// so that a path in any language reaches the device as it is.
class WinmmCalls : public MciCalls {
public:
    Error open(const QString& path, Device* device) override;
    Error length(Device device, quint32* milliseconds) override;
    Error playToEnd(Device device) override;
    Error close(Device device) override;
};

} // namespace zornalit
