#pragma once

#include "barcode/CellTable.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillset {

// One entry per printer dot along the reading direction: 0 is a space, 1 a
// bar. It ends at the first 'X' or after 832 entries. Nothing
// is ever written past the last entry: dots that do not fit are dropped.
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
    std::size_t length() const;
    std::uint8_t operator[](std::size_t i) const { return entries_[i]; }
    const std::uint8_t* data() const { return entries_.data(); }

private:
    std::array<std::uint8_t, kCapacity> entries_{};
    std::size_t index_ = 0;
};

// Filled in step with the BarPattern by the UPC/EAN encoder only: bars where
// the guard bars stand, so that they are drawn longer than the data bars.
using GuardPattern = BarPattern;

} // namespace quillset
