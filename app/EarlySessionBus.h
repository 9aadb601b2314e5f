#pragma once

#include <thread>

namespace zornalit {

// On Linux desktops Qt's accessibility bridge opens the session bus the
// first time a control is given a name, and the main window names its
// controls as it builds them. Where no bus runs yet, opening one means
// launching it, which takes tens of milliseconds. Opening the bus from a
// helper thread as soon as the application exists lets the main thread
// load what the window needs (fonts, the icon engine) meanwhile; the bridge
// then finds the connection made, or waits only for the rest of it.
// Where Qt has no D-Bus (Windows), nothing is done.
class EarlySessionBus {
public:
    // Starts opening the bus. Needs the application object.
    EarlySessionBus();
    // Waits for the helper thread, which ends as soon as the bus is open or
    // has failed to open.
    ~EarlySessionBus();

    EarlySessionBus(const EarlySessionBus&) = delete;
    EarlySessionBus& operator=(const EarlySessionBus&) = delete;

private:
    std::thread m_opener;
};

} // namespace zornalit
