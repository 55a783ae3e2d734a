#include "picture/DrawPicture.h"
#include "picture/Dither.h"
#include "picture/PictureImport.h"
#include "picture/Resample.h"
#include "raster/PageRaster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace quillset {
namespace {

GreyImage imageOf(int width, int height, const std::function<int(int, int)>& grey,
                  const std::function<int(int, int)>& alpha = [](int, int) { return 255; }) {
    GreyImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.grey.push_back(static_cast<std::uint8_t>(grey(x, y)));
            image.alpha.push_back(static_cast<std::uint8_t>(alpha(x, y)));
        }
    }
    return image;
}

double blackShare(const Picture& p) {
    int black = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            black += p.black(x, y) ? 1 : 0;
    return static_cast<double>(black) / (p.width * p.height);
}

const auto kChecker = [](int x, int y) { return ((x / 3 + y / 2) % 2) * 255; };

TEST(PictureImport, Cases) {
    const GreyImage flat100 = imageOf(40, 20, [](int, int) { return 100; });
    const GreyImage gradient = imageOf(256, 64, [](int x, int) { return x; });
    const GreyImage photo = imageOf(300, 200, [](int x, int y) {
        return static_cast<int>(127.5 + 127.5 * std::sin(x * 0.05) * std::cos(y * 0.07));
    });
    const GreyImage checker = imageOf(37, 23, kChecker);
    const GreyImage seeThrough = imageOf(16, 16, [](int, int) { return 0; },
                                         [](int x, int) { return x < 8 ? 0 : 255; });
    const GreyImage halfSeen = imageOf(16, 16, [](int, int) { return 0; },
                                       [](int, int) { return 128; });
    const GreyImage halves = imageOf(400, 100, [](int x, int) { return x < 200 ? 0 : 255; });
    const GreyImage dot = imageOf(2, 2, [](int x, int y) { return x == 0 && y == 0 ? 0 : 255; });

    // `expected`: the share of black dots; `within` how near it must be.
    const struct {
        const char* why;
        const GreyImage& image;
        int width;
        Dithering dithering;
        int level;
        double expected;
        double within;
    } cases[] = {
        {"grey 100 is below level 128: all black", flat100, 40, Dithering::Threshold, 128, 1, 0},
        {"grey 100 is not below level 100: all white", flat100, 40, Dithering::Threshold, 100, 0,
         0},
        {"level 0 still prints pure black", checker, 37, Dithering::Threshold, 0, 0.5, 0.03},
        {"level 255 still leaves pure white", checker, 37, Dithering::Threshold, 255, 0.5, 0.03},
        {"a gradient halves at level 128", gradient, 256, Dithering::Threshold, 128, 0.5, 0.01},
        {"a gradient at level 64 is a quarter black", gradient, 256, Dithering::Threshold, 64,
         0.25, 0.01},
        {"ordered keeps the mean grey", gradient, 256, Dithering::Ordered, 128, 0.5, 0.02},
        {"diffusion keeps the mean grey", gradient, 256, Dithering::Diffusion, 128, 0.5, 0.02},
        {"ordered keeps grey 100's share", flat100, 40, Dithering::Ordered, 128, 155.0 / 255,
         0.02},
        {"diffusion keeps grey 100's share", flat100, 40, Dithering::Diffusion, 128,
         155.0 / 255, 0.02},
        {"diffusion keeps a photo's mean when scaled down", photo, 150, Dithering::Diffusion, 128,
         0.5, 0.02},
        {"ordered keeps a photo's mean when scaled up", photo, 600, Dithering::Ordered, 128, 0.5,
         0.02},
        {"the transparent half lies on white", seeThrough, 16, Dithering::Threshold, 128, 0.5, 0},
        {"half seen black is mid grey on white", halfSeen, 16, Dithering::Diffusion, 128, 0.5,
         0.02},
        {"scaled down, black and white halves stay halves", halves, 100, Dithering::Threshold,
         128, 0.5, 0},
        {"scaled up, one black pixel of four stays a quarter", dot, 40, Dithering::Threshold, 128,
         0.25, 0.03},
    };
    for (const auto& c : cases) {
        const PictureSize size = importSize(c.image.width, c.image.height, c.width);
        const Picture p = importPicture(c.image, size, c.dithering, c.level);
        ASSERT_EQ(p.width, c.width) << c.why;
        EXPECT_EQ(p.height, std::lround(c.width * static_cast<double>(c.image.height) /
                                        c.image.width))
            << c.why;
        EXPECT_NEAR(blackShare(p), c.expected, c.within) << c.why;
    }
}

TEST(PictureImport, BlackAndWhiteAtItsOwnSizeStaysExact) {
    const GreyImage checker = imageOf(37, 23, kChecker);
    for (const Dithering d : {Dithering::Threshold, Dithering::Ordered, Dithering::Diffusion}) {
        for (const int level : {0, 1, 128, 255}) {
            const Picture p = importPicture(checker, {37, 23}, d, level);
            for (int y = 0; y < 23; ++y)
                for (int x = 0; x < 37; ++x)
                    ASSERT_EQ(p.black(x, y), kChecker(x, y) == 0)
                        << static_cast<int>(d) << " level " << level << " at " << x << ',' << y;
        }
    }
}

TEST(PictureImport, SizeKeepsTheAspectWithinTheLargestPicture) {
    EXPECT_EQ(importSize(2000, 3000, 832), (PictureSize{832, 1248}));
    EXPECT_EQ(importSize(100, 50, 5000), (PictureSize{832, 416}));
    EXPECT_EQ(importSize(100, 1000, 400), (PictureSize{125, 1248}));
    EXPECT_EQ(importSize(1000, 1, 10), (PictureSize{10, 1}));
}

// The share of source pixel i (spanning [i, i + 1)) inside output dot o
// (spanning [o, o + 1) * from / to), in units of 1 / to of a pixel: whole
// numbers, so that the average below is exact.
long long coverByHand(int o, int i, int from, int to) {
    const long long begin = std::max<long long>(static_cast<long long>(o) * from,
                                                static_cast<long long>(i) * to);
    const long long end = std::min<long long>(static_cast<long long>(o + 1) * from,
                                              static_cast<long long>(i + 1) * to);
    return std::max<long long>(0, end - begin);
}

// Scaled down, each dot is the mean of the pixels under it, the pixels at
// its edges counted by the part of them it covers: worked out here with
// whole numbers, pixel by pixel.
TEST(PictureImport, ScaledDownEachDotIsTheMeanOfTheAreaItCovers) {
    const auto busy = [](int x, int y) { return (x * 37 + y * 91 + x * y) % 256; };
    const struct {
        const char* why;
        int width, height; // of the image
        int toWidth, toHeight;
    } cases[] = {
        {"37/100 each way", 100, 100, 37, 37},
        {"2/3 each way", 9, 6, 6, 4},
        {"2/3 of a wider image", 30, 12, 20, 8},
        {"37/100 across, 2/3 down", 100, 9, 37, 6},
        {"2/3 across, the height kept", 12, 5, 8, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const GreyImage image = imageOf(c.width, c.height, busy);
        const std::vector<std::uint8_t> out = resample(image, c.toWidth, c.toHeight);
        ASSERT_EQ(out.size(), static_cast<std::size_t>(c.toWidth * c.toHeight));
        for (int oy = 0; oy < c.toHeight; ++oy) {
            for (int ox = 0; ox < c.toWidth; ++ox) {
                long long sum = 0;
                for (int y = 0; y < c.height; ++y) {
                    const long long down = coverByHand(oy, y, c.height, c.toHeight);
                    for (int x = 0; x < c.width; ++x)
                        sum += busy(x, y) * down * coverByHand(ox, x, c.width, c.toWidth);
                }
                const double mean = static_cast<double>(sum) / c.width / c.height;
                EXPECT_NEAR(out[static_cast<std::size_t>(oy * c.toWidth + ox)], mean, 0.501)
                    << "dot " << ox << ',' << oy;
            }
        }
    }
}

// Floyd and Steinberg's diffusion as it is written in the literature, on a
// whole grid of errors kept in sixteenths: a dot is black below 128, its
// error (its grey with what it was given, less 0 or 255) goes 7 to the
// right, 3 below left, 5 below and 1 below right, each row left to right;
// a dot takes what it was given divided by 16, toward zero.
std::vector<bool> floydSteinbergByHand(const std::vector<std::uint8_t>& grey, int width,
                                       int height) {
    std::vector<std::vector<int>> given(static_cast<std::size_t>(height) + 1,
                                        std::vector<int>(static_cast<std::size_t>(width) + 2, 0));
    std::vector<bool> black;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int value = grey[static_cast<std::size_t>(y * width + x)] + given[y][x + 1] / 16;
            const bool dot = value < 128;
            black.push_back(dot);
            const int error = value - (dot ? 0 : 255);
            if (x + 1 < width)
                given[y][x + 2] += 7 * error;
            given[y + 1][x] += 3 * error;
            given[y + 1][x + 1] += 5 * error;
            given[y + 1][x + 2] += error;
        }
    }
    return black;
}

TEST(PictureImport, DiffusionIsFloydAndSteinbergDotForDot) {
    const struct {
        const char* why;
        int width, height;
        std::function<int(int, int)> grey;
    } cases[] = {
        {"a ramp across, darker down", 32, 6, [](int x, int y) { return x * 7 + y * 3; }},
        {"a ramp down", 9, 16, [](int, int y) { return y * 16 + 7; }},
        {"flat grey 100, a width of no whole bytes", 13, 7, [](int, int) { return 100; }},
        {"light grey, where the errors are small", 20, 5, [](int x, int) { return 200 + x; }},
        {"a diagonal ramp", 17, 17, [](int x, int y) { return (x + y) * 7; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<std::uint8_t> grey;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                grey.push_back(static_cast<std::uint8_t>(c.grey(x, y)));
        const std::vector<std::uint8_t> rows =
            dither(grey, c.width, c.height, Dithering::Diffusion, 128);
        const int rowBytes = (c.width + 7) / 8;
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(rowBytes * c.height));
        const std::vector<bool> expected = floydSteinbergByHand(grey, c.width, c.height);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const bool dot = (rows[static_cast<std::size_t>(y * rowBytes + x / 8)] >>
                                  (7 - x % 8)) & 1;
                EXPECT_EQ(dot, expected[static_cast<std::size_t>(y * c.width + x)])
                    << "dot " << x << ',' << y;
            }
        }
    }
}

// A page at the widest setting with a picture drawn on it, against the dots
// set one at a time.
TEST(DrawPicture, EveryDotLandsWhereItBelongsAndNothingElseChanges) {
    const GreyImage checker = imageOf(37, 23, kChecker);
    const Picture p = importPicture(checker, {37, 23}, Dithering::Threshold, 128);
    for (const auto& at : {std::pair{0, 0}, {8, 3}, {13, 5}, {-5, -4}, {820, 1240}, {-40, 0}}) {
        auto raster = std::make_unique<PageRaster>();
        raster->settings.reset(4);
        raster->Clear();
        FillArea(*raster, 0, 0, 831, 1247, 1); // black under it all
        auto expected = std::make_unique<PageRaster>(*raster);
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                expected->SetDot(at.first + x, at.second + y, p.black(x, y) ? 1 : 0);
        DrawPicture(*raster, at.first, at.second, p);
        EXPECT_EQ(raster->bits, expected->bits) << at.first << ',' << at.second;
    }
}

} // namespace
} // namespace quillset
