#include "SessionBusProbe.h"

#include <cstdlib>

#ifndef _WIN32
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace zornalit {

#ifndef _WIN32

namespace {

class Socket {
public:
    Socket()
        : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0))
    {
    }
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

enum class Reached { Connected, Waiting, Unreachable };

Reached connectTo(const Socket& socket, const BusAddress& address)
{
    sockaddr_un target{};
    target.sun_family = AF_UNIX;
    const bool abstract = address.kind == BusAddress::Kind::UnixAbstract;
    // An abstract name starts after a zero byte and is not ended by one.
    const std::size_t offset = abstract ? 1 : 0;
    if (socket.fd() < 0 || address.name.size() + offset >= sizeof(target.sun_path))
        return Reached::Unreachable;
    std::memcpy(target.sun_path + offset, address.name.data(), address.name.size());
    const socklen_t length = static_cast<socklen_t>(
        offsetof(sockaddr_un, sun_path) + offset + address.name.size() + (abstract ? 0 : 1));
    int result;
    do
        result = ::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&target), length);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return Reached::Connected;
    // A full queue of connections not yet accepted: the bus takes none.
    return errno == EAGAIN ? Reached::Waiting : Reached::Unreachable;
}

// Whether anything comes back by the deadline: a bus that works answers the
// bare start of a handshake at once, listing the ways it accepts.
bool answers(const Socket& socket, std::chrono::steady_clock::time_point deadline)
{
    static constexpr char opening[] = "\0AUTH\r\n";
    if (::send(socket.fd(), opening, sizeof opening - 1, MSG_NOSIGNAL) < 0 && errno != EAGAIN)
        return true; // refused outright: the bus is there to refuse
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watched{socket.fd(), POLLIN, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0)
            return true; // an answer, a hang-up or an error: in any case not silence
        if (ready < 0 && errno != EINTR)
            return true;
    }
}

} // namespace

BusAnswer probeBus(const std::vector<BusAddress>& addresses, std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    for (const BusAddress& address : addresses) {
        // The bus library tries the entries in order and takes the first it
        // can connect to; one it cannot try here is left to it.
        if (address.kind == BusAddress::Kind::Other)
            return BusAnswer::NotProbed;
        const Socket socket;
        switch (connectTo(socket, address)) {
        case Reached::Unreachable:
            continue;
        case Reached::Waiting:
            return BusAnswer::Silent;
        case Reached::Connected:
            return answers(socket, deadline) ? BusAnswer::Answered : BusAnswer::Silent;
        }
    }
    return BusAnswer::NotProbed;
}

std::vector<BusAddress> sessionBusAddresses()
{
    const char* given = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (given && *given)
        return parseBusAddresses(given);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime)
        return {};
    const std::string path = std::string(runtime) + "/bus";
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode))
        return {};
    return {BusAddress{BusAddress::Kind::UnixPath, path}};
}

#else

BusAnswer probeBus(const std::vector<BusAddress>&, std::chrono::milliseconds)
{
    return BusAnswer::NotProbed;
}

std::vector<BusAddress> sessionBusAddresses()
{
    return {};
}

#endif

} // namespace zornalit
