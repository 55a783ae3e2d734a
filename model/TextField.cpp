#include "model/TextField.h"

#include <algorithm>
#include <cstring>

namespace quillset {

void TextField::assign(std::string_view text) {
    bytes_.fill(0);
    // A zero inside the text ends the field, as it would end a C string.
    text = text.substr(0, text.find('\0'));
    const std::size_t kept = std::min(text.size(), kMaxFieldChars);
    std::memcpy(bytes_.data(), text.data(), kept);
}

void TextField::replaceLast(char c) {
    const std::size_t size = view().size();
    if (size > 0 && c != '\0') {
        bytes_[size - 1] = c;
    }
}

std::string_view TextField::view() const {
    return std::string_view(bytes_.data(), std::strlen(bytes_.data()));
}

} // namespace quillset
