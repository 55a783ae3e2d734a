#include "model/GroupedCount.h"

namespace quillset {

std::string groupedCount(std::uint64_t count) {
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

} // namespace quillset
