#include "picture/ChosenDithering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace quillset {
namespace {

// A w x h picture, opaque unless `alpha` says otherwise, grey from `paint`.
GreyImage picture(int w, int h, const std::function<int(int, int)>& paint,
                  std::uint8_t alpha = 255) {
    GreyImage image{w, h, {}, {}};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.grey.push_back(static_cast<std::uint8_t>(paint(x, y)));
            image.alpha.push_back(alpha);
        }
    }
    return image;
}

// Distance from the centre of a 64 x 64 picture.
double radius(int x, int y) {
    return std::hypot(x - 31.5, y - 31.5);
}

TEST(ChosenDithering, ThresholdForBlackAndWhiteDiffusionForGreys) {
    const struct {
        const char* why;
        GreyImage image;
        Dithering dithering;
    } cases[] = {
        {"black and white stripes", picture(64, 64, [](int x, int) { return x / 8 % 2 ? 255 : 0; }),
         Dithering::Threshold},
        {"a grey ramp", picture(64, 16, [](int x, int) { return x * 4; }), Dithering::Diffusion},
        {"an icon of flat colours (greys by now) in a black outline",
         picture(64, 64,
                 [](int x, int y) {
                     if (x < 2 || y < 2 || x > 61 || y > 61)
                         return 0;
                     return x < 32 ? 76 : 150;
                 }),
         Dithering::Diffusion},
        {"a black disc whose edge is smoothed with a ring of greys",
         picture(64, 64,
                 [](int x, int y) {
                     const double r = radius(x, y);
                     return r < 20 ? 0 : r < 22 ? 128 : 255;
                 }),
         Dithering::Threshold},
        {"an edge blurred five pixels deep: its middle touches no black or white",
         picture(64, 64,
                 [](int x, int y) {
                     const double r = radius(x, y);
                     return r < 20 ? 0 : r < 25 ? 128 : 255;
                 }),
         Dithering::Diffusion},
        {"a scan's noise near black and white is no grey",
         picture(64, 64, [](int x, int y) { return (x + y) % 2 ? 20 : 240; }),
         Dithering::Threshold},
        {"a few greys in one small patch: 1 in 4,096 away from white",
         picture(64, 64,
                 [](int x, int y) { return x >= 10 && x < 13 && y >= 10 && y < 13 ? 90 : 255; }),
         Dithering::Threshold},
        {"black half see-through lies on white as grey",
         picture(
             64, 64, [](int, int) { return 0; }, 128),
         Dithering::Diffusion},
        {"black wholly see-through is white",
         picture(
             64, 64, [](int, int) { return 0; }, 0),
         Dithering::Threshold},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseDithering(c.image).dithering, c.dithering) << c.why;
}

TEST(ChosenDithering, SaysWhy) {
    EXPECT_EQ(chooseDithering(picture(8, 8, [](int x, int) { return x * 30; })).reason,
              "the picture has greys");
    EXPECT_EQ(chooseDithering(picture(8, 8, [](int, int) { return 0; })).reason,
              "the picture is black and white");
}

} // namespace
} // namespace quillset
