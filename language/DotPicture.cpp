#include "language/DotPicture.h"

#include <cstring>

namespace quillset {

DotPicture::DotPicture(int width, int height)
    : width(width)
    , height(height)
    , bits(static_cast<std::size_t>(rowBytes()) * static_cast<std::size_t>(height)) {}

bool DotPicture::dot(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    return bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(rowBytes()) +
                static_cast<std::size_t>(x / 8)] &
           (0x80 >> (x % 8));
}

bool sameDots(const DotPictureView& a, const DotPictureView& b) {
    if (a.width != b.width || a.height != b.height)
        return false;
    const int whole = a.width / 8;
    const int rest = a.width % 8;
    const auto lastMask = static_cast<std::uint8_t>(0xFF00 >> rest);
    for (int y = 0; y < a.height; ++y) {
        const std::uint8_t* ra = a.row(y);
        const std::uint8_t* rb = b.row(y);
        if (std::memcmp(ra, rb, static_cast<std::size_t>(whole)) != 0)
            return false;
        if (rest != 0 && ((ra[whole] ^ rb[whole]) & lastMask) != 0)
            return false;
    }
    return true;
}

} // namespace quillset
