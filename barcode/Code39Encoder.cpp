#include "barcode/Code39Encoder.h"

#include "barcode/CellTables.h"

namespace quillset {

namespace {
constexpr std::uint8_t kQuietZone = '!';
constexpr std::uint8_t kStartStop = '#';
} // namespace

void encodeCode39(std::string_view data, BarPattern& bars) {
    bars.appendCell(kCode39Cells, kQuietZone);
    bars.appendCell(kCode39Cells, kStartStop);
    for (const char c : data) {
        bars.appendCell(kCode39Cells, static_cast<std::uint8_t>(c));
    }
    bars.appendCell(kCode39Cells, kStartStop);
    bars.appendCell(kCode39Cells, kQuietZone);
    bars.writeEndMark();
}

} // namespace quillset
