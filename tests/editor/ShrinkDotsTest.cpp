#include "editor/ShrinkDots.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillset {
namespace {

// Rows of '#' (black) and '.' as a page picture packs them, each row padded
// to four bytes as a picture's rows are.
struct PackedDots {
    std::vector<std::uint8_t> bytes;
    DotRows rows;

    explicit PackedDots(const std::vector<std::string>& picture) {
        const int width = picture.empty() ? 0 : static_cast<int>(picture.front().size());
        const std::ptrdiff_t stride = (width + 31) / 32 * 4;
        bytes.assign(static_cast<std::size_t>(stride) * picture.size(), 0);
        for (std::size_t y = 0; y < picture.size(); ++y)
            for (std::size_t x = 0; x < picture[y].size(); ++x)
                if (picture[y][x] == '#')
                    bytes[y * static_cast<std::size_t>(stride) + x / 8] |=
                        static_cast<std::uint8_t>(0x80u >> (x % 8));
        rows = {bytes.data(), stride, width, static_cast<int>(picture.size())};
    }
};

std::vector<std::vector<int>> greyRows(const GreyPixels& shown) {
    std::vector<std::vector<int>> rows(static_cast<std::size_t>(shown.height));
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            rows[static_cast<std::size_t>(y)].push_back(shown.at(x, y));
    return rows;
}

TEST(ShrinkDots, EachPixelIsTheShareOfBlackItCovers) {
    const struct {
        const char* why;
        std::vector<std::string> dots;
        Point origin;
        int zoom;
        Point firstPixel;
        std::vector<std::vector<int>> grey;
    } cases[] = {
        {"one black dot of a 2 x 2 block is a quarter grey",
         {"#.", ".."},
         {0, 0},
         50,
         {0, 0},
         {{191}}},
        {"a checkerboard is an even mid grey, not a coarser checkerboard",
         {"#.#.", ".#.#", "#.#.", ".#.#"},
         {0, 0},
         50,
         {0, 0},
         {{127, 127}, {127, 127}}},
        {"a line one dot wide still shows at 25 %",
         {".#..", ".#..", ".#..", ".#.."},
         {0, 0},
         25,
         {0, 0},
         {{191}}},
        {"the margins are white paper sharing the first pixels",
         {"#.", ".."},
         {1, 1},
         50,
         {0, 0},
         {{191, 255}, {255, 255}}},
        {"a dot across a pixel boundary shares itself by the length in each",
         {".#"},
         {0, 0},
         75,
         {0, 0},
         {{207, 159}}},
        {"paper beyond the last dot is white",
         {"####", "####"},
         {1, 0},
         50,
         {0, 0},
         {{127, 0, 127}}},
        {"the first pixel is the one the page's first dot lies in",
         {"#"},
         {3, 5},
         50,
         {1, 2},
         {{191}}},
        {"at 100 % each dot is its own pixel",
         {"#.", ".#"},
         {2, 0},
         100,
         {2, 0},
         {{0, 255}, {255, 0}}},
        {"white bytes are skipped, the dot after them counted",
         {"........"
          "........"
          ".......#"},
         {0, 0},
         50,
         {0, 0},
         {{255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 191}}},
    };
    for (const auto& c : cases) {
        const PackedDots dots(c.dots);
        const GreyPixels shown = shrinkDots(dots.rows, c.origin, c.zoom);
        EXPECT_EQ(shown.left, c.firstPixel.x) << c.why;
        EXPECT_EQ(shown.top, c.firstPixel.y) << c.why;
        EXPECT_EQ(greyRows(shown), c.grey) << c.why;
    }
}

} // namespace
} // namespace quillset
