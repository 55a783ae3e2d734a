#pragma once

#include <cstdint>

namespace quillset {

// Barcode symbologies, by the number a script gives them.
namespace barcode_type {
inline constexpr std::int32_t kCode39 = 1;
inline constexpr std::int32_t kCode128 = 2;
inline constexpr std::int32_t kInterleaved2of5 = 3;
inline constexpr std::int32_t kUpcEan = 4;
inline constexpr std::int32_t kCodabar = 5;
} // namespace barcode_type

} // namespace quillset
