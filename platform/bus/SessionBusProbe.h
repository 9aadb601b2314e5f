#pragma once

#include "BusAddress.h"

#include <chrono>
#include <vector>

namespace zornalit {

enum class BusAnswer {
    Answered,  // the bus spoke within the time allowed
    Silent,    // it took the connection, or let it wait, and said nothing
    NotProbed, // not a local socket, or none could be reached: left to the bus library
};

// Knocks at the first socket of the list that can be reached, as the bus
// library would connect to it, and waits at most bound for any answer to
// the opening of a handshake. A bus that is stopped or hung accepts the
// connection and never answers; the bus library would then wait for it
// without end.
BusAnswer probeBus(const std::vector<BusAddress>& addresses, std::chrono::milliseconds bound);

// Where the bus library looks for the session bus: the address the
// environment gives, or else the runtime folder's "bus" socket.
std::vector<BusAddress> sessionBusAddresses();

} // namespace zornalit
