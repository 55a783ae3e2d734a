#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillset {

// Where a print goes: a serial line, a device or file (a USB printer's
// /dev/usb/lp0, a FIFO), a network printer's raw port, or a CUPS queue.
enum class ConnectionKind { Serial, File, Tcp, Cups };

inline constexpr std::uint16_t kRawPrintPort = 9100;

struct PrintTarget {
    ConnectionKind kind = ConnectionKind::Serial;
    // The serial port (COM1..COM99 or a device path), the file's path, the
    // host (a name or an address, IPv6 without brackets) or the queue.
    std::string address;
    std::uint16_t port = kRawPrintPort; // tcp only

    bool operator==(const PrintTarget&) const = default;
};

struct ConnectionInfo {
    ConnectionKind kind;
    std::string_view scheme; // before the colon in --to: "tcp"
    std::string_view label;  // for people: "Network"
};

inline constexpr ConnectionInfo kConnections[] = {
    {ConnectionKind::Serial, "serial", "Serial port"},
    {ConnectionKind::File, "file", "Device or file"},
    {ConnectionKind::Tcp, "tcp", "Network"},
    {ConnectionKind::Cups, "cups", "CUPS queue"},
};

const ConnectionInfo& connectionInfo(ConnectionKind kind);
std::optional<ConnectionKind> connectionNamed(std::string_view scheme);

// "serial:DEVICE", "file:PATH", "tcp:HOST[:PORT]" ("tcp:[::1]:9100" for
// IPv6) or "cups:QUEUE". Nothing when the text is none of these, the address
// is empty or the port is not 1..65535.
std::optional<PrintTarget> parsePrintTarget(std::string_view text);

// The target as messages name it: the device or path, "192.168.1.50:9100"
// ("[::1]:9100"), the queue's name.
std::string targetName(const PrintTarget& target);

} // namespace quillset
