#include "barcode/BarPattern.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quillset {

namespace {

void storeBigEndian(std::uint8_t* p, std::uint64_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        v = __builtin_bswap64(v);
    }
    std::memcpy(p, &v, 8);
}

} // namespace

void BarPattern::clear() {
    std::fill_n(packed_.begin() + kLead, (index_ + 7) / 8, std::uint8_t{0});
    index_ = 0;
    marked_ = false;
}

bool BarPattern::appendCell(const CellTable& table, std::uint8_t key) {
    if (table.firstEntry[key] < 0) {
        return false;
    }
    appendDots(table.firstDots[key], static_cast<std::size_t>(table.width));
    return true;
}

void BarPattern::appendDots(std::uint64_t dots, std::size_t width) {
    marked_ = false;
    const std::size_t fits = std::min(width, kCapacity - index_);
    if (fits == 0) {
        return;
    }
    // The dots that do not fit are the last ones.
    dots = (dots >> (width - fits)) & ((std::uint64_t{1} << fits) - 1);
    // A cell is at most 57 dots, so with the offset into its first byte it
    // fits one word. Of that word only the first byte's leading dots are
    // set already; everything after index_ is still 0.
    std::uint8_t* at = packed_.data() + kLead + index_ / 8;
    const std::size_t offset = index_ % 8;
    const std::uint64_t before = std::uint64_t{*at} << 56;
    storeBigEndian(at, before | dots << (64 - offset - fits));
    index_ += fits;
}

void BarPattern::appendBlank(int dots) {
    const std::size_t n = std::min<std::size_t>(kCapacity - index_, static_cast<std::size_t>(dots));
    index_ += n;
    marked_ = marked_ && n == 0;
}

void BarPattern::writeEndMark() {
    marked_ = index_ < kCapacity;
}

std::uint8_t BarPattern::operator[](std::size_t i) const {
    if (marked_ && i == index_) {
        return kEndMark;
    }
    return (packed_[kLead + i / 8] >> (7 - i % 8)) & 1;
}

void BarPattern::readEights(int first, std::span<std::uint8_t> out) const {
    // Entries from index_ on are spaces already, and byte 0 is the space
    // byte before entry 0: only reads off the storage need care. Byte k is
    // read from storage bytes base + k and base + k + 1.
    const int bit = first + 8 * static_cast<int>(kLead);
    const int base = bit >> 3;
    const int shift = bit & 7;
    const auto count = static_cast<int>(out.size());
    const int from = std::clamp(-base, 0, count);
    const int to = std::clamp(static_cast<int>(packed_.size()) - 1 - base, from, count);
    std::fill(out.begin(), out.begin() + from, std::uint8_t{0});
    std::fill(out.begin() + to, out.end(), std::uint8_t{0});
    for (int k = from; k < to; ++k) {
        const auto at = static_cast<std::size_t>(base + k);
        const unsigned pair = packed_[at] << 8 | packed_[at + 1];
        out[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(pair << shift >> 8);
    }
}

} // namespace quillset
