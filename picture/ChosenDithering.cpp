#include "picture/ChosenDithering.h"

#include <cstddef>
#include <vector>

namespace quillset {

namespace {

constexpr int kBlackBelow = 32;
constexpr int kWhiteAbove = 223;
// Greys away from every black or white pixel, in pixels per 100, that make
// a picture one with greys.
constexpr long long kGreysPerHundred = 1;

bool isGrey(std::uint8_t v) {
    return v >= kBlackBelow && v <= kWhiteAbove;
}

} // namespace

ChosenDithering chooseDithering(const GreyImage& image) {
    const int w = image.width;
    const int h = image.height;
    std::vector<bool> grey(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = isGrey(image.onWhite(i));
    const auto at = [w](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
               static_cast<std::size_t>(x);
    };
    const auto touchesBlackOrWhite = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < w && ny < h && !grey[at(nx, ny)])
                    return true;
            }
        }
        return false;
    };
    long long inner = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (grey[at(x, y)] && !touchesBlackOrWhite(x, y))
                ++inner;
        }
    }
    const long long pixels = static_cast<long long>(w) * h;
    if (inner * 100 > pixels * kGreysPerHundred)
        return {Dithering::Diffusion, "the picture has greys"};
    return {Dithering::Threshold, "the picture is black and white"};
}

} // namespace quillset
