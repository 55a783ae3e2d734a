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

// A picture object: at most the widest page across and the tallest page
// down, so that a file's claims never ask for more.
inline constexpr int kMaxPictureWidth = kRasterWidth;
inline constexpr int kMaxPictureHeight = kRasterHeight;
// The longest source file name a picture's statement carries, escaped: the
// statement's line stays short of the long-line warning with any numbers.
inline constexpr std::size_t kMaxPictureSourceChars = 150;

} // namespace quillset
