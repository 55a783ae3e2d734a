#include "raster/TextRenderer.h"

#include "model/StyledText.h"
#include "raster/PageRaster.h"
#include "tests/support/RasterTesting.h"
#include "tests/support/TestFonts.h"
#include "tests/support/WrittenTextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace quillset {
namespace {

using testing::Box;
using testing::dotAt;
using testing::makeRaster;
using testing::TestFonts;
using testing::WrittenTextRenderer;

constexpr std::int16_t kBlack = 1;
constexpr std::int16_t kWhite = 0;

// Text in one attribute; '\n' starts a new line.
StyledText styled(const std::string& chars, std::uint8_t attribute = attr::kDefault) {
    StyledText text;
    text.assign(chars, attribute);
    return text;
}

// Every dot set exactly inside one of `boxes`.
void expectBoxes(const PageRaster& raster, std::initializer_list<Box> boxes, const char* why) {
    int wrong = 0;
    for (int y = 0; y < raster.settings.pageHeight; ++y) {
        for (int x = 0; x < raster.settings.pageWidth; ++x) {
            bool want = false;
            for (const Box& b : boxes) {
                want = want || b.contains(x, y);
            }
            if (dotAt(raster, x, y) != want && wrong++ < 5) {
                ADD_FAILURE() << why << ": dot (" << x << ", " << y << ") is "
                              << (want ? "white" : "black");
            }
        }
    }
}

// Fonts whose glyphs 'A' and 'B' fill their whole cell and whose 'a' to 'h'
// have one dot, in column 0 to 7 of row 0.
TestFonts solidFonts() {
    TestFonts fonts;
    for (int f = 1; f < FontTable::kFonts; ++f) {
        fonts.fillGlyph(f, 'A');
        fonts.fillGlyph(f, 'B');
        for (int c = 0; c < 8; ++c) {
            fonts.setDot(f, static_cast<std::uint8_t>('a' + c), 0, c);
        }
    }
    return fonts;
}

TEST(TextRenderer, GlyphsTurnAboutThePenAtEachAngle) {
    // "AB" in font 3, cells 10 x 23, at each angle; every case's dots are
    // the two cells, adjacent along the reading direction.
    const struct {
        const char* why;
        int angle, x, y;
        Box drawn;
        int extentX, extentY;
        TextBox bounds;
    } cases[] = {
        {"angle 0: rows 0-22 below the origin", 0, 0, 0, {0, 0, 19, 22}, 20, 23, {0, 0, 20, 23}},
        {"angle 1 runs upward from the origin",
         1,
         0,
         100,
         {0, 81, 22, 100},
         23,
         20,
         {0, 80, 23, 100}},
        {"angle 2 runs leftward, upside down",
         2,
         100,
         100,
         {81, 78, 100, 100},
         20,
         23,
         {80, 77, 100, 100}},
        {"angle 3 runs downward", 3, 100, 0, {78, 0, 100, 19}, 23, 20, {77, 0, 100, 20}},
        {"an unknown angle is angle 0", 7, 0, 0, {0, 0, 19, 22}, 20, 23, {0, 0, 20, 23}},
    };
    const TestFonts fonts = solidFonts();
    for (const auto& c : cases) {
        auto raster = makeRaster(128, 128);
        TextRenderer renderer(fonts.table());
        renderer.DrawTextBlock(*raster, c.x, c.y, kBlack, c.angle, styled("AB"));
        expectBoxes(*raster, {c.drawn}, c.why);
        EXPECT_EQ(renderer.textExtentX, c.extentX) << c.why;
        EXPECT_EQ(renderer.textExtentY, c.extentY) << c.why;
        EXPECT_EQ(TextBounds(c.x, c.y, c.angle, renderer.textExtentY, renderer.textExtentX),
                  c.bounds)
            << c.why;
    }
}

TEST(TextRenderer, StylesScaleAndMarkTheCell) {
    const struct {
        const char* why;
        std::string chars;
        std::uint8_t attribute;
        std::initializer_list<Box> drawn;
        int extentX, extentY;
    } cases[] = {
        {"double height: 10 x 46", "A", 3 | attr::kDoubleHeight, {{0, 0, 9, 45}}, 10, 46},
        {"double width: 20 x 23", "A", 3 | attr::kDoubleWidth, {{0, 0, 19, 22}}, 20, 23},
        {"both: 20 x 46",
         "A",
         3 | attr::kDoubleWidth | attr::kDoubleHeight,
         {{0, 0, 19, 45}},
         20,
         46},
        {"double width of font 10 reaches 96 columns",
         "A",
         10 | attr::kDoubleWidth,
         {{0, 0, 95, 79}},
         96,
         80},
        {"attribute 0 draws with font 3", "A", 0, {{0, 0, 9, 22}}, 10, 23},
        {"bold at column 0 gains nothing to the left",
         "a",
         3 | attr::kBold,
         {{0, 0, 0, 0}},
         10,
         23},
        {"bold at column 5 also sets column 4", "f", 3 | attr::kBold, {{4, 0, 5, 0}}, 10, 23},
        {"bold then double width: four columns",
         "f",
         3 | attr::kBold | attr::kDoubleWidth,
         {{8, 0, 11, 0}},
         20,
         23},
        {"underline on the cell's bottom row", " ", 3 | attr::kUnderline, {{0, 22, 9, 22}}, 10, 23},
        {"underline with double height on row 46",
         " ",
         3 | attr::kUnderline | attr::kDoubleHeight,
         {{0, 45, 9, 45}},
         10,
         46},
        {"underlined neighbours join", "  ", 3 | attr::kUnderline, {{0, 22, 19, 22}}, 20, 23},
        {"underline with double width spans 20",
         " ",
         3 | attr::kUnderline | attr::kDoubleWidth,
         {{0, 22, 19, 22}},
         20,
         23},
        {"a code past font 10's glyphs draws nothing but advances", "\xC8", 10, {}, 48, 80},
        {"A, blank line, B: lines directly below each other",
         "A\n\nB",
         3,
         {{0, 0, 9, 22}, {0, 23, 9, 45}},
         10,
         46},
        {"a trailing line feed adds nothing", "A\n", 3, {{0, 0, 9, 22}}, 10, 23},
        {"empty text", "", 3, {}, 0, 0},
    };
    const TestFonts fonts = solidFonts();
    for (const auto& c : cases) {
        auto raster = makeRaster(128, 128);
        TextRenderer renderer(fonts.table());
        renderer.DrawTextBlock(*raster, 0, 0, kBlack, 0, styled(c.chars, c.attribute));
        expectBoxes(*raster, c.drawn, c.why);
        EXPECT_EQ(renderer.textExtentX, c.extentX) << c.why;
        EXPECT_EQ(renderer.textExtentY, c.extentY) << c.why;
    }
}

TEST(TextRenderer, CharactersOfDifferentHeightsShareTheBaseline) {
    const TestFonts fonts = solidFonts();
    auto raster = makeRaster(128, 128);
    TextRenderer renderer(fonts.table());
    StyledText text = styled("AA", 5);
    text.attrs[1] = 10;
    EXPECT_EQ(renderer.LineHeight(text, 0), 80);
    renderer.DrawTextBlock(*raster, 0, 0, kBlack, 0, text);
    expectBoxes(*raster, {{0, 57, 7, 79}, {8, 0, 55, 79}}, "font 5 beside font 10");
    EXPECT_EQ(renderer.textExtentX, 56);
    EXPECT_EQ(renderer.textExtentY, 80);
}

TEST(TextRenderer, ClippedTextKeepsItsExtents) {
    const TestFonts fonts = solidFonts();
    const struct {
        const char* why;
        int x, y, angle;
        Box drawn;
    } cases[] = {
        {"x = -5 loses the five leftmost columns", -5, 0, 0, {0, 0, 14, 22}},
        {"past the right edge", 120, 0, 0, {120, 0, 127, 22}},
        {"above the top, upside down", 100, 10, 2, {81, 0, 100, 10}},
        {"past the bottom, downward", 22, 120, 3, {0, 120, 22, 127}},
    };
    for (const auto& c : cases) {
        auto raster = makeRaster(128, 128);
        TextRenderer renderer(fonts.table());
        renderer.DrawTextBlock(*raster, c.x, c.y, kBlack, c.angle, styled("AB"));
        expectBoxes(*raster, {c.drawn}, c.why);
        const bool upright = c.angle % 2 == 1;
        EXPECT_EQ(renderer.textExtentX, upright ? 23 : 20) << c.why;
        EXPECT_EQ(renderer.textExtentY, upright ? 20 : 23) << c.why;
    }
}

TEST(TextRenderer, WhiteTextCutsLettersOutOfBlack) {
    const TestFonts fonts = solidFonts();
    auto raster = makeRaster(64, 64);
    FillArea(*raster, 0, 0, 63, 63, kBlack);
    TextRenderer renderer(fonts.table());
    renderer.DrawTextBlock(*raster, 2, 3, kWhite, 0, styled("A"));
    int wrong = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            wrong += dotAt(*raster, x, y) == Box{2, 3, 11, 25}.contains(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(TextRenderer, AFieldWithoutTerminatorEndsAtItsLastByte) {
    // Every byte of the field is a character: the line stops at the field's
    // end instead of reading past it.
    const TestFonts fonts = solidFonts();
    StyledText text;
    text.chars.fill('A');
    text.attrs.fill(3);
    auto raster = makeRaster(832, 64);
    TextRenderer renderer(fonts.table());
    renderer.DrawTextBlock(*raster, 0, 0, kBlack, 0, text);
    EXPECT_EQ(renderer.textExtentX, 2000);
    EXPECT_EQ(renderer.textExtentY, 23);
    renderer.measureTextBlock(0, text);
    EXPECT_EQ(renderer.textExtentX, 2000);
}

TEST(TextRenderer, GlyphsAcrossThePageEdgesMatchTheWrittenAlgorithm) {
    // One glyph pushed dot by dot across each edge of a small page, at every
    // angle: the cells that are only partly on the page, or only just off
    // it, are where clipping goes wrong.
    TestFonts fonts;
    fonts.randomise(3, 60);
    const std::uint8_t attributes[] = {3, 10 | attr::kDoubleWidth | attr::kDoubleHeight,
                                       6 | attr::kBold | attr::kUnderline, 9 | attr::kUnderline};
    auto ours = makeRaster(64, 48);
    auto written = makeRaster(64, 48);
    TextRenderer renderer(fonts.table());
    WrittenTextRenderer reference(fonts.table());
    for (int angle = 0; angle < 4; ++angle) {
        for (const std::uint8_t attribute : attributes) {
            for (int d = -170; d <= 240; ++d) {
                const int pens[2][2] = {{d, 24}, {32, d}};
                for (const auto& pen : pens) {
                    ours->Clear();
                    written->Clear();
                    int ox = pen[0], oy = pen[1], wx = pen[0], wy = pen[1];
                    renderer.DrawGlyph(*ours, ox, oy, 'M', attribute, 1, angle);
                    reference.DrawGlyph(*written, wx, wy, 'M', attribute, 1, angle);
                    ASSERT_EQ(ours->bits, written->bits)
                        << "angle " << angle << ", attribute " << int(attribute) << ", pen ("
                        << pen[0] << ", " << pen[1] << ")";
                    ASSERT_EQ(ox, wx);
                    ASSERT_EQ(oy, wy);
                }
            }
        }
    }
}

TEST(TextRenderer, GlyphsAtTheEndOfTheStorageMatchTheWrittenAlgorithm) {
    // Blocks over the bottom right corner of pages that end where the
    // storage does: the last rows are where a row written a word at a time
    // runs out of storage, and where the page's own height is not the limit.
    struct Case {
        int width, height;
        const char* why;
    };
    const Case cases[] = {
        {832, 1248, "the page ends where the storage does"},
        {768, 1400, "the settings ask for more rows than the storage holds"},
    };
    const std::uint8_t attributes[] = {3, 1 | attr::kDoubleWidth | attr::kBold,
                                       10 | attr::kDoubleWidth | attr::kDoubleHeight};
    TestFonts fonts;
    fonts.randomise(5, 50);
    TextRenderer renderer(fonts.table());
    WrittenTextRenderer reference(fonts.table());
    for (const Case& c : cases) {
        auto ours = makeRaster(c.width, c.height);
        auto written = makeRaster(c.width, c.height);
        const int right = ours->dotLimitX() - 1;
        const int bottom = ours->usableRows() - 1;
        for (int angle = 0; angle < 4; ++angle) {
            for (const std::uint8_t attribute : attributes) {
                for (const std::int16_t colour : {kBlack, kWhite}) {
                    std::fill(ours->bits.begin(), ours->bits.end(), colour ? 0x00 : 0xFF);
                    *written = *ours;
                    const StyledText text = styled("MW@#\nMW@#", attribute);
                    // Each block runs over the bottom right corner.
                    const int x = angle == 0 ? right - 40 : angle == 1 ? right - 100 : right;
                    const int y = angle == 0 ? bottom - 30 : angle == 3 ? bottom - 60 : bottom;
                    renderer.DrawTextBlock(*ours, x, y, colour, angle, text);
                    reference.DrawTextBlock(*written, x, y, colour, angle, text);
                    ASSERT_EQ(ours->bits, written->bits)
                        << c.why << ": angle " << angle << ", attribute " << int(attribute)
                        << ", colour " << colour;
                }
            }
        }
    }
}

// Random text: printable and high codes, line feeds, and any attribute.
StyledText randomText(std::mt19937& random) {
    StyledText text;
    const int length = std::uniform_int_distribution<>(0, 199)(random);
    std::uniform_int_distribution<> code(1, 255);
    std::uniform_int_distribution<> attribute(0, 255);
    for (int i = 0; i < length; ++i) {
        const bool lineFeed = std::uniform_int_distribution<>(0, 9)(random) == 0;
        text.chars[static_cast<std::size_t>(i)] = static_cast<char>(lineFeed ? 10 : code(random));
        text.attrs[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(attribute(random));
    }
    return text;
}

// Random texts, styles, angles, colours and origins, on a page already
// holding random dots: every byte of the storage and both extents must match
// the algorithm as written, and measuring must give the drawn extents.
void compareWithTheWrittenAlgorithm(const FontTable& fonts, unsigned seed, int rounds) {
    std::mt19937 random(seed);
    const int widths[] = {384, 576, 832, 40};
    const int angles[] = {0, 1, 2, 3, -1, 9};
    auto ours = std::make_unique<PageRaster>();
    auto written = std::make_unique<PageRaster>();
    TextRenderer renderer(fonts);
    WrittenTextRenderer reference(fonts);
    for (int round = 0; round < rounds; ++round) {
        PageSettings page;
        page.pageWidth = static_cast<std::int16_t>(widths[round % 4]);
        page.pageHeight =
            static_cast<std::int16_t>(std::uniform_int_distribution<>(1, 1248)(random));
        page.normalise();
        ours->settings = page;
        for (auto& byte : ours->bits) {
            byte = static_cast<std::uint8_t>(random());
        }
        *written = *ours;

        const StyledText text = randomText(random);
        const int angle = angles[std::uniform_int_distribution<>(0, 5)(random)];
        const auto colour =
            static_cast<std::int16_t>(std::uniform_int_distribution<>(0, 2)(random));
        std::uniform_int_distribution<> coordinate(-400, 1400);
        const int x = coordinate(random);
        const int y = coordinate(random);

        renderer.DrawTextBlock(*ours, x, y, colour, angle, text);
        reference.DrawTextBlock(*written, x, y, colour, angle, text);
        ASSERT_EQ(ours->bits, written->bits)
            << "round " << round << ", angle " << angle << " at (" << x << ", " << y << ")";
        ASSERT_EQ(renderer.textExtentX, reference.textExtentX) << "round " << round;
        ASSERT_EQ(renderer.textExtentY, reference.textExtentY) << "round " << round;

        renderer.measureTextBlock(angle, text);
        ASSERT_EQ(renderer.textExtentX, reference.textExtentX) << "round " << round;
        ASSERT_EQ(renderer.textExtentY, reference.textExtentY) << "round " << round;
    }
}

TEST(TextRenderer, DrawsTheDotsOfTheWrittenAlgorithm) {
    // Random glyph bits set the bits outside the cells too, which the
    // printer fonts may leave clear.
    TestFonts randomFonts;
    randomFonts.randomise(1, 40);
    compareWithTheWrittenAlgorithm(randomFonts.table(), 2, 300);
    compareWithTheWrittenAlgorithm(FontTable(), 3, 150);
}

} // namespace
} // namespace quillset
