#include "model/StyledText.h"

#include <algorithm>
#include <cstring>

namespace quillset {

void StyledText::clear() {
    chars.fill(0);
    attrs.fill(attr::kDefault);
}

std::size_t StyledText::length() const {
    return ::strnlen(chars.data(), kMaxFieldChars);
}

void StyledText::assign(std::string_view text, std::uint8_t attribute) {
    clear();
    text = text.substr(0, text.find('\0'));
    const std::size_t kept = std::min(text.size(), kMaxFieldChars);
    std::memcpy(chars.data(), text.data(), kept);
    std::fill_n(attrs.begin(), kept, attribute);
}

void StyledText::copyContentFrom(const StyledText& other) {
    chars = other.chars;
    attrs = other.attrs;
}

} // namespace quillset
