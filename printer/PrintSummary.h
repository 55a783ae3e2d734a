#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillset {

// Where a print goes, as its progress shows it: "Printing to
// 192.168.1.50:9100 (ZPL)", "Printing to COM1 (/dev/ttyS0) at 9600 bit/s
// (Script)" when the line's rate is known.
std::string printingTo(std::string_view target, std::string_view language,
                       std::uint32_t baudRate = 0);

// What a finished print says, in the status bar and on the terminal:
// "Sent 24,512 bytes to 192.168.1.50:9100 (ZPL)".
std::string sentSummary(std::uint64_t bytes, std::string_view target, std::string_view language);

// What a finished batch says in the status bar: "Printed 6 labels to
// 127.0.0.1:9100 (ZPL)."; a batch resumed after its first `before` labels
// names those it printed of all `of`: "Printed labels 5-12 of 12 to ...".
std::string printedSummary(std::uint64_t labels, std::string_view target,
                           std::string_view language, std::uint64_t before = 0,
                           std::uint64_t of = 0);

} // namespace quillset
