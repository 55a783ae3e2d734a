#include "barcode/BarPattern.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quillset {

void BarPattern::clear() {
    std::fill_n(words_.begin(), (kLeadBits + index_ + 63) / 64, std::uint64_t{0});
    index_ = 0;
    marked_ = false;
    dropped_ = false;
}

std::uint8_t BarPattern::operator[](std::size_t i) const {
    if (marked_ && i == index_) {
        return kEndMark;
    }
    const std::size_t bit = kLeadBits + i;
    return static_cast<std::uint8_t>((words_[bit / 64] >> (63 - bit % 64)) & 1);
}

std::uint64_t BarPattern::sixtyFour(int first) const {
    const auto bit = static_cast<std::size_t>(first + static_cast<int>(kLeadBits));
    const std::size_t word = bit / 64;
    const std::size_t shift = bit % 64;
    if (word >= words_.size()) {
        return 0;
    }
    if (shift == 0) {
        return words_[word];
    }
    const std::uint64_t next = word + 1 < words_.size() ? words_[word + 1] : 0;
    return words_[word] << shift | next >> (64 - shift);
}

void BarPattern::readEights(int first, std::span<std::uint8_t> out) const {
    // Entries from index_ on are spaces already, and the words before entry
    // 0 and after the last hold only spaces: only reads off the storage need
    // care. Eight bytes are one word, the lowest entries in its high byte.
    std::size_t k = 0;
    for (; k + 8 <= out.size(); k += 8) {
        std::uint64_t eights = sixtyFour(first + 8 * static_cast<int>(k));
        if constexpr (std::endian::native == std::endian::little) {
            eights = __builtin_bswap64(eights);
        }
        std::memcpy(out.data() + k, &eights, 8);
    }
    if (k < out.size()) {
        const std::uint64_t eights = sixtyFour(first + 8 * static_cast<int>(k));
        for (std::size_t b = 0; k + b < out.size(); ++b) {
            out[k + b] = static_cast<std::uint8_t>(eights >> (56 - 8 * b));
        }
    }
}

} // namespace quillset
