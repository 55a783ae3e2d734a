#include "printer/PrintTarget.h"

#include <charconv>

namespace quillset {

namespace {

std::optional<std::uint16_t> portNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

// "HOST", "HOST:PORT", "[V6]", "[V6]:PORT"; a bare IPv6 address (more than
// one colon) has no port.
std::optional<PrintTarget> tcpTarget(std::string_view text) {
    PrintTarget target{ConnectionKind::Tcp, {}, kRawPrintPort};
    std::string_view host = text;
    std::string_view port;
    if (text.starts_with('[')) {
        const auto close = text.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (!rest.starts_with(':'))
                return std::nullopt;
            port = rest.substr(1);
            if (port.empty())
                return std::nullopt;
        }
    } else if (const auto colon = text.find(':');
               colon != std::string_view::npos &&
               text.find(':', colon + 1) == std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty())
            return std::nullopt;
    }
    if (host.empty())
        return std::nullopt;
    if (!port.empty()) {
        const auto number = portNumber(port);
        if (!number)
            return std::nullopt;
        target.port = *number;
    }
    target.address = host;
    return target;
}

} // namespace

const ConnectionInfo& connectionInfo(ConnectionKind kind) {
    for (const ConnectionInfo& info : kConnections)
        if (info.kind == kind)
            return info;
    return kConnections[0];
}

std::optional<ConnectionKind> connectionNamed(std::string_view scheme) {
    for (const ConnectionInfo& info : kConnections)
        if (info.scheme == scheme)
            return info.kind;
    return std::nullopt;
}

std::optional<PrintTarget> parsePrintTarget(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto kind = connectionNamed(text.substr(0, colon));
    const std::string_view address = text.substr(colon + 1);
    if (!kind || address.empty())
        return std::nullopt;
    if (*kind == ConnectionKind::Tcp)
        return tcpTarget(address);
    return PrintTarget{*kind, std::string(address), kRawPrintPort};
}

std::string targetName(const PrintTarget& target) {
    if (target.kind != ConnectionKind::Tcp)
        return target.address;
    const bool v6 = target.address.find(':') != std::string::npos;
    return (v6 ? "[" + target.address + "]" : target.address) + ":" + std::to_string(target.port);
}

} // namespace quillset
