// Asking the session bus whether it answers, before anything waits on it:
// the address list read as the bus library reads it, and the knock at a
// socket that answers, one that takes the connection and stays silent, and
// one that is not there.

#include "platform/bus/BusAddress.h"
#include "platform/bus/SessionBusProbe.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zornalit {
namespace {

using Kind = BusAddress::Kind;
using namespace std::chrono_literals;

TEST(BusAddress, ReadsTheSocketsOfAnAddressList)
{
    using List = std::vector<BusAddress>;
    EXPECT_EQ(parseBusAddresses("unix:path=/run/user/1000/bus"), (List{{Kind::UnixPath, "/run/user/1000/bus"}}));
    EXPECT_EQ(parseBusAddresses("unix:abstract=/tmp/dbus-x1,guid=0f3a"), (List{{Kind::UnixAbstract, "/tmp/dbus-x1"}}));
    EXPECT_EQ(parseBusAddresses("unix:guid=0f3a,path=/tmp/a%20b%3bc"), (List{{Kind::UnixPath, "/tmp/a b;c"}}));
    // Entries in order, the empty ones dropped, other kinds kept in place.
    EXPECT_EQ(parseBusAddresses("tcp:host=localhost,port=4;;unix:path=/x;autolaunch:"),
        (List{{}, {Kind::UnixPath, "/x"}, {}}));
    EXPECT_TRUE(parseBusAddresses("").empty());
}

TEST(BusAddress, TakesNothingItCannotConnectTo)
{
    for (const char* address : {"unix:tmpdir=/tmp", "unix:dir=/tmp", "unix:runtime=yes", "unix:path=/a,abstract=b",
             "unix:path=", "unix:path=/a%2", "unix:path=/a%zz", "unix:path", "disabled:", "unix"}) {
        const std::vector<BusAddress> read = parseBusAddresses(address);
        ASSERT_EQ(read.size(), 1u) << address;
        EXPECT_EQ(read[0].kind, Kind::Other) << address;
    }
}

// A listening socket in a folder of its own, with a queue of one.
class Listener {
public:
    Listener()
        : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
        , m_path(m_folder.filePath(QStringLiteral("bus")).toStdString())
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        m_path.copy(address.sun_path, sizeof address.sun_path - 1);
        if (::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(m_fd, 1) != 0)
            ADD_FAILURE() << "cannot listen at " << m_path;
    }
    ~Listener() { ::close(m_fd); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    int fd() const { return m_fd; }
    BusAddress address() const { return {Kind::UnixPath, m_path}; }

private:
    QTemporaryDir m_folder;
    int m_fd;
    std::string m_path;
};

TEST(SessionBusProbe, HearsABusThatAnswers)
{
    const Listener bus;
    std::thread daemon([&bus] {
        const int client = ::accept(bus.fd(), nullptr, nullptr);
        char opening[16];
        if (client >= 0 && ::read(client, opening, sizeof opening) > 0)
            (void)!::write(client, "REJECTED EXTERNAL\r\n", 19);
        ::close(client);
    });
    EXPECT_EQ(probeBus({bus.address()}, 5s), BusAnswer::Answered);
    daemon.join();
}

TEST(SessionBusProbe, GivesUpOnASilentBusWithinItsBound)
{
    const Listener bus; // never accepts, never answers
    for (int knock = 0; knock < 3; ++knock) {
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(probeBus({bus.address()}, 300ms), BusAnswer::Silent) << "knock " << knock;
        EXPECT_LT(std::chrono::steady_clock::now() - started, 3s) << "knock " << knock;
    }
}

TEST(SessionBusProbe, TriesTheEntriesInOrderAsTheBusLibraryDoes)
{
    const Listener bus;
    const BusAddress nowhere{Kind::UnixPath, "/nonexistent/zornalit/bus"};
    // Past an entry that cannot be reached, to the silent bus.
    EXPECT_EQ(probeBus({nowhere, bus.address()}, 200ms), BusAnswer::Silent);
    // Nothing reachable, or a kind it does not know first: the library's own.
    EXPECT_EQ(probeBus({nowhere}, 200ms), BusAnswer::NotProbed);
    EXPECT_EQ(probeBus({}, 200ms), BusAnswer::NotProbed);
    EXPECT_EQ(probeBus({BusAddress{}, bus.address()}, 200ms), BusAnswer::NotProbed);
}

} // namespace
} // namespace zornalit
