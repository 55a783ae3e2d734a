#include "barcode/Interleaved2of5Encoder.h"

#include "barcode/CellTables.h"
#include "barcode/WorkingBuffer.h"

#include <algorithm>
#include <array>

namespace quillset {

namespace {
constexpr std::uint8_t kStart = 100;
constexpr std::uint8_t kStop = 101;
} // namespace

void EncodeInterleaved2of5(std::string_view data, BarPattern& bars) {
    data = data.substr(0, kWorkingBufferSize);
    std::array<std::uint8_t, kWorkingBufferSize> digits{};
    std::size_t n = 0;
    if (data.size() % 2 == 1) {
        digits[n++] = '0';
    }
    n = static_cast<std::size_t>(std::copy(data.begin(), data.end(), digits.begin() + n) -
                                 digits.begin());

    bars.appendCell(kInterleaved2of5Cells, kStart);
    for (std::size_t i = 0; i + 1 < n; i += 2) {
        const int pair = 10 * (digits[i] - '0') + (digits[i + 1] - '0');
        bars.appendCell(kInterleaved2of5Cells, static_cast<std::uint8_t>(pair));
    }
    bars.appendCell(kInterleaved2of5Cells, kStop);
    bars.writeEndMark();
}

} // namespace quillset
