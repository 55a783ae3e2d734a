#include "document/FolioSession.h"
#include "document/FontTextObject.h"
#include "font/FontEngine.h"
#include "model/ObjectList.h"
#include "raster/PageRaster.h"
#include "tests/support/RasterTesting.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

// Font texts checked against what is worked out without the engine:
// FreeType's own glyphs, HarfBuzz's own shaping (hb-shape's output, kept
// here as data) and boxes worked out by hand. The tests see only the fonts
// of tests/fonts/fonts.conf.
namespace quillset {
namespace {

using testing::dotAt;
using testing::makeRaster;

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kLohit = "/usr/share/fonts/truetype/lohit-devanagari/Lohit-Devanagari.ttf";

FontTextRequest request(std::string family, std::string text, int size, int align = 0,
                        int width = 0) {
    FontTextRequest s;
    s.family = std::move(family);
    s.text = std::move(text);
    s.size = size;
    s.align = align;
    s.width = width;
    return s;
}

using Dots = std::set<std::pair<int, int>>;

Dots pageDots(const PageRaster& raster) {
    Dots dots;
    for (int y = 0; y < raster.settings.pageHeight; ++y)
        for (int x = 0; x < raster.settings.pageWidth; ++x)
            if (dotAt(raster, x, y))
                dots.emplace(x, y);
    return dots;
}

Dots drawn(const FontTextRequest& s, int x, int y, int angle = 0) {
    FontEngine& engine = FontEngine::shared();
    const auto raster = makeRaster(576, 800);
    engine.draw(*raster, {x, y, 1, angle}, *engine.layout(s));
    return pageDots(*raster);
}

// One glyph as FreeType draws it for one-bit dots, hinted for them, placed
// as a single left-aligned character stands: its pen at the box's left
// edge, on the baseline one ascent below the box's top.
Dots freeTypeGlyph(const char* file, char32_t character, int size, int x, int y) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    Dots dots;
    if (FT_Init_FreeType(&library) != 0)
        return dots;
    if (FT_New_Face(library, file, 0, &face) == 0 && FT_Set_Pixel_Sizes(face, 0, size) == 0 &&
        FT_Load_Glyph(face, FT_Get_Char_Index(face, character),
                      FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) == 0 &&
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) == 0) {
        const int ascent = static_cast<int>((face->size->metrics.ascender + 63) / 64);
        const FT_Bitmap& b = face->glyph->bitmap;
        for (unsigned r = 0; r < b.rows; ++r)
            for (unsigned c = 0; c < b.width; ++c)
                if (b.buffer[r * static_cast<unsigned>(b.pitch) + c / 8] & (0x80 >> (c % 8)))
                    dots.emplace(x + face->glyph->bitmap_left + static_cast<int>(c),
                                 y + ascent - face->glyph->bitmap_top + static_cast<int>(r));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return dots;
}

struct GlyphCase {
    const char* family;
    const char* file;
    const char* text;
    char32_t character;
    int size;
};

TEST(FontTextDrawing, AGlyphIsFreeTypesOwnDotsOnTheBaseline) {
    const GlyphCase cases[] = {
        {"DejaVu Sans", kDejaVuSans, "H", U'H', 12},
        {"DejaVu Sans", kDejaVuSans, "g", U'g', 16},
        {"DejaVu Sans", kDejaVuSans, "Ł", U'Ł', 24},
        {"", kDejaVuSans, "@", U'@', 48},
        {"DejaVu Sans", kDejaVuSans, "ễ", U'ễ', 24},
        {"DejaVu Sans", kDejaVuSans, "Ж", U'Ж', 33},
        {"Lohit Devanagari", kLohit, "क", U'क', 40},
    };
    for (const GlyphCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.size));
        const Dots expected = freeTypeGlyph(c.file, c.character, c.size, 37, 50);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(drawn(request(c.family, c.text, c.size), 37, 50), expected);
    }
}

// Glyph numbers in each font as `hb-shape FONT TEXT` gives them, left to
// right on the page.
struct ShapingCase {
    const char* what;
    const char* family;
    const char* text;
    std::vector<unsigned> glyphs;
};

TEST(FontTextDrawing, ShapesAsHarfBuzzItself) {
    const ShapingCase cases[] = {
        {"Vietnamese, precomposed", "DejaVu Sans", "Nguyễn Văn An",
         {49, 74, 88, 92, 2499, 81, 3, 57, 197, 81, 3, 36, 81}},
        {"Vietnamese, marks typed apart and composed first", "DejaVu Sans",
         "Nguye\u0302\u0303n V\u0103n An", {49, 74, 88, 92, 2499, 81, 3, 57, 197, 81, 3, 36, 81}},
        {"Arabic: joined, the lam-alef ligature, words right to left", "DejaVu Sans",
         "سلام عليكم", {5340, 5334, 5358, 5338, 5317, 3, 1390, 5366, 5293}},
        {"Devanagari: the i sign before its consonant, a half form", "Lohit Devanagari",
         "हिन्दी नमस्ते", {368, 362, 541, 343, 369, 3, 345, 351, 557, 341, 376}},
    };
    for (const ShapingCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto text = FontEngine::shared().layout(request(c.family, c.text, 24));
        std::vector<unsigned> glyphs;
        for (const PlacedGlyph& g : text->glyphs)
            glyphs.push_back(g.glyph);
        EXPECT_EQ(glyphs, c.glyphs);
        EXPECT_EQ(text->familyUsed, c.family);
        EXPECT_TRUE(text->missing.empty());
    }
}

// A turn about the box's top-left corner moves each upright dot (dx, dy)
// from that corner to where these say, as a printer's text turns.
struct TurnCase {
    int angle;
    int (*x)(int x, int dx, int dy);
    int (*y)(int y, int dx, int dy);
};

TEST(FontTextDrawing, AMultiLineCentredTextTurnsAboutItsCorner) {
    const TurnCase turns[] = {
        {1, [](int x, int, int dy) { return x + dy; }, [](int y, int dx, int) { return y - 1 - dx; }},
        {2, [](int x, int dx, int) { return x - 1 - dx; }, [](int y, int, int dy) { return y - 1 - dy; }},
        {3, [](int x, int, int dy) { return x - 1 - dy; }, [](int y, int dx, int) { return y + dx; }},
    };
    const int size = 30;
    const std::string statement = "DrawFontText(300,400,1,ANGLE,30,0,1,0,\"DejaVu Sans\",\"Wide line\\nab\");\n";

    // The box's height by hand from the face's measures: the first line's
    // ascent, a line's height to the second baseline, its descent.
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    ASSERT_EQ(FT_New_Face(library, kDejaVuSans, 0, &face), 0);
    FT_Set_Pixel_Sizes(face, 0, size);
    const FT_Size_Metrics& m = face->size->metrics;
    const int ascent = static_cast<int>((m.ascender + 63) / 64);
    const int descent = static_cast<int>((-m.descender + 63) / 64);
    const int lineHeight = std::max(static_cast<int>((m.height + 32) / 64), ascent + descent);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    const int height = ascent + lineHeight + descent;

    const auto withAngle = [&](int angle) {
        std::string s = statement;
        s.replace(s.find("ANGLE"), 5, std::to_string(angle));
        FolioSession session(3);
        session.compile(s);
        return std::make_pair(session.objects()[0], pageDots(session.raster()));
    };
    const auto [upright, uprightDots] = withAngle(0);
    // Bounds as every object keeps them: right and bottom just outside.
    const int width = upright.right - upright.left;
    EXPECT_EQ(upright.left, 300);
    EXPECT_EQ(upright.top, 400);
    EXPECT_EQ(upright.bottom - upright.top, height);

    // The short second line stands in the middle of the first one's width.
    int secondLeft = 10000, secondRight = -1;
    for (const auto& [x, y] : uprightDots) {
        EXPECT_TRUE(x >= 300 && x < 300 + width && y >= 400 && y < 400 + height);
        if (y >= 400 + ascent + descent) {
            secondLeft = std::min(secondLeft, x - 300);
            secondRight = std::max(secondRight, x - 300);
        }
    }
    EXPECT_NEAR(secondLeft + secondRight + 1, width, 3);

    for (const TurnCase& t : turns) {
        SCOPED_TRACE("angle " + std::to_string(t.angle));
        const auto [turned, turnedDots] = withAngle(t.angle);
        Dots expected;
        for (const auto& [x, y] : uprightDots)
            expected.emplace(t.x(300, x - 300, y - 400), t.y(400, x - 300, y - 400));
        EXPECT_EQ(turnedDots, expected);
        const int corners[][2] = {{0, 0}, {width - 1, height - 1}};
        const int left = std::min(t.x(300, corners[0][0], corners[0][1]), t.x(300, corners[1][0], corners[1][1]));
        const int top = std::min(t.y(400, corners[0][0], corners[0][1]), t.y(400, corners[1][0], corners[1][1]));
        const int right = std::max(t.x(300, corners[0][0], corners[0][1]), t.x(300, corners[1][0], corners[1][1]));
        const int bottom = std::max(t.y(400, corners[0][0], corners[0][1]), t.y(400, corners[1][0], corners[1][1]));
        EXPECT_EQ(turned.left, left);
        EXPECT_EQ(turned.top, top);
        EXPECT_EQ(turned.right, right + 1);
        EXPECT_EQ(turned.bottom, bottom + 1);
    }
}

TEST(FontTextDrawing, ShrinksToTheLargestSizeThatFitsTheWidth) {
    const std::string text = "Nguyễn Văn An\nŁukasz Øyvind Şükrü";
    FontEngine& engine = FontEngine::shared();
    const auto natural = [&](int size) { return engine.layout(request("", text, size))->width; };
    for (const int fitting : {6, 9, 20, 47, 130}) {
        int size = fitting;
        while (natural(size + 1) == natural(size))
            ++size;
        const int width = natural(size);
        for (const int asked : {size + 1, size + 5, 600}) {
            SCOPED_TRACE("width " + std::to_string(width) + ", asked " + std::to_string(asked));
            const auto shrunk = engine.layout(request("", text, asked, 0, width));
            EXPECT_EQ(shrunk->size, size);
            EXPECT_TRUE(shrunk->fits);
            EXPECT_EQ(shrunk->width, width);
            if (size > 6) {
                const auto narrower = engine.layout(request("", text, asked, 0, width - 1));
                EXPECT_LT(narrower->size, size);
            }
        }
    }
    const auto tooWide = engine.layout(request("", text, 40, 0, natural(6) - 1));
    EXPECT_EQ(tooWide->size, 6);
    EXPECT_FALSE(tooWide->fits);
    EXPECT_EQ(fontTextProblems(*tooWide, natural(6) - 1),
              std::vector<std::string>{"a line is wider than " + std::to_string(natural(6) - 1) +
                                       " dots even at size 6"});
}

TEST(FontTextDrawing, SaysWhatItCannotDrawAsAsked) {
    FontEngine& engine = FontEngine::shared();
    const auto missing = engine.layout(request("", "a𓂀b王", 24));
    EXPECT_EQ(missing->missing, (std::vector<std::string>{"𓂀", "王"}));
    EXPECT_EQ(missing->glyphs.size(), 2u);
    EXPECT_EQ(fontTextProblems(*missing, 0),
              std::vector<std::string>{"no installed font has '𓂀', '王'"});

    const auto absent = engine.layout(request("Arial", "Łukasz", 24));
    EXPECT_EQ(absent->note, "'Arial' is not installed; drawn with DejaVu Sans");
    EXPECT_EQ(absent->familyUsed, "DejaVu Sans");
    EXPECT_EQ(drawn(request("Arial", "Łukasz", 24), 10, 10),
              drawn(request("", "Łukasz", 24), 10, 10));

    // A character the family lacks comes from the next font that has it.
    const auto fallback = engine.layout(request("DejaVu Serif", "Aक", 24));
    EXPECT_TRUE(fallback->missing.empty());
    EXPECT_TRUE(fallback->note.empty());
    EXPECT_EQ(fallback->glyphs.size(), 2u);
}

TEST(FontTextDrawing, TheGlyphCacheStaysWithinItsBound) {
    FontEngine& engine = FontEngine::shared();
    const auto raster = makeRaster(832, 800);
    for (int size = 300; size <= 600; size += 2)
        engine.draw(*raster, {0, 0, 1, 0}, *engine.layout(request("", "W@", size)));
    const auto use = engine.cacheUse();
    EXPECT_LE(use.glyphBytes, FontEngine::kGlyphBytesLimit);
    EXPECT_GT(use.glyphBytes, FontEngine::kGlyphBytesLimit / 2);
    EXPECT_LE(use.layouts, FontEngine::kLayoutLimit);
}

} // namespace
} // namespace quillset
