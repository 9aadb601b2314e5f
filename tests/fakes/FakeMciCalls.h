#pragma once

#include "platform/mci/MciCalls.h"

#include <QStringList>

#include <algorithm>
#include <functional>

namespace zornalit::testing {

// MCI as a list of the commands sent ("open PATH", "length 7", "play 7",
// "stop 7", "close 7"; the questions whether a device still plays and how
// far it is are not listed), each answering with the error code set for it (0 by default).
// Devices are numbered from 7 up, one new number for each open. Time is a
// counter that only sleeping moves on; a sound plays for playsFor
// milliseconds of it, or until it is stopped.
class FakeMciCalls : public MciCalls {
public:
    struct Script {
        QStringList sent;
        Error openError = 0;
        Error lengthError = 0;
        Error playError = 0;
        Error playingError = 0;
        quint32 milliseconds = 1500;
        qint64 playsFor = 1500;
        // Whether a sound that stops playing on its own stops short of its
        // end, as when no sound output opens.
        bool breaksOff = false;
        Error positionError = 0;
        // Every path comes through the code page unless told otherwise;
        // no path has a short form unless one is given.
        std::function<bool(const QString&)> survivesCodePage = [](const QString&) { return true; };
        std::optional<QString> shortPath;
        qint64 clock = 0;
        qint64 longestSleep = 0;
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

    Error play(Device device) override
    {
        m_script.sent << QStringLiteral("play %1").arg(device);
        if (m_script.playError)
            return m_script.playError;
        m_endsAt = m_script.clock + m_script.playsFor;
        return 0;
    }

    Error playing(Device, bool* stillPlaying) override
    {
        if (m_script.playingError)
            return m_script.playingError;
        *stillPlaying = m_script.clock < m_endsAt;
        return 0;
    }

    Error position(Device, quint32* milliseconds) override
    {
        if (m_script.positionError)
            return m_script.positionError;
        *milliseconds = m_script.breaksOff ? 0 : m_script.milliseconds;
        return 0;
    }

    Error stop(Device device) override
    {
        m_script.sent << QStringLiteral("stop %1").arg(device);
        m_endsAt = m_script.clock;
        return 0;
    }

    Error close(Device device) override
    {
        m_script.sent << QStringLiteral("close %1").arg(device);
        return 0;
    }

    bool survivesCodePage(const QString& path) override { return m_script.survivesCodePage(path); }
    std::optional<QString> shortPath(const QString&) override { return m_script.shortPath; }

    qint64 now() override { return m_script.clock; }
    void sleep(quint32 milliseconds) override
    {
        m_script.clock += milliseconds;
        m_script.longestSleep = std::max<qint64>(m_script.longestSleep, milliseconds);
    }

private:
    Script& m_script;
    Device m_next = 7;
    qint64 m_endsAt = 0;
};

} // namespace zornalit::testing
