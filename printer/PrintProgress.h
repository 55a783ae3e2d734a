#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillset {

// A byte on the printer's 8N2 line: a start bit, eight data bits and two
// stop bits.
inline constexpr int kBitsPerByte = 11;

// Whole bytes the line carries in `milliseconds` at `baudRate`.
std::uint64_t lineBytes(std::uint32_t baudRate, std::int64_t milliseconds);
// Milliseconds the line needs for `bytes` at `baudRate`, rounded up.
std::int64_t lineMilliseconds(std::uint64_t bytes, std::uint32_t baudRate);

// What a print shows while it runs: "10,240 of 25,118 bytes, 14 s left",
// the time being what the rest takes on the line at `baudRate`; a rate of 0
// leaves the time out.
std::string progressText(std::uint64_t sent, std::uint64_t total, std::uint32_t baudRate);
// Without a line rate to tell the time left: "10,240 of 25,118 bytes".
std::string progressText(std::uint64_t sent, std::uint64_t total);

// "Printing cancelled after 10,240 of 25,118 bytes; the printer may hold
// part of the page."
std::string cancelledMessage(std::uint64_t sent, std::uint64_t total);

// Where a print of several pages (a batch's labels) stands: the pages the
// far end has taken whole, of how many, and the bytes it has taken of the
// page after them, of that page's size (0 while it is not yet made).
struct PrintPosition {
    long long taken = 0;
    long long pages = 0;
    std::uint64_t sent = 0;
    std::uint64_t size = 0;
    long long before = 0; // pages of the whole print sent before this one

    // The label under way, counted from 1: "label 37" until the 37th is
    // taken whole; the last once every one is.
    long long label() const;
    // The pages of the whole print.
    long long all() const { return before + pages; }
    bool operator==(const PrintPosition&) const = default;
};

// "Label 37 of 240: 10,240 of 25,118 bytes", or "Label 37 of 240" while
// that label is not yet made.
std::string progressText(const PrintPosition& position);
// "Printing cancelled in label 37 of 240, after 10,240 of 25,118 bytes; the
// printer may hold part of it.", or "Printing cancelled after 36 of 240
// labels." when the printer has nothing of the next.
std::string cancelledMessage(const PrintPosition& position);

// What a stopped batch may add to its stop.
struct StopNote {
    std::optional<long long> held; // the labels the printer holds, where it tells
    std::optional<int> record;     // the data file's record of the label stopped before
    // How to go on: "File > Print goes on from label 37 once the printer has
    // paper".
    std::string wayOn;
};

// "Stopped before label 37 of 240 (record 41): paper out. File > Print goes
// on from label 37 once the printer has paper." The labels this print sent
// are named where the stop does not tell them: a resumed batch's ("Labels
// 37-38 sent."), and those the printer holds ("Labels 1-36 sent; 34
// printed, 2 still in the printer."). For a single page "Nothing sent;
// stopped: paper out".
std::string stoppedMessage(const PrintPosition& position, const std::string& reason,
                           const StopNote& note = {});

} // namespace quillset
