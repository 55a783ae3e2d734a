// RenderPage against the text algorithm as written, on the same page in the
// same run: (a) a dense full page, 54 lines of 83 characters in font 3 with
// a dozen rectangles; (b) the same text at angle 1 in font 10 at double
// width and height. Each pair first checks that both draw the same dots.
// The "randomGlyphs" pair draws page (a) with random glyph bits, 40 % set:
// far denser than the printer fonts, so it shows the cost per dot. Once the
// page exists, rendering it allocates nothing: see each one's allocations.

#include "bench/support/AllocationCount.h"
#include "bench/support/DensePage.h"
#include "document/PageRenderer.h"
#include "model/ObjectList.h"
#include "tests/support/TestFonts.h"
#include "tests/support/WrittenTextRenderer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

namespace quillset {
namespace {

using bench::AllocationCount;
using bench::densePage;

// RenderPage as written: the same primitives for rectangles, the written
// text algorithm for texts.
void renderWritten(PageRaster& raster, testing::WrittenTextRenderer& text, const ObjectList& list) {
    raster.Clear();
    for (int i = 0; i < list.count; ++i) {
        const PageObject& o = list[i];
        if (o.kind == ObjectKind::Rectangle) {
            DrawBox(raster, o.left, o.top, o.right, o.bottom, static_cast<std::int16_t>(o.colour),
                    o.border);
        } else if (o.kind == ObjectKind::Text) {
            text.DrawTextBlock(raster, o.x, o.y, static_cast<std::int16_t>(o.colour), o.angle,
                               o.styled);
        }
    }
}

void renderFast(PageRaster& raster, TextRenderer& text, const ObjectList& list) {
    raster.Clear();
    for (int i = 0; i < list.count; ++i) {
        const PageObject& o = list[i];
        if (o.kind == ObjectKind::Rectangle) {
            DrawBox(raster, o.left, o.top, o.right, o.bottom, static_cast<std::int16_t>(o.colour),
                    o.border);
        } else if (o.kind == ObjectKind::Text) {
            text.DrawTextBlock(raster, o.x, o.y, static_cast<std::int16_t>(o.colour), o.angle,
                               o.styled);
        }
    }
}

struct Page {
    std::unique_ptr<PageRenderer> renderer = std::make_unique<PageRenderer>(4);
    std::unique_ptr<PageRaster> written = std::make_unique<PageRaster>();
    std::unique_ptr<ObjectList> list;

    explicit Page(std::unique_ptr<ObjectList> objects)
        : list(std::move(objects)) {
        written->settings = renderer->raster().settings;
    }

    bool sameDots() {
        renderer->RenderPage(*list);
        testing::WrittenTextRenderer text(renderer->fonts());
        renderWritten(*written, text, *list);
        return renderer->raster().bits == written->bits;
    }
};

const std::uint8_t kFont3 = 3;
const std::uint8_t kFont10Double = 10 | attr::kDoubleWidth | attr::kDoubleHeight;

void renderPage(benchmark::State& state, int angle, std::uint8_t attribute) {
    Page page(densePage(angle, attribute));
    if (!page.sameDots()) {
        state.SkipWithError("RenderPage and the written algorithm differ");
        return;
    }
    const AllocationCount counted(state);
    for (auto _ : state) {
        page.renderer->RenderPage(*page.list);
        benchmark::DoNotOptimize(page.renderer->raster().bits.data());
    }
}

void renderWrittenPage(benchmark::State& state, int angle, std::uint8_t attribute) {
    Page page(densePage(angle, attribute));
    testing::WrittenTextRenderer text(page.renderer->fonts());
    const AllocationCount counted(state);
    for (auto _ : state) {
        renderWritten(*page.written, text, *page.list);
        benchmark::DoNotOptimize(page.written->bits.data());
    }
}

void randomGlyphs(benchmark::State& state, bool written) {
    testing::TestFonts fonts;
    fonts.randomise(7, 40);
    const auto list = densePage(0, kFont3);
    auto fast = std::make_unique<PageRaster>();
    auto slow = std::make_unique<PageRaster>();
    fast->settings.reset(4);
    slow->settings = fast->settings;
    TextRenderer ours(fonts.table());
    testing::WrittenTextRenderer reference(fonts.table());
    renderFast(*fast, ours, *list);
    renderWritten(*slow, reference, *list);
    if (fast->bits != slow->bits) {
        state.SkipWithError("the text renderer and the written algorithm differ");
        return;
    }
    const AllocationCount counted(state);
    for (auto _ : state) {
        if (written) {
            renderWritten(*slow, reference, *list);
        } else {
            renderFast(*fast, ours, *list);
        }
        benchmark::DoNotOptimize(fast->bits.data());
        benchmark::DoNotOptimize(slow->bits.data());
    }
}

BENCHMARK_CAPTURE(renderPage, DenseFont3, 0, kFont3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderWrittenPage, DenseFont3, 0, kFont3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderPage, Angle1Font10Double, 1, kFont10Double)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(renderWrittenPage, Angle1Font10Double, 1, kFont10Double)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(randomGlyphs, Ours, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(randomGlyphs, Written, true)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillset
