#include "language/SentPicture.h"

#include <cstring>

namespace quillset {

DotPictureView sentPicture(const DotPictureView& picture, int printWidth, DotPicture& copy) {
    if (picture.bits == nullptr || picture.width <= 0 || picture.height <= 0)
        return {};
    const int width = printWidth > 0 && printWidth < picture.width ? printWidth : picture.width;
    if (width == picture.width && width % 8 == 0 && picture.rowBytes == width / 8)
        return picture;
    copy = DotPicture(width, picture.height);
    const auto rowBytes = static_cast<std::size_t>(copy.rowBytes());
    const auto lastMask = static_cast<std::uint8_t>(0xFF00 >> (width % 8 == 0 ? 8 : width % 8));
    for (int y = 0; y < copy.height; ++y) {
        std::uint8_t* row = copy.row(y);
        std::memcpy(row, picture.row(y), rowBytes);
        row[rowBytes - 1] &= lastMask;
    }
    return copy.view();
}

} // namespace quillset
