#include "barcode/BarcodeGeometry.h"
#include "barcode/BarcodeType.h"
#include "model/PageObject.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(BarcodeGeometry, Extent) {
    const struct {
        const char* why;
        int type, n, extent;
    } cases[] = {
        {"Code 39: (n + 4) x 32", barcode_type::kCode39, 3, 224},
        {"Code 128: 22n + 88, also for subset C", barcode_type::kCode128, 5, 198},
        {"I 2 of 5: odd n rounds up to a pair", barcode_type::kInterleaved2of5, 3, 152},
        {"I 2 of 5: even n", barcode_type::kInterleaved2of5, 16, 368},
        {"UPC-A: (n + 2) x 16", barcode_type::kUpcEan, 12, 224},
        {"Codabar: 24n + 60", barcode_type::kCodabar, 5, 180},
        {"unknown types measure as Code 39", 9, 3, 224},
        {"no data", barcode_type::kCode128, 0, 88},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarcodeExtent(c.type, c.n), c.extent) << c.why;
    }
}

TEST(BarcodeGeometry, BoundsFollowTheReadingDirection) {
    const struct {
        int angle;
        BarcodeBox box;
    } cases[] = {
        {0, {100, 200, 324, 260}}, {1, {100, -24, 160, 200}}, {2, {-124, 140, 100, 200}},
        {3, {40, 200, 100, 424}},  {7, {100, 200, 324, 260}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarcodeBounds(100, 200, c.angle, 224, 60), c.box) << "angle " << c.angle;
    }
}

TEST(BarcodeGeometry, HumanReadableOffset) {
    const struct {
        const char* why;
        int type, n, offset;
    } cases[] = {
        {"Code 39", barcode_type::kCode39, 3, 48 - 15 + 64},
        {"Code 128", barcode_type::kCode128, 3, 33 - 15 + 44},
        {"I 2 of 5: truncating twice", barcode_type::kInterleaved2of5, 3, 36 - 15 + 40},
        {"UPC-A", barcode_type::kUpcEan, 12, 96 - 60 + 16},
        {"Codabar", barcode_type::kCodabar, 5, 60 - 25 + 30},
        {"odd n truncates the text half", barcode_type::kCode128, 1, 11 - 5 + 44},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HumanReadableOffset(c.type, c.n), c.offset) << c.why;
    }
}

TEST(BarcodeGeometry, HumanReadableOriginLiesBeyondTheBars) {
    // Code 128 of 3 bytes: O = 62. UPC of 12 at height 60: O = 52, D = 80.
    const struct {
        const char* why;
        int type, n, angle;
        TextOrigin origin;
    } cases[] = {
        {"angle 0", barcode_type::kCode128, 3, 0, {162, 260}},
        {"angle 1", barcode_type::kCode128, 3, 1, {160, 138}},
        {"angle 2", barcode_type::kCode128, 3, 2, {38, 140}},
        {"angle 3", barcode_type::kCode128, 3, 3, {40, 262}},
        {"UPC/EAN lies beyond the guard extension", barcode_type::kUpcEan, 12, 0, {152, 280}},
        {"UPC/EAN at angle 3", barcode_type::kUpcEan, 12, 3, {20, 252}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(humanReadableOrigin(100, 200, c.angle, c.type, 60, c.n), c.origin) << c.why;
    }
}

} // namespace
} // namespace quillset
