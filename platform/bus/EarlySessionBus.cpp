#include "EarlySessionBus.h"

#include "SessionBusProbe.h"

#ifdef ZORNALIT_SESSION_BUS
#include <QDBusConnection>
#endif

#include <QtGlobal>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <system_error>

namespace zornalit {

namespace {

// How long the end of the program waits for the helper thread.
constexpr std::chrono::milliseconds endBound{500};

} // namespace

struct EarlySessionBus::Progress {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
};

bool EarlySessionBus::turnAwayFromSilentBus()
{
#ifdef ZORNALIT_SESSION_BUS
    if (probeBus(sessionBusAddresses(), answerBound) != BusAnswer::Silent)
        return true;
    // An address of no known kind: the bus library refuses it at once, and
    // the accessibility bridge finds no bus instead of waiting on one.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    std::fputs(silentBusMessage, stderr);
    std::fputc('\n', stderr);
    return false;
#else
    return true;
#endif
}

EarlySessionBus::EarlySessionBus(bool mayOpen)
    : m_progress(std::make_shared<Progress>())
{
#ifdef ZORNALIT_SESSION_BUS
    if (!mayOpen)
        return;
    try {
        // Qt keeps the connection, shared by everyone who asks for it; a bus
        // that cannot be opened is the bridge's concern, as it would be
        // without this.
        m_opener = std::thread([progress = m_progress] {
            QDBusConnection::sessionBus();
            const std::lock_guard lock(progress->mutex);
            progress->done = true;
            progress->ended.notify_all();
        });
    } catch (const std::system_error&) {
        // No thread to spare: the bridge opens the bus itself, as it would.
    }
#else
    (void)mayOpen;
#endif
}

EarlySessionBus::~EarlySessionBus()
{
    if (!m_opener.joinable())
        return;
    std::unique_lock lock(m_progress->mutex);
    if (m_progress->ended.wait_for(lock, endBound, [this] { return m_progress->done; })) {
        lock.unlock();
        m_opener.join();
    } else {
        // Still in the bus library's hands, which holds no state of ours.
        m_opener.detach();
    }
}

} // namespace zornalit
