#pragma once

#include <cstdint>

namespace quillset {

// A font text's style is a sum of these.
namespace fontstyle {
inline constexpr std::int32_t kBold = 1;
inline constexpr std::int32_t kItalic = 2;
inline constexpr std::int32_t kUnderline = 4;
inline constexpr std::int32_t kAll = kBold | kItalic | kUnderline;
} // namespace fontstyle

enum class FontAlign : std::int32_t { Left = 0, Centre = 1, Right = 2 };

// The em of a font text in dots: smaller is unreadable on thermal paper,
// larger than the tallest page.
inline constexpr int kMinFontSize = 6;
inline constexpr int kMaxFontSize = 600;

// The family drawn when none is named or the named one is not installed.
inline constexpr const char* kDefaultFontFamily = "DejaVu Sans";

} // namespace quillset
