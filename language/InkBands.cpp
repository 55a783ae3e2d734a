#include "language/InkBands.h"

#include <algorithm>

namespace quillset {

std::vector<RowBand> inkBands(const DotPictureView& picture, std::size_t maxBytes) {
    const auto rowBytes = static_cast<std::size_t>(picture.rowBytes);
    const int bandRows =
        static_cast<int>(std::max<std::size_t>(1, maxBytes / std::max<std::size_t>(rowBytes, 1)));
    const auto blank = [&](int y) {
        const std::uint8_t* row = picture.row(y);
        return std::all_of(row, row + rowBytes, [](std::uint8_t b) { return b == 0; });
    };
    std::vector<RowBand> bands;
    for (int y = 0; y < picture.height; ++y) {
        if (blank(y))
            continue;
        if (!bands.empty() && bands.back().top + bands.back().rows == y &&
            bands.back().rows < bandRows)
            ++bands.back().rows;
        else
            bands.push_back({y, 1});
    }
    return bands;
}

void appendInverted(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    out.reserve(out.size() + count);
    for (std::size_t i = 0; i < count; ++i)
        out += static_cast<char>(~bytes[i]);
}

} // namespace quillset
