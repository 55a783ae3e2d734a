#include "barcode/BarPattern.h"

#include <algorithm>

namespace quillset {

void BarPattern::clear() {
    entries_.fill(0);
    index_ = 0;
}

bool BarPattern::appendCell(const CellTable& table, std::uint8_t key) {
    const std::uint8_t* dots = table.find(key);
    if (dots == nullptr) {
        return false;
    }
    const std::size_t room = kCapacity - index_;
    const int fits =
        static_cast<int>(std::min<std::size_t>(room, static_cast<std::size_t>(table.width)));
    for (int i = 0; i < fits; ++i) {
        entries_[index_++] = table.dot(dots, i) ? 1 : 0;
    }
    return true;
}

void BarPattern::appendBlank(int dots) {
    const std::size_t n = std::min<std::size_t>(kCapacity - index_, static_cast<std::size_t>(dots));
    std::fill_n(entries_.begin() + static_cast<std::ptrdiff_t>(index_), n, std::uint8_t{0});
    index_ += n;
}

void BarPattern::writeEndMark() {
    if (index_ < kCapacity) {
        entries_[index_] = kEndMark;
    }
}

std::size_t BarPattern::length() const {
    const auto end = std::find(entries_.begin(), entries_.end(), kEndMark);
    return static_cast<std::size_t>(end - entries_.begin());
}

} // namespace quillset
