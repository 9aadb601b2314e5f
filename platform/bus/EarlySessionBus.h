#pragma once

#include <chrono>
#include <memory>
#include <thread>

namespace zornalit {

// On Linux desktops Qt's accessibility bridge opens the session bus the
// first time a control is given a name, and the main window names its
// controls as it builds them. Where no bus runs yet, opening one means
// launching it, which takes tens of milliseconds. Opening the bus from a
// helper thread as soon as the application exists lets the main thread
// load what the window needs (fonts, the icon engine) meanwhile; the bridge
// then finds the connection made, or waits only for the rest of it.
//
// A bus that takes connections but never answers (a stopped or hung
// daemon) would hold the bridge, and with it the main thread, for good: the
// bus library waits for the handshake without end. So the bus is first
// asked, within a bound, whether it answers at all; a silent bus is never
// opened, and the window comes up without the screen reader's bridge.
// Where Qt has no D-Bus (Windows), nothing is done.
class EarlySessionBus {
public:
    // How long the session bus is given to answer before it is taken as
    // silent: a working bus answers in a millisecond or so.
    static constexpr std::chrono::milliseconds answerBound{2000};

    // Must run before the application object exists and before any thread
    // is started, as it may change the environment: asks the session bus
    // whether it answers. If it is silent, points the bus library at no bus,
    // so that nothing in the program ever waits on it, and says so in one
    // line. Returns whether the bus may be opened.
    static bool turnAwayFromSilentBus();

    // Starts opening the bus, if it may be opened. Needs the application
    // object.
    explicit EarlySessionBus(bool mayOpen);
    // Waits a short while for the helper thread, which ends as soon as the
    // bus is open or has failed to open; a bus that stopped answering in
    // between does not keep the program from ending.
    ~EarlySessionBus();

    EarlySessionBus(const EarlySessionBus&) = delete;
    EarlySessionBus& operator=(const EarlySessionBus&) = delete;

private:
    struct Progress;
    std::shared_ptr<Progress> m_progress;
    std::thread m_opener;
};

// Told on the standard error when the session bus does not answer.
inline constexpr const char* silentBusMessage =
    "Сеансовая шина D-Bus не отвечает: окно открывается без поддержки программ чтения с экрана.";

} // namespace zornalit
