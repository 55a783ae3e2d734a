#include "document/PageRenderer.h"

#include "barcode/BarcodeType.h"
#include "model/ObjectList.h"
#include "tests/support/RasterTesting.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

using testing::Box;
using testing::countDots;
using testing::dotAt;

PageObject rectangle(int left, int top, int right, int bottom, int colour, int border) {
    PageObject o;
    o.kind = ObjectKind::Rectangle;
    o.left = left;
    o.top = top;
    o.right = right;
    o.bottom = bottom;
    o.colour = colour;
    o.border = border;
    return o;
}

// Underlined spaces: text whose only dots are the cells' bottom rows.
PageObject underlinedSpaces(int x, int y, const char* chars) {
    PageObject o;
    o.kind = ObjectKind::Text;
    o.x = x;
    o.y = y;
    o.colour = 1;
    o.styled.assign(chars, attr::kDefault | attr::kUnderline);
    return o;
}

PageObject barcode(int x, int y, int humanReadable, const char* data) {
    PageObject o;
    o.kind = ObjectKind::Barcode;
    o.barcodeX = x;
    o.barcodeY = y;
    o.barcodeType = barcode_type::kCode39;
    o.barcodeHeight = 40;
    o.humanReadable = humanReadable;
    o.colour = 1;
    o.literal.assign(data);
    o.styled.assign(data);
    return o;
}

int dotsOutside(const PageRaster& raster, const Box& box) {
    int n = 0;
    for (int y = 0; y < raster.settings.pageHeight; ++y) {
        for (int x = 0; x < raster.settings.pageWidth; ++x) {
            n += dotAt(raster, x, y) && !box.contains(x, y) ? 1 : 0;
        }
    }
    return n;
}

struct PageRendererTest : ::testing::Test {
    PageRenderer renderer{2};
    std::unique_ptr<ObjectList> list = std::make_unique<ObjectList>();

    void render(std::initializer_list<PageObject> objects) {
        list->clear();
        for (const auto& o : objects) {
            list->append(o);
        }
        renderer.RenderPage(*list);
    }
};

TEST_F(PageRendererTest, StartsWithTheWhitePageOfThePrinterType) {
    const struct { int type, width; } cases[] = {{2, 384}, {3, 576}, {4, 832}, {9, 384}};
    for (const auto& c : cases) {
        PageRenderer page(c.type);
        EXPECT_EQ(page.raster().settings.pageWidth, c.width);
        EXPECT_EQ(page.raster().settings.pageHeight, 1248);
        EXPECT_EQ(countDots(page.raster()), 0);
    }
}

TEST_F(PageRendererTest, AnEmptyListRendersAWhitePage) {
    FillArea(renderer.raster(), 0, 0, 383, 1247, 1);
    render({});
    EXPECT_EQ(countDots(renderer.raster()), 0);
}

TEST_F(PageRendererTest, RectanglesAreBoxesInListOrder) {
    const struct {
        const char* why;
        std::initializer_list<PageObject> objects;
        std::initializer_list<Box> black;
        std::initializer_list<Box> white;
    } cases[] = {
        {"a filled rectangle includes its corners",
         {rectangle(10, 10, 50, 30, 1, 0)},
         {{10, 10, 50, 30}},
         {}},
        {"border 3 is centred on the edges",
         {rectangle(10, 10, 50, 30, 1, 3)},
         {{9, 9, 51, 31}},
         {{12, 12, 48, 28}}},
        {"a border of 65536 has no low bits: filled",
         {rectangle(10, 10, 50, 30, 1, 65536)},
         {{10, 10, 50, 30}},
         {}},
        {"past the right edge: drawn up to the edge",
         {rectangle(370, 0, 500, 5, 1, 0)},
         {{370, 0, 383, 5}},
         {}},
        {"white over black text cuts a hole",
         {underlinedSpaces(0, 0, "        "), rectangle(10, 0, 20, 30, 0, 0)},
         {{0, 22, 79, 22}},
         {{10, 0, 20, 30}}},
        {"white under black text changes nothing",
         {rectangle(10, 0, 20, 30, 0, 0), underlinedSpaces(0, 0, "        ")},
         {{0, 22, 79, 22}},
         {}},
        {"script lines draw nothing",
         {[] {
             PageObject o = rectangle(0, 0, 100, 100, 1, 0);
             o.kind = ObjectKind::ScriptLine;
             return o;
         }()},
         {},
         {}},
    };
    for (const auto& c : cases) {
        render(c.objects);
        int wrong = 0;
        for (int y = 0; y < 1248; ++y) {
            for (int x = 0; x < 384; ++x) {
                bool want = false;
                for (const Box& b : c.black) {
                    want = want || b.contains(x, y);
                }
                for (const Box& b : c.white) {
                    want = want && !b.contains(x, y);
                }
                if (dotAt(renderer.raster(), x, y) != want && wrong++ < 5) {
                    ADD_FAILURE() << c.why << ": dot (" << x << ", " << y << ")";
                }
            }
        }
    }
}

TEST_F(PageRendererTest, ANewPageSizeIsClearedWhole) {
    renderer.raster().settings.reset(4);
    render({rectangle(0, 0, 831, 1247, 1, 0)});
    renderer.raster().settings.pageWidth = 576;
    renderer.raster().settings.pageHeight = 700;
    renderer.raster().settings.normalise();
    render({});
    const auto& bits = renderer.raster().bits;
    EXPECT_TRUE(std::all_of(bits.begin(), bits.begin() + 72 * 700, [](auto b) { return b == 0; }));
}

TEST_F(PageRendererTest, BarcodesDrawTheirHumanReadableLineOnlyWhenAsked) {
    const char* data = "ABC";
    const Box bars{20, 20, 20 + BarcodeExtent(barcode_type::kCode39, 3), 60};

    render({barcode(20, 20, 0, data)});
    EXPECT_GT(countDots(renderer.raster()), 0);
    EXPECT_EQ(dotsOutside(renderer.raster(), bars), 0);
    EXPECT_EQ(renderer.text().textExtentX, 0) << "no text was drawn";
    const auto barsOnly = renderer.raster().bits;

    // The line is the data in font 3 at the origin the barcode engine gives.
    render({barcode(20, 20, 1, data)});
    auto expected = std::make_unique<PageRaster>();
    expected->settings = renderer.raster().settings;
    expected->bits = barsOnly;
    TextRenderer text(renderer.fonts());
    const TextOrigin at = humanReadableOrigin(20, 20, 0, barcode_type::kCode39, 40, 3);
    text.DrawTextBlock(*expected, at.x, at.y, 1, 0, barcode(20, 20, 1, data).styled);
    EXPECT_EQ(renderer.raster().bits, expected->bits);
    EXPECT_EQ(renderer.text().textExtentX, 30);
    EXPECT_EQ(renderer.text().textExtentY, 23);
}

} // namespace
} // namespace quillset
