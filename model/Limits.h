#pragma once

#include <cstddef>

namespace quillset {

// Fixed capacities of the page model. Past any of them data is cut or
// refused; nothing ever grows.
inline constexpr int kMaxObjects = 500;
inline constexpr std::size_t kFieldSize = 200; // bytes of a text field, zero included
inline constexpr std::size_t kMaxFieldChars = kFieldSize - 1;

// The page raster: the largest page any setting may describe.
inline constexpr int kRasterWidth = 832;
inline constexpr int kRasterHeight = 1248;
inline constexpr int kRasterRowBytes = kRasterWidth / 8;

} // namespace quillset
