#include "barcode/BarcodeEngine.h"
#include "barcode/BarcodeType.h"
#include "model/PageObject.h"
#include "model/TextField.h"
#include "raster/PageRaster.h"
#include "tests/support/RasterTesting.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

using testing::dotAt;
using testing::makeRaster;

constexpr int kPage = 512;

// Draws one barcode, by default on a page that is black all over, so that
// both the bars and the white the spaces paint are visible.
struct Rendered {
    std::unique_ptr<PageRaster> raster = makeRaster(kPage, kPage);
    BarcodeEngine engine;
    TextField data;

    Rendered(int type, const std::string& text, int x, int y, int angle, int height,
             std::int16_t page = 1) {
        FillArea(*raster, 0, 0, kPage - 1, kPage - 1, page);
        data.assign(text);
        engine.Draw(*raster, x, y, angle, 0, type, height, data);
    }
};

// Page dot of pattern entry `along`, `across` dots off the origin across the
// bars, as the four reading directions place it.
std::pair<int, int> placed(int x, int y, int angle, int along, int across) {
    switch (angle) {
    case 1:
        return {x + across, y - along};
    case 2:
        return {x - along, y - across};
    case 3:
        return {x - across, y + along};
    default:
        return {x + along, y + across};
    }
}

// The drawing as first defined: one DrawBox line per pattern entry, both end
// dots included, then for UPC/EAN one guard line per entry.
void drawAsLines(PageRaster& raster, const BarcodeEngine& engine, int x, int y, int angle, int type,
                 int h) {
    const auto lines = [&](const BarPattern& pattern, int near, int far) {
        for (int i = 0; i < static_cast<int>(pattern.length()); ++i) {
            const auto [x1, y1] = placed(x, y, angle, i, near);
            const auto [x2, y2] = placed(x, y, angle, i, far);
            DrawBox(raster, x1, y1, x2, y2, pattern[static_cast<std::size_t>(i)] != 0 ? 1 : 0, 0);
        }
    };
    lines(engine.barPattern(), 0, h);
    if (type == barcode_type::kUpcEan) {
        lines(engine.guardPattern(), h, h + h / 3);
    }
}

// Stripes both ways, so that a dot painted in the wrong colour or not at all
// shows wherever it lies.
void paintBackground(PageRaster& raster) {
    for (int k = 0; k < kRasterWidth; k += 7) {
        FillArea(raster, k, 0, k + 2, kRasterHeight, 1);
        FillArea(raster, 0, k, kRasterWidth, k + 1, 1);
    }
}

TEST(BarcodeRender, DrawsTheSameDotsAsOneLinePerEntry) {
    const std::string upcA = "03600029145x";
    const struct {
        const char* why;
        int width;
        int type;
        std::string data;
        int x, y, height;
    } cases[] = {
        {"inside the page", 512, barcode_type::kCode39, "AB", 250, 250, 40},
        {"across the left or top edge", 512, barcode_type::kCode39, "AB", 30, 30, 45},
        {"across the right or bottom edge", 512, barcode_type::kCode128,
         std::string(1, static_cast<char>(136)) + "Ab9", 480, 480, 50},
        {"wholly off the page", 512, barcode_type::kCodabar, "A1B", -400, -400, 30},
        {"negative height", 512, barcode_type::kCodabar, "A1B", 250, 250, -33},
        {"UPC/EAN guards", 512, barcode_type::kUpcEan, upcA, 250, 250, 61},
        {"UPC/EAN height 2", 512, barcode_type::kUpcEan, upcA, 250, 250, 2},
        {"UPC/EAN height 0", 512, barcode_type::kUpcEan, upcA, 250, 250, 0},
        {"narrower page, bars off its right edge", 576, barcode_type::kInterleaved2of5, "123456",
         500, 250, 20},
        {"a full 832-dot pattern on the widest page", 832, barcode_type::kCode39,
         std::string(30, 'M'), 0, 831, 70},
        {"odd origin, bytes cut on both sides", 512, barcode_type::kUpcEan, "9638507x", 203, 205,
         17},
        // Where the bars share a row's end byte with what lies beside them,
        // that byte's block of 16 is merged and the rest only stored.
        {"shared first byte, wide span", 512, barcode_type::kUpcEan, upcA, 252, 252, 30},
        {"shared last byte, wide span", 512, barcode_type::kUpcEan, upcA, 256, 256, 30},
        {"both end bytes shared, wide span", 512, barcode_type::kCode39, "ABCDE", 203, 203, 30},
        // Going one way or the other, only a few bytes of each row are left.
        {"3 dots left at the right or bottom edge", 512, barcode_type::kCode39, "AB", 509, 509, 9},
        {"13 dots left", 512, barcode_type::kCode39, "AB", 499, 499, 9},
        {"41 dots left", 512, barcode_type::kCode39, "AB", 471, 471, 9},
        {"4 dots left at the left or top edge", 512, barcode_type::kCode39, "AB", 3, 3, 9},
        {"22 dots left", 512, barcode_type::kCode39, "AB", 21, 21, 9},
        {"70 dots left", 512, barcode_type::kCode39, "AB", 69, 69, 9},
    };
    for (const auto& c : cases) {
        for (int angle = 0; angle < 4; ++angle) {
            auto drawn = makeRaster(c.width, 832);
            auto expected = makeRaster(c.width, 832);
            paintBackground(*drawn);
            paintBackground(*expected);
            BarcodeEngine engine;
            TextField data;
            data.assign(c.data);
            engine.Draw(*drawn, c.x, c.y, angle, 0, c.type, c.height, data);
            drawAsLines(*expected, engine, c.x, c.y, angle, c.type, c.height);
            EXPECT_TRUE(drawn->bits == expected->bits) << c.why << ", angle " << angle;
        }
    }
}

TEST(BarcodeRender, Code39AtAngle0PaintsItsWholeAreaFromThePattern) {
    const Rendered r(barcode_type::kCode39, "A1-", 40, 50, 0, 60);
    const BarPattern& bars = r.engine.barPattern();
    ASSERT_EQ(bars.length(), 224u);
    int wrong = 0;
    for (int i = -2; i < 226; ++i) {
        for (int c = -2; c <= 62; ++c) {
            const bool inside = i >= 0 && i < 224 && c >= 0 && c <= 60;
            const bool expected = inside ? bars[static_cast<std::size_t>(i)] != 0 : true;
            if (dotAt(*r.raster, 40 + i, 50 + c) != expected && wrong++ < 5) {
                ADD_FAILURE() << "dot " << i << " across " << c;
            }
        }
    }
    for (int i = 0; i < 32; ++i) {
        EXPECT_FALSE(dotAt(*r.raster, 40 + i, 50)) << "the quiet zone is painted white";
    }
}

// Every angle draws the angle-0 picture turned about the origin: pattern
// entry i, across offset c lands where the reading direction puts it.
TEST(BarcodeRender, EveryAngleTurnsTheSamePicture) {
    const struct {
        int type;
        std::string data;
        int height;
    } symbols[] = {
        {barcode_type::kCode39, "Q7", 40},
        {barcode_type::kCode128, std::string(1, static_cast<char>(136)) + "Az", 30},
        {barcode_type::kUpcEan, "03600029145x", 45},
        {barcode_type::kCodabar, "A12B", -20},
    };
    constexpr int kX = 256;
    constexpr int kY = 256;
    for (const auto& s : symbols) {
        const Rendered upright(s.type, s.data, kX, kY, 0, s.height);
        const int length = static_cast<int>(upright.engine.barPattern().length());
        for (int angle = 1; angle < 4; ++angle) {
            const Rendered turned(s.type, s.data, kX, kY, angle, s.height);
            int wrong = 0;
            for (int i = -3; i < length + 3; ++i) {
                for (int c = -25; c < 65; ++c) {
                    const auto [ux, uy] = placed(kX, kY, 0, i, c);
                    const auto [tx, ty] = placed(kX, kY, angle, i, c);
                    if (dotAt(*upright.raster, ux, uy) != dotAt(*turned.raster, tx, ty) &&
                        wrong++ < 3) {
                        ADD_FAILURE() << "type " << s.type << " angle " << angle << ": entry " << i
                                      << " across " << c;
                    }
                }
            }
        }
    }
}

// Rows covered at angle 0 by one data bar and one guard bar, y = 100.
TEST(BarcodeRender, GuardBarsReachBeyondTheDataBars) {
    const struct {
        const char* why;
        int type;
        std::string data;
        int height;
        int dataBarRows, guardBarRows;
    } cases[] = {
        {"UPC-A, height 60: data to y + 59, guards to y + 80", barcode_type::kUpcEan,
         "03600029145x", 60, 60, 81},
        {"UPC, height 2: no extension, the row y + 2 repainted", barcode_type::kUpcEan,
         "03600029145x", 2, 2, 3},
        {"Code 39, height 60: every bar to y + 60", barcode_type::kCode39, "A", 60, 61, 61},
    };
    for (const auto& c : cases) {
        const Rendered r(c.type, c.data, 10, 100, 0, c.height, 0);
        const BarPattern& bars = r.engine.barPattern();
        const GuardPattern& guards = r.engine.guardPattern();
        int dataBar = -1;
        int guardBar = -1;
        for (int i = 0; i < static_cast<int>(bars.length()); ++i) {
            const bool guard =
                c.type == barcode_type::kUpcEan && guards[static_cast<std::size_t>(i)] != 0;
            if (bars[static_cast<std::size_t>(i)] != 0) {
                (guard ? guardBar : dataBar) = i;
            }
        }
        if (c.type != barcode_type::kUpcEan) {
            guardBar = dataBar;
        }
        ASSERT_GE(dataBar, 0) << c.why;
        const auto rows = [&r](int i) {
            int n = 0;
            while (dotAt(*r.raster, 10 + i, 100 + n)) {
                ++n;
            }
            return n;
        };
        EXPECT_EQ(rows(dataBar), c.dataBarRows) << c.why;
        EXPECT_EQ(rows(guardBar), c.guardBarRows) << c.why;
        if (c.type == barcode_type::kUpcEan) {
            EXPECT_FALSE(dotAt(*r.raster, 10 + dataBar, 100 + c.height))
                << c.why << ": the band beside the data is white";
        }
    }
}

TEST(BarcodeRender, WhatDrawsNothing) {
    const struct {
        const char* why;
        int type;
        std::string data;
        int angle;
    } cases[] = {
        {"type 6", 6, "A", 0},
        {"type 0", 0, "A", 0},
        {"angle 4", barcode_type::kCode39, "A", 4},
        {"angle -1", barcode_type::kCode39, "A", -1},
        {"Code 128 without a subset byte", barcode_type::kCode128, "ABC", 0},
        {"Code 128 without data", barcode_type::kCode128, "", 0},
    };
    for (const auto& c : cases) {
        const Rendered r(c.type, c.data, 100, 100, c.angle, 40);
        EXPECT_EQ(testing::countDots(*r.raster), kPage * kPage) << c.why;
    }
}

TEST(BarcodeRender, UpcEanWritesTheCheckDigitBack) {
    const struct {
        const char* why;
        std::string data;
        std::string after;
    } cases[] = {
        {"UPC-A", "03600029145x", "036000291452"},
        {"UPC-E", "123450?", "1234505"},
        {"EAN-8", "96385070", "96385074"},
        {"a wrong digit typed is corrected", "4006381333939", "4006381333931"},
        {"other lengths are left alone", "03600029145", "03600029145"},
    };
    for (const auto& c : cases) {
        const Rendered r(barcode_type::kUpcEan, c.data, 10, 10, 0, 40);
        EXPECT_EQ(r.data.view(), c.after) << c.why;
    }
}

TEST(BarcodeRender, BarsOffThePageAreClipped) {
    // Starts left of the page and runs off its right edge.
    const Rendered r(barcode_type::kCode39, std::string(22, 'W'), -100, kPage - 30, 0, 100);
    EXPECT_EQ(r.engine.barPattern().length(), 832u);
    EXPECT_TRUE(dotAt(*r.raster, 0, kPage - 31)) << "above the bars stays black";
}

} // namespace
} // namespace quillset
