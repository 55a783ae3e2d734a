#pragma once

#include "barcode/CellTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quillset {

// One entry per printer dot along the reading direction: 0 is a space, 1 a
// bar. It ends at the first 'X' or after 832 entries. Nothing is ever
// written past the last entry: dots that do not fit are dropped.
// The entries are kept packed, 64 to a word, so that a row of the raster can
// be read off them a word at a time.
class BarPattern {
public:
    static constexpr std::size_t kCapacity = 832;
    static constexpr std::uint8_t kEndMark = 'X';

    // All spaces, write index 0.
    void clear();

    // The dots of the first entry keyed `key`; a key the table lacks
    // appends nothing. Answers whether an entry was found.
    bool appendCell(const CellTable& table, std::uint8_t key) {
        const std::uint64_t dots = table.firstDots[key];
        if (dots == kNoCell) {
            return false;
        }
        appendDots(dots, static_cast<std::size_t>(table.width));
        return true;
    }
    // `dots` spaces.
    void appendBlank(std::size_t dots) {
        const std::size_t n = dots < kCapacity - index_ ? dots : kCapacity - index_;
        dropped_ = dropped_ || n < dots;
        index_ += static_cast<std::uint32_t>(n);
        marked_ = marked_ && n == 0;
    }
    // The 'X' after the last dot, if there is room for it.
    void writeEndMark() { marked_ = index_ < kCapacity; }

    // Entries appended so far (at most kCapacity).
    std::size_t writeIndex() const { return index_; }
    // Whether dots were left out for want of room since the last clear().
    bool dropped() const { return dropped_; }
    // Entries before the end mark: what RenderPattern draws.
    std::size_t length() const { return marked_ ? index_ : kCapacity; }
    // 0, 1, or the end mark.
    std::uint8_t operator[](std::size_t i) const;
    // Byte k of `out` holds entries first + 8k to first + 8k + 7, the lowest
    // in the high bit; entries before 0 or from length() on are spaces.
    // `first` may lie up to 64 entries before entry 0.
    void readEights(int first, std::span<std::uint8_t> out) const;

private:
    // Appends the low `width` bits of `dots` (at most 57), the highest first.
    void appendDots(std::uint64_t dots, std::size_t width) {
        marked_ = false;
        const std::size_t fits = width < kCapacity - index_ ? width : kCapacity - index_;
        dropped_ = dropped_ || fits < width;
        if (fits == 0) {
            return;
        }
        // The dots that do not fit are the last ones.
        dots = (dots >> (width - fits)) & ((std::uint64_t{1} << fits) - 1);
        // The dots, moved to the top of a word, then split between the word
        // where they begin and the next; no branch on where the split falls.
        const std::size_t bit = kLeadBits + index_;
        std::uint64_t* at = words_.data() + bit / 64;
        const std::size_t used = bit % 64;
        const std::uint64_t top = dots << (64 - fits);
        at[0] |= top >> used;
        at[1] = top << (63 - used) << 1;
        index_ += static_cast<std::uint32_t>(fits);
    }

    // The 64 entries from `first` on (kLeadBits before entry 0 at the
    // earliest), the lowest in the high bit.
    std::uint64_t sixtyFour(int first) const;

    // A word of spaces before entry 0 and one after the last: entry i is bit
    // 63 - (64 + i) % 64 of word (64 + i) / 64. Bits from index_ on are
    // always 0.
    static constexpr std::size_t kLeadBits = 64;
    std::array<std::uint64_t, kCapacity / 64 + 2> words_{};
    // Not of the words' type, so that writing a word is not taken to change
    // it and it can stay in a register from one cell to the next.
    std::uint32_t index_ = 0;
    // The end mark stands at index_: nothing was appended over it since.
    bool marked_ = false;
    bool dropped_ = false;
};

// Filled in step with the BarPattern by the UPC/EAN encoder only: bars where
// the guard bars stand, so that they are drawn longer than the data bars.
using GuardPattern = BarPattern;

} // namespace quillset
