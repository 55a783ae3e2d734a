#include "language/SentPicture.h"

#include <cstring>

namespace quillset {

DotPicture sentPicture(const DotPictureView& picture, int printWidth) {
    if (picture.bits == nullptr || picture.width <= 0 || picture.height <= 0)
        return {};
    const int width = printWidth > 0 && printWidth < picture.width ? printWidth : picture.width;
    DotPicture sent(width, picture.height);
    const auto rowBytes = static_cast<std::size_t>(sent.rowBytes());
    const auto lastMask = static_cast<std::uint8_t>(0xFF00 >> (width % 8 == 0 ? 8 : width % 8));
    for (int y = 0; y < sent.height; ++y) {
        std::uint8_t* row = sent.row(y);
        std::memcpy(row, picture.row(y), rowBytes);
        row[rowBytes - 1] &= lastMask;
    }
    return sent;
}

} // namespace quillset
