#include "picture/Dither.h"

#include <array>

namespace quillset {

namespace {

class PackedRows {
public:
    PackedRows(int width, int height)
        : rowBytes_(static_cast<std::size_t>((width + 7) / 8))
        , rows_(rowBytes_ * static_cast<std::size_t>(height)) {}

    void setBlack(int x, int y) {
        rows_[static_cast<std::size_t>(y) * rowBytes_ + static_cast<std::size_t>(x / 8)] |=
            static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    std::vector<std::uint8_t> take() { return std::move(rows_); }

private:
    std::size_t rowBytes_;
    std::vector<std::uint8_t> rows_;
};

// Levels 2 to 254: 0 is below every one of them, 255 above.
constexpr std::array<std::array<std::uint8_t, 8>, 8> kBayer = [] {
    constexpr int index[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
    };
    std::array<std::array<std::uint8_t, 8>, 8> levels{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            levels[y][x] = static_cast<std::uint8_t>(index[y][x] * 4 + 2);
    return levels;
}();

void threshold(const std::vector<std::uint8_t>& grey, int width, int height, int level,
               PackedRows& out) {
    std::size_t i = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, ++i) {
            const int v = grey[i];
            if (v == 0 || (v < level && v < 255))
                out.setBlack(x, y);
        }
    }
}

void ordered(const std::vector<std::uint8_t>& grey, int width, int height, PackedRows& out) {
    std::size_t i = 0;
    for (int y = 0; y < height; ++y) {
        const auto& levels = kBayer[static_cast<std::size_t>(y % 8)];
        for (int x = 0; x < width; ++x, ++i) {
            if (grey[i] < levels[static_cast<std::size_t>(x % 8)])
                out.setBlack(x, y);
        }
    }
}

// Floyd and Steinberg's weights: 7/16 right, 3/16 below left, 5/16 below,
// 1/16 below right; errors in sixteenths, one row ahead.
void diffusion(const std::vector<std::uint8_t>& grey, int width, int height, PackedRows& out) {
    const auto w = static_cast<std::size_t>(width);
    std::vector<int> here(w + 2, 0);
    std::vector<int> below(w + 2, 0);
    std::size_t i = 0;
    for (int y = 0; y < height; ++y) {
        int right = 0;
        for (std::size_t x = 0; x < w; ++x, ++i) {
            const int value = grey[i] + (here[x + 1] + right) / 16;
            const bool black = value < 128;
            if (black)
                out.setBlack(static_cast<int>(x), y);
            const int error = value - (black ? 0 : 255);
            right = error * 7;
            below[x] += error * 3;
            below[x + 1] += error * 5;
            below[x + 2] += error;
        }
        here.swap(below);
        std::fill(below.begin(), below.end(), 0);
    }
}

} // namespace

std::vector<std::uint8_t> dither(const std::vector<std::uint8_t>& grey, int width, int height,
                                 Dithering dithering, int level) {
    PackedRows out(width, height);
    switch (dithering) {
    case Dithering::Threshold:
        threshold(grey, width, height, level, out);
        break;
    case Dithering::Ordered:
        ordered(grey, width, height, out);
        break;
    case Dithering::Diffusion:
        diffusion(grey, width, height, out);
        break;
    }
    return out.take();
}

} // namespace quillset
