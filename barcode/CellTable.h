#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quillset {

// In place of the dots of a key that no entry carries: no cell has all bits
// set, as a cell is at most 57 dots.
inline constexpr std::uint64_t kNoCell = ~std::uint64_t{0};

// A symbology's cells: entries of a key byte followed by the cell's dots,
// packed eight to a byte, most significant bit first; when the width is not
// a multiple of 8, the first byte holds only its low-order bits. The last
// entry is the sentinel. Looking a key up takes the first entry that carries
// it.
struct CellTable {
    std::span<const std::uint8_t> bytes;
    std::span<const std::int16_t, 256> firstEntry; // offset of each key's entry, or -1
    std::span<const std::uint64_t, 256> firstDots; // that entry's dots, the first the highest,
                                                   // or kNoCell
    int width;                                     // dots per cell

    std::size_t entryBytes() const { return 1 + (static_cast<std::size_t>(width) + 7) / 8; }
    // The entry's dot bytes, or nullptr if no entry carries the key.
    const std::uint8_t* find(std::uint8_t key) const {
        const int at = firstEntry[key];
        return at < 0 ? nullptr : bytes.data() + at + 1;
    }
    // Dot i (0 = first along the reading direction) of the cell at `dots`.
    bool dot(const std::uint8_t* dots, int i) const {
        const int bit = static_cast<int>(entryBytes() - 1) * 8 - width + i;
        return (dots[bit / 8] & (0x80 >> (bit % 8))) != 0;
    }
};

} // namespace quillset
