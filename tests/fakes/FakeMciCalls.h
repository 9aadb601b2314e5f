#pragma once

#include "platform/mci/MciCalls.h"

#include <QStringList>

namespace zornalit::testing {

// MCI as a list of the commands sent ("open PATH", "length 7", "play 7",
// "close 7"), each answering with the error code set for it (0 by default).
// Devices are numbered from 7 up, one new number for each open.
class FakeMciCalls : public MciCalls {
public:
    struct Script {
        QStringList sent;
        Error openError = 0;
        Error lengthError = 0;
        Error playError = 0;
        quint32 milliseconds = 1500;
    };

    explicit FakeMciCalls(Script& script)
        : m_script(script)
    {
    }

    Error open(const QString& path, Device* device) override
    {
        m_script.sent << QStringLiteral("open %1").arg(path);
        if (m_script.openError)
            return m_script.openError;
        *device = m_next++;
        return 0;
    }

    Error length(Device device, quint32* milliseconds) override
    {
        m_script.sent << QStringLiteral("length %1").arg(device);
        if (m_script.lengthError)
            return m_script.lengthError;
        *milliseconds = m_script.milliseconds;
        return 0;
    }

    Error playToEnd(Device device) override
    {
        m_script.sent << QStringLiteral("play %1").arg(device);
        return m_script.playError;
    }

    Error close(Device device) override
    {
        m_script.sent << QStringLiteral("close %1").arg(device);
        return 0;
    }

private:
    Script& m_script;
    Device m_next = 7;
};

} // namespace zornalit::testing
