#pragma once

#include "barcode/CellTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillset {

// Every symbology is drawn with a narrow module of 2 dots.
inline constexpr int kDotsPerModule = 2;

// One cell as the standards write it: modules, '1' a bar and '0' a space.
struct CellModules {
    std::uint8_t key;
    std::string_view modules;
};

template <int Width> inline constexpr std::size_t kEntryBytes = 1 + (Width + 7) / 8;

// Writes one entry (key, then the dots right-aligned in the dot bytes) at `entry`.
template <int Width>
constexpr void packCell(std::uint8_t* entry, std::uint8_t key, std::string_view modules) {
    if (modules.size() * kDotsPerModule != Width) {
        throw "a cell must have exactly Width / 2 modules";
    }
    constexpr std::size_t skip = (kEntryBytes<Width> - 1) * 8 - Width;
    entry[0] = key;
    for (std::size_t m = 0; m < modules.size(); ++m) {
        if (modules[m] != '1') {
            continue;
        }
        for (std::size_t d = 0; d < kDotsPerModule; ++d) {
            const std::size_t bit = skip + m * kDotsPerModule + d;
            entry[1 + bit / 8] |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
        }
    }
}

// A whole table in the layout CellTable reads, built while compiling.
template <int Width, std::size_t N>
constexpr std::array<std::uint8_t, N * kEntryBytes<Width>>
packCells(const CellModules (&cells)[N]) {
    std::array<std::uint8_t, N * kEntryBytes<Width>> table{};
    for (std::size_t i = 0; i < N; ++i) {
        packCell<Width>(table.data() + i * kEntryBytes<Width>, cells[i].key, cells[i].modules);
    }
    return table;
}

// Where the first entry of each key begins, -1 for keys no entry carries,
// and that entry's dots as one number: the table's own look-up rule, worked
// out while compiling.
struct KeyIndex {
    std::array<std::int16_t, 256> firstEntry;
    std::array<std::uint64_t, 256> firstDots;
};

template <int Width, std::size_t Bytes>
constexpr KeyIndex indexKeys(const std::array<std::uint8_t, Bytes>& table) {
    KeyIndex index{};
    index.firstEntry.fill(-1);
    index.firstDots.fill(kNoCell);
    for (std::size_t at = Bytes; at >= kEntryBytes<Width>;) {
        at -= kEntryBytes<Width>;
        index.firstEntry[table[at]] = static_cast<std::int16_t>(at);
        std::uint64_t dots = 0;
        for (std::size_t b = 1; b < kEntryBytes<Width>; ++b) {
            dots = dots << 8 | table[at + b];
        }
        index.firstDots[table[at]] = dots;
    }
    return index;
}

} // namespace quillset
