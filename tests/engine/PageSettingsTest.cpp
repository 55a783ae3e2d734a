#include "model/PageSettings.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

struct NormaliseCase {
    const char* why;
    std::int16_t leftMargin, pageWidth;
    std::int16_t wantLeft, wantLeftBytes, wantWidth, wantRowBytes;
};

TEST(PageSettings, NormaliseRoundsTowardZero) {
    const NormaliseCase cases[] = {
        {"margin cut to whole bytes", 13, 384, 8, 1, 384, 48},
        {"width cut to byte pairs", 0, 390, 0, 0, 384, 48},
        {"negative margin rounds toward zero", -13, 384, -8, -1, 384, 48},
        {"width below one pair vanishes", 0, 15, 0, 0, 0, 0},
        {"negative width rounds toward zero", 0, -20, 0, 0, -16, -2},
    };
    for (const auto& c : cases) {
        PageSettings page;
        page.leftMargin = c.leftMargin;
        page.pageWidth = c.pageWidth;
        page.normalise();
        EXPECT_EQ(page.leftMargin, c.wantLeft) << c.why;
        EXPECT_EQ(page.leftMarginBytes, c.wantLeftBytes) << c.why;
        EXPECT_EQ(page.pageWidth, c.wantWidth) << c.why;
        EXPECT_EQ(page.rowBytes, c.wantRowBytes) << c.why;
    }
}

TEST(PageSettings, ResetGivesTheStartupPageOfEachPrinterType) {
    const struct {
        int type;
        std::int16_t width;
    } cases[] = {{2, 384}, {3, 576}, {4, 832}, {0, 384}, {7, 384}};
    for (const auto& c : cases) {
        PageSettings page;
        page.leftMargin = 40;
        page.topMargin = 9;
        page.reset(c.type);
        EXPECT_EQ(page.pageWidth, c.width) << "type " << c.type;
        EXPECT_EQ(page.rowBytes, c.width / 8) << "type " << c.type;
        EXPECT_EQ(page.pageHeight, 1248);
        EXPECT_EQ(page.leftMargin, 0);
        EXPECT_EQ(page.topMargin, 0);
    }
}

TEST(PageSettings, ClampIntoRasterKeepsFileSettingsInsideThePage) {
    const struct {
        const char* why;
        std::int16_t left, top, width, height;
        std::int16_t wantLeft, wantTop, wantWidth, wantHeight;
    } cases[] = {
        {"in range stays", 16, 24, 576, 800, 16, 24, 576, 800},
        {"negatives become zero", -32768, -5, -400, -1, 0, 0, 0, 0},
        {"too large is cut to the raster", 32767, 32767, 32767, 32767, 832, 832, 832, 1248},
        {"width rounded before the check", 0, 0, 847, 1248, 0, 0, 832, 1248},
        {"margin rounded to bytes", 13, 0, 384, 10, 8, 0, 384, 10},
    };
    for (const auto& c : cases) {
        PageSettings page;
        page.leftMargin = c.left;
        page.topMargin = c.top;
        page.pageWidth = c.width;
        page.pageHeight = c.height;
        page.clampIntoRaster();
        EXPECT_EQ(page.leftMargin, c.wantLeft) << c.why;
        EXPECT_EQ(page.topMargin, c.wantTop) << c.why;
        EXPECT_EQ(page.pageWidth, c.wantWidth) << c.why;
        EXPECT_EQ(page.pageHeight, c.wantHeight) << c.why;
        EXPECT_EQ(page.rowBytes, page.pageWidth / 8) << c.why;
        EXPECT_EQ(page.leftMarginBytes, page.leftMargin / 8) << c.why;
    }
}

} // namespace
} // namespace quillset
