#include "barcode/CellTable.h"

namespace quillset {

const std::uint8_t* CellTable::find(std::uint8_t key) const {
    const std::size_t step = entryBytes();
    for (std::size_t at = 0; at + step <= bytes.size(); at += step) {
        if (bytes[at] == key) {
            return bytes.data() + at + 1;
        }
    }
    return nullptr;
}

bool CellTable::dot(const std::uint8_t* dots, int i) const {
    const int bit = static_cast<int>(entryBytes() - 1) * 8 - width + i;
    return (dots[bit / 8] & (0x80 >> (bit % 8))) != 0;
}

} // namespace quillset
