#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillset {

// A 1-bit picture as a raster printer takes it: rows top to bottom, each
// `rowBytes` bytes, the leftmost dot in the high bit of the row's first byte,
// a set bit prints. Bits past `width` in a row's last byte are not part of
// the picture.
struct DotPictureView {
    const std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int rowBytes = 0;

    const std::uint8_t* row(int y) const {
        return bits + static_cast<std::size_t>(y) * static_cast<std::size_t>(rowBytes);
    }
};

// A picture that owns its bits, packed to whole bytes per row; what the
// readers of the printer languages make of what they receive.
struct DotPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits; // height * rowBytes()

    DotPicture() = default;
    DotPicture(int width, int height);

    int rowBytes() const { return (width + 7) / 8; }
    DotPictureView view() const { return {bits.data(), width, height, rowBytes()}; }
    std::uint8_t* row(int y) {
        return bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rowBytes());
    }
    bool dot(int x, int y) const;

    bool operator==(const DotPicture&) const = default;
};

// The same dots, whatever the row padding: equal sizes and every dot inside
// the width alike.
bool sameDots(const DotPictureView& a, const DotPictureView& b);

} // namespace quillset
