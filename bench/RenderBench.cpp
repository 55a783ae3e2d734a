// RenderPage against the text algorithm as written, on the same page in the
// same run: (a) a dense full page, 54 lines of 83 characters in font 3 with
// a dozen rectangles; (b) the same text at angle 1 in font 10 at double
// width and height. Each pair first checks that both draw the same dots.
// The "randomGlyphs" pair draws page (a) with random glyph bits, 40 % set:
// far denser than the printer fonts, so it shows the cost per dot. Once the
// page exists, rendering it allocates nothing: see each one's allocations.

#include "document/PageRenderer.h"
#include "model/ObjectList.h"
#include "tests/support/TestFonts.h"
#include "tests/support/WrittenTextRenderer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

// Every heap allocation of the program is counted, so that each benchmark
// can report how many one iteration makes.
std::size_t allocations = 0;

[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}

[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace quillset {
namespace {

// Allocations per iteration from here to the end of the benchmark.
class AllocationCount {
public:
    explicit AllocationCount(benchmark::State& state)
        : state_(state)
        , start_(allocations) {}
    ~AllocationCount() {
        state_.counters["allocations"] = benchmark::Counter(
            static_cast<double>(allocations - start_), benchmark::Counter::kAvgIterations);
    }
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

private:
    benchmark::State& state_;
    std::size_t start_;
};

constexpr int kLines = 54;
constexpr int kColumns = 83;
constexpr int kLineHeight = 23;

std::unique_ptr<ObjectList> densePage(int angle, std::uint8_t attribute) {
    auto list = std::make_unique<ObjectList>();
    for (int i = 0; i < 12; ++i) {
        PageObject box;
        box.kind = ObjectKind::Rectangle;
        box.left = 20 + 60 * i;
        box.top = 30 + 90 * i;
        box.right = box.left + 200;
        box.bottom = box.top + 120;
        box.colour = i % 3 == 0 ? 0 : 1;
        box.border = i % 2 == 0 ? 0 : i % 5 + 1;
        list->append(box);
    }
    // Two lines to a text object: 2 x 83 characters and a line feed fit a
    // field of 199.
    for (int line = 0; line < kLines; line += 2) {
        std::string chars;
        for (int l = line; l < line + 2; ++l) {
            for (int c = 0; c < kColumns; ++c) {
                chars += static_cast<char>(33 + (l * 7 + c * 13) % 94);
            }
            chars += '\n';
        }
        chars.pop_back();
        PageObject text;
        text.kind = ObjectKind::Text;
        text.colour = 1;
        text.angle = angle;
        text.x = angle == 1 ? line * kLineHeight : 1;
        text.y = angle == 1 ? 1247 : line * kLineHeight;
        text.styled.assign(chars, attribute);
        list->append(text);
    }
    return list;
}

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
