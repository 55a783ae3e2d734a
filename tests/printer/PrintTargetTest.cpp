#include "printer/PrintTarget.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(PrintTarget, ParsesEachKindAndRefusesTheRest) {
    using K = ConnectionKind;
    const struct {
        const char* text;
        std::optional<PrintTarget> want;
        const char* name; // targetName of what was read
        const char* why;
    } cases[] = {
        {"serial:COM3", PrintTarget{K::Serial, "COM3"}, "COM3", "a port name"},
        {"file:/dev/usb/lp0", PrintTarget{K::File, "/dev/usb/lp0"}, "/dev/usb/lp0", "a device"},
        {"cups:Label_Printer", PrintTarget{K::Cups, "Label_Printer"}, "Label_Printer", "a queue"},
        {"tcp:192.168.1.50", PrintTarget{K::Tcp, "192.168.1.50", 9100}, "192.168.1.50:9100",
         "the raw port by default"},
        {"tcp:printer.local:6101", PrintTarget{K::Tcp, "printer.local", 6101}, "printer.local:6101",
         "a name and a port"},
        {"tcp:[::1]:9101", PrintTarget{K::Tcp, "::1", 9101}, "[::1]:9101", "IPv6 in brackets"},
        {"tcp:fe80::1", PrintTarget{K::Tcp, "fe80::1", 9100}, "[fe80::1]:9100",
         "bare IPv6: its colons are not a port"},
        {"tcp:host:0", std::nullopt, "", "port out of range"},
        {"tcp:host:65536", std::nullopt, "", "port out of range"},
        {"tcp:host:91x", std::nullopt, "", "port not a number"},
        {"tcp:[::1", std::nullopt, "", "unclosed bracket"},
        {"tcp::9100", std::nullopt, "", "no host"},
        {"file:", std::nullopt, "", "no path"},
        {"lpt:1", std::nullopt, "", "unknown kind"},
        {"/dev/usb/lp0", std::nullopt, "", "no kind"},
    };
    for (const auto& c : cases) {
        const auto got = parsePrintTarget(c.text);
        EXPECT_EQ(got, c.want) << c.text << ": " << c.why;
        if (got) {
            EXPECT_EQ(targetName(*got), c.name) << c.text;
        }
    }
}

} // namespace
} // namespace quillset
