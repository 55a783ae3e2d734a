#include "barcode/CodabarEncoder.h"

#include "barcode/CellTables.h"

namespace quillset {

namespace {
constexpr std::uint8_t kBlankCell = ' ';
} // namespace

void EncodeCodabar(std::string_view data, BarPattern& bars) {
    bars.appendCell(kCodabarCells, kBlankCell);
    for (const char c : data) {
        bars.appendCell(kCodabarCells, static_cast<std::uint8_t>(c));
    }
    bars.appendCell(kCodabarCells, kBlankCell);
    bars.writeEndMark();
}

} // namespace quillset
