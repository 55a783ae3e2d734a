#include "barcode/BarPattern.h"

#include <algorithm>
#include <cstring>

namespace quillset {

void BarPattern::clear() {
    entries_.fill(0);
    index_ = 0;
}

namespace {

// Each byte of packed dots spread to one 0/1 entry per dot, eight entries a
// byte, with one more row so that an 8-byte read from inside the last row
// stays inside the table.
constexpr auto kSpread = [] {
    std::array<std::uint8_t, 257 * 8> spread{};
    for (std::size_t b = 0; b < 256; ++b) {
        for (std::size_t k = 0; k < 8; ++k) {
            spread[b * 8 + k] = static_cast<std::uint8_t>((b >> (7 - k)) & 1);
        }
    }
    return spread;
}();

} // namespace

bool BarPattern::appendCell(const CellTable& table, std::uint8_t key) {
    const std::uint8_t* dots = table.find(key);
    if (dots == nullptr) {
        return false;
    }
    const std::size_t dotBytes = table.entryBytes() - 1;
    const auto width = static_cast<std::size_t>(table.width);
    // The first byte carries only the cell's leading width mod 8 dots.
    const std::size_t skip = dotBytes * 8 - width;
    if (width > kCapacity - index_) {
        const std::size_t fits = kCapacity - index_;
        for (std::size_t i = 0; i < fits; ++i) {
            entries_[index_ + i] = kSpread[dots[(skip + i) / 8] * 8u + (skip + i) % 8];
        }
        index_ = kCapacity;
        return true;
    }
    // Eight entries at a time: the first copy runs skip entries into the
    // next byte's place, which the next copy then overwrites.
    std::uint8_t* out = entries_.data() + index_;
    std::memcpy(out, kSpread.data() + dots[0] * 8u + skip, 8);
    out += 8 - skip;
    for (std::size_t b = 1; b < dotBytes; ++b, out += 8) {
        std::memcpy(out, kSpread.data() + dots[b] * 8u, 8);
    }
    index_ += width;
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
    const void* end = std::memchr(entries_.data(), kEndMark, kCapacity);
    return end == nullptr
               ? kCapacity
               : static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - entries_.data());
}

} // namespace quillset
