#include "barcode/CellTableBuilder.h"
#include "barcode/CellTables.h"

#include <string_view>

namespace quillset {

namespace {

constexpr int kWidth = 36;
constexpr std::uint8_t kStartKey = 100;
constexpr std::uint8_t kStopKey = 101;
constexpr std::uint8_t kSentinelKey = 102;

// The widths of each digit's five elements, n narrow (1 module), w wide (3).
constexpr std::string_view kDigitWidths[10] = {
    "nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn",
};

// Pair 10a + b: the bars take their widths from digit a, the spaces from
// digit b, interleaved bar first.
constexpr auto pairModules(int a, int b) {
    std::array<char, kWidth / kDotsPerModule> modules{};
    std::size_t m = 0;
    for (std::size_t e = 0; e < 5; ++e) {
        for (int k = kDigitWidths[a][e] == 'w' ? 3 : 1; k > 0; --k) {
            modules[m++] = '1';
        }
        for (int k = kDigitWidths[b][e] == 'w' ? 3 : 1; k > 0; --k) {
            modules[m++] = '0';
        }
    }
    return modules;
}

constexpr auto buildTable() {
    constexpr std::size_t entry = kEntryBytes<kWidth>;
    std::array<std::uint8_t, 103 * entry> table{};
    for (int pair = 0; pair < 100; ++pair) {
        const auto modules = pairModules(pair / 10, pair % 10);
        packCell<kWidth>(table.data() + pair * entry, static_cast<std::uint8_t>(pair),
                         std::string_view(modules.data(), modules.size()));
    }
    packCell<kWidth>(table.data() + 100 * entry, kStartKey, "000000000000001010");
    packCell<kWidth>(table.data() + 101 * entry, kStopKey, "111010000000000000");
    packCell<kWidth>(table.data() + 102 * entry, kSentinelKey, "000000000000000000");
    return table;
}

constexpr auto kBytes = buildTable();
constexpr auto kIndex = indexKeys<kWidth>(kBytes);

} // namespace

constexpr CellTable kInterleaved2of5Cells{kBytes, kIndex.firstEntry, kIndex.firstDots, kWidth};

} // namespace quillset
