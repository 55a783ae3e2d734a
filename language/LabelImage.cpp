#include "language/LabelImage.h"

#include "language/ReadProblems.h"
#include "model/GroupedCount.h"

#include <algorithm>

namespace quillset {

namespace {

void apply(std::uint8_t& to, std::uint8_t bits, std::uint8_t mask, LabelImage::Mode mode) {
    bits &= mask;
    switch (mode) {
    case LabelImage::Mode::Overwrite:
        to = static_cast<std::uint8_t>((to & ~mask) | bits);
        break;
    case LabelImage::Mode::Or:
        to |= bits;
        break;
    case LabelImage::Mode::Xor:
        to ^= bits;
        break;
    }
}

} // namespace

bool LabelImage::draw(int x, int y, DotPicture picture, Mode mode) {
    if (bytes_ + picture.bits.size() > kMaxLabelImageBytes)
        return false;
    bytes_ += picture.bits.size();
    drawn_.push_back({x, y, mode, std::move(picture)});
    return true;
}

void LabelImage::clear() {
    drawn_.clear();
    bytes_ = 0;
}

DotPicture LabelImage::compose(int width, int height) const {
    const bool fitWidth = width <= 0;
    const bool fitHeight = height <= 0;
    for (const Drawn& drawn : drawn_) {
        if (fitWidth)
            width = std::max(width, std::min(drawn.x + drawn.picture.width, kMaxReadDots));
        if (fitHeight)
            height = std::max(height, std::min(drawn.y + drawn.picture.height, kMaxReadDots));
    }
    // Without pictures a size left out stays 0: there is nothing to print.
    if (width <= 0 || height <= 0)
        return {};
    DotPicture label(width, height);
    const int labelRowBytes = label.rowBytes();
    for (const Drawn& drawn : drawn_) {
        const DotPicture& picture = drawn.picture;
        const int rowBytes = picture.rowBytes();
        const auto lastMask =
            static_cast<std::uint8_t>(0xFF00 >> (picture.width % 8 == 0 ? 8 : picture.width % 8));
        const int shift = drawn.x % 8;
        for (int y = 0; y < picture.height && drawn.y + y < height; ++y) {
            const std::uint8_t* from = picture.bits.data() + static_cast<std::size_t>(y) *
                                                                 static_cast<std::size_t>(rowBytes);
            std::uint8_t* to = label.row(drawn.y + y);
            for (int b = 0; b < rowBytes; ++b) {
                const int at = drawn.x / 8 + b;
                if (at >= labelRowBytes)
                    break;
                const std::uint8_t mask = b + 1 == rowBytes ? lastMask : 0xFF;
                apply(to[at], static_cast<std::uint8_t>(from[b] >> shift),
                      static_cast<std::uint8_t>(mask >> shift), drawn.mode);
                if (shift != 0 && at + 1 < labelRowBytes)
                    apply(to[at + 1], static_cast<std::uint8_t>(from[b] << (8 - shift)),
                          static_cast<std::uint8_t>(mask << (8 - shift)), drawn.mode);
            }
        }
    }
    if (width % 8 != 0) {
        const auto mask = static_cast<std::uint8_t>(0xFF00 >> (width % 8));
        for (int y = 0; y < height; ++y)
            label.row(y)[labelRowBytes - 1] &= mask;
    }
    return label;
}

void giveCopies(ReadOutcome& out, PrintedPage page, std::uint64_t copies, ReadProblems& problems,
                std::uint64_t offset) {
    std::size_t given = 0;
    for (const PrintedPage& earlier : out.pages)
        given += earlier.picture.bits.size();
    const std::size_t room = given < kMaxCopyBytes ? kMaxCopyBytes - given : 0;
    const std::uint64_t most = room / std::max<std::size_t>(page.picture.bits.size(), 1);
    if (copies > most) {
        problems.add(out, offset,
                     "only " + groupedCount(most) + " of " + groupedCount(copies) +
                         " copies given out, to keep within " + groupedCount(kMaxCopyBytes) +
                         " bytes at once");
        copies = most;
    }
    if (copies == 0)
        return;
    for (std::uint64_t i = 1; i < copies; ++i)
        out.pages.push_back(page);
    out.pages.push_back(std::move(page));
}

DotPicture pictureOfClearBits(int rowBytes, int rows, const std::vector<std::uint8_t>& data) {
    DotPicture picture(rowBytes * 8, rows);
    std::transform(data.begin(), data.end(), picture.bits.begin(),
                   [](std::uint8_t b) { return static_cast<std::uint8_t>(~b); });
    return picture;
}

} // namespace quillset
