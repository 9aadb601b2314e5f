#include "BusAddress.h"

#include <optional>

namespace zornalit {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> unescaped(std::string_view value)
{
    std::string result;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            result += value[i];
            continue;
        }
        if (i + 2 >= value.size())
            return std::nullopt;
        const int high = hexValue(value[i + 1]);
        const int low = hexValue(value[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        result += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return result;
}

BusAddress parseEntry(std::string_view entry)
{
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos || entry.substr(0, colon) != "unix")
        return {};
    BusAddress address;
    int sockets = 0;
    std::string_view rest = entry.substr(colon + 1);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view pair = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            return {};
        const std::string_view key = pair.substr(0, equals);
        const std::optional<std::string> value = unescaped(pair.substr(equals + 1));
        if (!value)
            return {};
        if (key == "path" || key == "abstract") {
            address.kind = key == "path" ? BusAddress::Kind::UnixPath : BusAddress::Kind::UnixAbstract;
            address.name = *value;
            ++sockets;
        } else if (key == "dir" || key == "tmpdir" || key == "runtime") {
            return {};
        }
    }
    // Exactly one socket makes an address a client can use.
    return sockets == 1 && !address.name.empty() ? address : BusAddress{};
}

} // namespace

std::vector<BusAddress> parseBusAddresses(std::string_view addresses)
{
    std::vector<BusAddress> entries;
    while (!addresses.empty()) {
        const std::size_t semicolon = addresses.find(';');
        const std::string_view entry = addresses.substr(0, semicolon);
        addresses = semicolon == std::string_view::npos ? std::string_view() : addresses.substr(semicolon + 1);
        if (!entry.empty())
            entries.push_back(parseEntry(entry));
    }
    return entries;
}

} // namespace zornalit
