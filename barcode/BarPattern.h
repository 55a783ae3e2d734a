#pragma once

#include "barcode/CellTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quillset {

// One entry per printer dot along the reading direction: 0 is a space, 1 a
// bar. It ends at the first 'X' or after 832 entries. Nothing
// is ever written past the last entry: dots that do not fit are dropped.
// The entries are kept packed, eight to a byte, so that a row of the raster
// can be read off them a byte at a time.
class BarPattern {
public:
    static constexpr std::size_t kCapacity = 832;
    static constexpr std::uint8_t kEndMark = 'X';

    // All spaces, write index 0.
    void clear();

    // The dots of the first entry keyed `key`; a key the table lacks
    // appends nothing. Answers whether an entry was found.
    bool appendCell(const CellTable& table, std::uint8_t key);
    // `dots` spaces.
    void appendBlank(int dots);
    // The 'X' after the last dot, if there is room for it.
    void writeEndMark();

    // Entries appended so far (at most kCapacity).
    std::size_t writeIndex() const { return index_; }
    // Entries before the end mark: what RenderPattern draws.
    std::size_t length() const { return marked_ ? index_ : kCapacity; }
    // 0, 1, or the end mark.
    std::uint8_t operator[](std::size_t i) const;
    // Byte k of `out` holds entries first + 8k to first + 8k + 7, the lowest
    // in the high bit; entries before the first or from length() on are
    // spaces. `first` may start up to 7 entries before entry 0.
    void readEights(int first, std::span<std::uint8_t> out) const;

private:
    // Appends the low `width` bits of `dots`, the highest first.
    void appendDots(std::uint64_t dots, std::size_t width);

    // A space byte before entry 0 and room after the last for a word-wide
    // write: entry i is bit 7 - i % 8 of byte 1 + i / 8. Bits from index_ on
    // are always 0.
    static constexpr std::size_t kLead = 1;
    std::array<std::uint8_t, kLead + kCapacity / 8 + 8> packed_{};
    std::size_t index_ = 0;
    // The end mark stands at index_: nothing was appended over it since.
    bool marked_ = false;
};

// Filled in step with the BarPattern by the UPC/EAN encoder only: bars where
// the guard bars stand, so that they are drawn longer than the data bars.
using GuardPattern = BarPattern;

} // namespace quillset
