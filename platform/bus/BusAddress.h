#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zornalit {

// One entry of a D-Bus address list ("unix:path=/run/user/1000/bus;tcp:…").
// Only the local sockets a client can connect to are told apart; every
// other kind (tcp, autolaunch, a folder to listen in) is Other.
struct BusAddress {
    enum class Kind { UnixPath, UnixAbstract, Other };
    Kind kind = Kind::Other;
    std::string name; // the socket's path or abstract name, unescaped

    bool operator==(const BusAddress&) const = default;
};

// The entries of an address list, in order; values are unescaped from their
// %XX form. An entry that cannot be read is Other.
std::vector<BusAddress> parseBusAddresses(std::string_view addresses);

} // namespace zornalit
