#pragma once

#include "model/Limits.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quillset {

// Bits of a character's attribute byte.
namespace attr {
inline constexpr std::uint8_t kFontMask = 0x0F;
inline constexpr std::uint8_t kBold = 16;
inline constexpr std::uint8_t kUnderline = 32;
inline constexpr std::uint8_t kDoubleWidth = 64;
inline constexpr std::uint8_t kDoubleHeight = 128;
inline constexpr std::uint8_t kDefault = 3; // font 3, no styles
} // namespace attr

// Decoded text: printer-code-page characters, each with its attribute byte.
// A line feed starts a new line of text. At most 199 characters; the rest of
// `chars` is zero.
struct StyledText {
    std::array<char, kFieldSize> chars{};
    std::array<std::uint8_t, kFieldSize> attrs{};
    // Where the literal's quotes stood in the source line; only the reader's
    // own buffer fills these, and copies between objects leave them alone.
    int openQuote = 0;
    int closeQuote = 0;

    StyledText() { clear(); }

    void clear();
    std::size_t length() const;
    std::string_view text() const { return std::string_view(chars.data(), length()); }

    // Replaces the characters, cut to 199, all with one attribute.
    void assign(std::string_view text, std::uint8_t attribute = attr::kDefault);

    // Characters and attributes only: what an object keeps of the reader's buffer.
    void copyContentFrom(const StyledText& other);

    bool sameContent(const StyledText& other) const {
        return chars == other.chars && attrs == other.attrs;
    }
};

} // namespace quillset
