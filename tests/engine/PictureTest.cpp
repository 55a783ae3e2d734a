#include "picture/DrawPicture.h"
#include "picture/PictureImport.h"
#include "raster/PageRaster.h"

#include <gtest/gtest.h>

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
