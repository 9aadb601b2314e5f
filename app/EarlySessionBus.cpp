#include "EarlySessionBus.h"

#ifdef ZORNALIT_SESSION_BUS
#include <QDBusConnection>
#endif

#include <system_error>

namespace zornalit {

EarlySessionBus::EarlySessionBus()
{
#ifdef ZORNALIT_SESSION_BUS
    try {
        // Qt keeps the connection, shared by everyone who asks for it; a bus
        // that cannot be opened is the bridge's concern, as it would be
        // without this.
        m_opener = std::thread([] { QDBusConnection::sessionBus(); });
    } catch (const std::system_error&) {
        // No thread to spare: the bridge opens the bus itself, as it would.
    }
#endif
}

EarlySessionBus::~EarlySessionBus()
{
    if (m_opener.joinable())
        m_opener.join();
}

} // namespace zornalit
