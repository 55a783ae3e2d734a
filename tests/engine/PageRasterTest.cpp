#include "raster/PageRaster.h"
#include "raster/PbmImage.h"
#include "tests/support/RasterTesting.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace quillset {
namespace {

using testing::Box;
using testing::countDots;
using testing::dotAt;
using testing::makeRaster;

constexpr std::int16_t kBlack = 1;
constexpr std::int16_t kWhite = 0;

// Every dot of the page is set exactly where `expected` says.
template <typename Expected>
void expectDots(const PageRaster& raster, Expected expected, const char* why) {
    int wrong = 0;
    for (int y = 0; y < raster.settings.pageHeight; ++y) {
        for (int x = 0; x < raster.settings.pageWidth; ++x) {
            if (dotAt(raster, x, y) != expected(x, y) && wrong++ < 5) {
                ADD_FAILURE() << why << ": dot (" << x << ", " << y << ") is "
                              << (dotAt(raster, x, y) ? "black" : "white");
            }
        }
    }
}

TEST(PageRaster, MakeByteMask) {
    const struct {
        int first, last;
        std::uint8_t mask;
    } cases[] = {
        {0, 7, 0xFF}, {3, 7, 0x1F}, {0, 2, 0xE0}, {2, 5, 0x3C}, {0, 0, 0x80}, {7, 7, 0x01},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeByteMask(c.first, c.last), c.mask) << c.first << ".." << c.last;
    }
}

TEST(PageRaster, FillAreaDrawsTheClippedBoxBetweenTheCorners) {
    const struct {
        const char* why;
        int width, height;
        int x1, y1, x2, y2;
        std::optional<Box> drawn;
    } cases[] = {
        {"corners in any order", 64, 32, 10, 5, 3, 2, Box{3, 2, 10, 5}},
        {"a line includes both end dots", 64, 128, 5, 0, 5, 99, Box{5, 0, 5, 99}},
        {"wholly left of the page", 64, 64, -20, -20, -1, 50, std::nullopt},
        {"wholly above the page", 64, 64, 0, -9, 20, -1, std::nullopt},
        {"cut at the top-left corner", 64, 64, -20, -20, 3, 3, Box{0, 0, 3, 3}},
        {"cut at the right and bottom edges", 576, 40, 560, 30, 700, 90, Box{560, 30, 575, 39}},
        {"wholly right of the page", 64, 64, 64, 0, 900, 10, std::nullopt},
        {"one dot", 64, 64, 63, 63, 63, 63, Box{63, 63, 63, 63}},
    };
    for (const auto& c : cases) {
        auto raster = makeRaster(c.width, c.height);
        FillArea(*raster, c.x1, c.y1, c.x2, c.y2, kBlack);
        expectDots(
            *raster, [&](int x, int y) { return c.drawn && c.drawn->contains(x, y); }, c.why);
    }
}

TEST(PageRaster, FillAreaMasksTheEndBytesOfASpan) {
    const struct {
        const char* why;
        int x1, x2;
        std::uint8_t bytes[3];
    } cases[] = {
        {"within one byte: a single mask", 3, 6, {0x1E, 0x00, 0x00}},
        {"left mask, full byte, right mask", 6, 17, {0x03, 0xFF, 0xC0}},
        {"whole bytes", 0, 15, {0xFF, 0xFF, 0x00}},
    };
    for (const auto& c : cases) {
        auto raster = makeRaster(32, 4);
        FillArea(*raster, c.x1, 1, c.x2, 2, kBlack);
        for (int col = 0; col < 3; ++col) {
            EXPECT_EQ(raster->GetByte(col, 1), c.bytes[col]) << c.why << ", byte " << col;
            EXPECT_EQ(raster->GetByte(col, 2), c.bytes[col]) << c.why << ", byte " << col;
            EXPECT_EQ(raster->GetByte(col, 0), 0) << c.why;
            EXPECT_EQ(raster->GetByte(col, 3), 0) << c.why;
        }
    }
}

TEST(PageRaster, WhiteFillClearsOnlyItsOwnDots) {
    auto raster = makeRaster(64, 16);
    FillArea(*raster, 0, 0, 63, 15, kBlack);
    FillArea(*raster, 3, 4, 10, 12, kWhite);
    expectDots(
        *raster,
        [](int x, int y) {
            return !Box{3, 4, 10, 12}.contains(x, y);
        },
        "white box");
}

TEST(PageRaster, DrawingNeverTouchesStorageBeyondThePage) {
    auto raster = makeRaster(576, 100);
    const std::size_t used = 72 * 100;
    std::fill(raster->bits.begin() + used, raster->bits.end(), 0xA5);
    FillArea(*raster, 560, 90, 9000, 2000, kBlack);
    DrawBox(*raster, -50, -50, 5000, 5000, kBlack, 7);
    raster->SetDot(576, 50, kBlack);
    raster->SetDot(10, 100, kBlack);
    for (std::size_t i = used; i < raster->bits.size(); ++i) {
        ASSERT_EQ(raster->bits[i], 0xA5) << "byte " << i;
    }
    EXPECT_TRUE(dotAt(*raster, 575, 99));
}

TEST(PageRaster, DrawBoxBorderBands) {
    // The box (10, 10)-(20, 20) at several thicknesses: the outline is the
    // outer box without the inner one. Even thicknesses put the extra dot
    // toward larger coordinates on every side, as the band table has it.
    const struct {
        const char* why;
        int thickness;
        Box outer;
        std::optional<Box> inner;
    } cases[] = {
        {"thickness 1 lies on the edges", 1, {10, 10, 20, 20}, Box{11, 11, 19, 19}},
        {"thickness 2 adds a dot toward larger coordinates",
         2,
         {10, 10, 21, 21},
         Box{12, 12, 19, 19}},
        {"thickness 3 spreads one dot each way", 3, {9, 9, 21, 21}, Box{12, 12, 18, 18}},
        {"thickness 4: one dot before, two after", 4, {9, 9, 22, 22}, Box{13, 13, 18, 18}},
        {"thickness 65536 has zero low bits: filled", 65536, {10, 10, 20, 20}, std::nullopt},
        {"thickness 65537 is thickness 1", 65537, {10, 10, 20, 20}, Box{11, 11, 19, 19}},
        {"zero fills, corners included", 0, {10, 10, 20, 20}, std::nullopt},
    };
    for (const auto& c : cases) {
        auto raster = makeRaster(64, 40);
        DrawBox(*raster, 20, 20, 10, 10, kBlack, c.thickness);
        expectDots(
            *raster,
            [&](int x, int y) {
                return c.outer.contains(x, y) && !(c.inner && c.inner->contains(x, y));
            },
            c.why);
    }
    auto raster = makeRaster(64, 40);
    DrawBox(*raster, 10, 10, 20, 20, kBlack, 1);
    EXPECT_EQ(countDots(*raster), 40);
}

TEST(PageRaster, BandEdgesBeyondSixteenBitsStayOffThePage) {
    // A band edge past 32767 or below -32768 must not come back on the other
    // side of the number range and fill the page across.
    const struct {
        const char* why;
        int x1, y1, x2, y2, thickness;
    } cases[] = {
        {"right band past 32767", 32760, 0, 32767, 20, 4},
        {"bottom band past 32767", 0, 32760, 20, 32767, 4},
        {"left band below -32768", -32768, 0, -32760, 20, 5},
        {"top band below -32768", 0, -32768, 20, -32760, 5},
    };
    for (const auto& c : cases) {
        auto raster = makeRaster(64, 64);
        DrawBox(*raster, c.x1, c.y1, c.x2, c.y2, kBlack, c.thickness);
        EXPECT_EQ(countDots(*raster), 0) << c.why;
    }
}

TEST(PageRaster, SetDotStaysInsideThePage) {
    const struct {
        const char* why;
        int x, y;
        bool lands;
    } cases[] = {
        {"inside", 5, 7, true},
        {"last column", 63, 0, true},
        {"x = pageWidth is off the page", 64, 0, false},
        {"y = pageHeight is off the page", 0, 16, false},
        {"negative x", -1, 0, false},
        {"negative y", 0, -1, false},
    };
    for (const auto& c : cases) {
        auto raster = makeRaster(64, 16);
        raster->SetDot(c.x, c.y, kBlack);
        EXPECT_EQ(countDots(*raster), c.lands ? 1 : 0) << c.why;
        if (c.lands) {
            EXPECT_TRUE(dotAt(*raster, c.x, c.y)) << c.why;
            raster->SetDot(c.x, c.y, kWhite);
            EXPECT_EQ(countDots(*raster), 0) << c.why << ": white clears";
        }
    }
}

TEST(PageRaster, ByteOperationsOutsideThePageDoNothing) {
    auto raster = makeRaster(64, 16);
    raster->PutByte(8, 0, 0xFF);
    raster->PutByte(0, 16, 0xFF);
    raster->OrByte(-1, 0, 0xFF);
    raster->OrByte(0, -1, 0xFF);
    EXPECT_EQ(countDots(*raster), 0);
    EXPECT_EQ(raster->GetByte(8, 0), 0);
    raster->PutByte(7, 15, 0xF0);
    raster->AndNotByte(7, 15, 0x30);
    raster->OrByte(7, 15, 0x01);
    EXPECT_EQ(raster->GetByte(7, 15), 0xC1);
}

TEST(PageRaster, ClearWhitensExactlyThePageInUse) {
    const struct {
        int width, height;
    } cases[] = {{384, 1248}, {576, 10}, {832, 1248}, {16, 1}, {0, 0}};
    for (const auto& c : cases) {
        auto raster = std::make_unique<PageRaster>();
        raster->bits.fill(0xFF);
        raster->settings.pageWidth = static_cast<std::int16_t>(c.width);
        raster->settings.pageHeight = static_cast<std::int16_t>(c.height);
        raster->settings.normalise();
        raster->Clear();
        const std::size_t used = static_cast<std::size_t>(c.width / 8) * c.height;
        for (std::size_t i = 0; i < raster->bits.size(); ++i) {
            ASSERT_EQ(raster->bits[i], i < used ? 0 : 0xFF) << c.width << "x" << c.height;
        }
    }
}

TEST(PageRaster, SettingsBeyondTheCapacityNeverReachPastTheStorage) {
    // The page settings promise to stay within 832 x 1248; should they not,
    // the raster still keeps to its own bytes.
    auto raster = std::make_unique<PageRaster>();
    raster->settings.pageWidth = 1600;
    raster->settings.pageHeight = 1248;
    raster->settings.normalise();
    raster->bits.fill(0xFF);
    raster->Clear();
    FillArea(*raster, 0, 0, 1599, 1247, kBlack);
    raster->PutByte(199, 1247, 0xFF);
    raster->SetDot(1599, 1247, kBlack);
    EXPECT_EQ(raster->GetByte(199, 1247), 0);
    EXPECT_EQ(raster->usableRows(), static_cast<int>(PageRaster::kCapacityBytes / 200));
}

TEST(PageRaster, WritesABinaryPbm) {
    auto raster = makeRaster(16, 2);
    raster->SetDot(0, 0, kBlack);
    raster->SetDot(15, 1, kBlack);
    std::ostringstream out;
    writePbm(*raster, out);
    EXPECT_EQ(out.str(), std::string("P4\n16 2\n\x80\x00\x00\x01", 12));
}

} // namespace
} // namespace quillset
