// The end of a graphical edit on a dense page of 500 objects, as the user
// waits for it after the release: the script written again from the objects,
// the page rendered, and the picture the page view repaints from, also with
// that repaint at zoom 4 and at Fit Page, where the picture is first shrunk
// by averaging (timed apart too). A frame at 240 Hz lasts 4.2 ms; the whole stays
// under 4 ms.
//
// The page (832 x 1248 dots) is full: 250 texts of 12 to 21 characters,
// about as many characters as the page holds in one layer of the default
// font, with bold, underlined, other fonts and some double size, a tenth of
// them turned; 150 rectangles filled and hollow in both colours; 100
// barcodes (Code 128, EAN-13, Code 39) at all four angles; all spread over
// the page and overlapping. The parts are timed apart as well, each with its
// heap allocations per iteration; rendering makes none.

#include "app/pageview/PagePainter.h"
#include "app/pageview/PagePicture.h"
#include "app/pageview/ShrunkPicture.h"
#include "bench/support/AllocationCount.h"
#include "document/FolioSession.h"
#include "editor/ViewMapping.h"
#include "model/ObjectList.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

namespace quillset {
namespace {

using bench::AllocationCount;

constexpr int kTexts = 250;
constexpr int kRectangles = 150;
constexpr int kBarcodes = 100;

std::string statement(const char* name, std::initializer_list<int> numbers,
                      const std::string& last) {
    std::string line = name;
    line += '(';
    for (int n : numbers)
        line += std::to_string(n) + ',';
    return line + last + ");\r\n";
}

std::string densePage() {
    std::string script;
    for (int i = 0; i < kRectangles; ++i) {
        const int left = (i * 53) % 760;
        const int top = (i * 97) % 1180;
        script += statement("DrawRectangle",
                            {left, top, left + 40 + i % 60, top + 20 + i % 45, i % 3 ? 1 : 0},
                            std::to_string(i % 4 == 0 ? 0 : i % 5 + 1));
    }
    const char* styles[] = {"", "<B>", "<U>", "<F=2>", "", "<F=10>", "", "<W=2><H=2>"};
    for (int i = 0; i < kTexts; ++i) {
        std::string text = styles[i % 8];
        text += "Item " + std::to_string(1000 + i) + " box" + std::string(i % 10, 'x');
        script += statement("DrawText", {(i * 37) % 640, (i * 61) % 1220, 1, i % 10 == 0 ? 1 : 0},
                            '"' + text + '"');
    }
    const char* data[] = {"Quillset-Label-00042", "4006381333931", "CODE39-123"};
    const int types[] = {2, 4, 1};
    for (int i = 0; i < kBarcodes; ++i) {
        const int kind = i % 3;
        script += statement("DrawBarcode",
                            {(i * 41) % 600, (i * 83) % 1100, i % 4, i % 2, types[kind], 40},
                            '"' + std::string(data[kind]) + '"');
    }
    return script;
}

std::unique_ptr<FolioSession> denseSession(benchmark::State& state) {
    auto session = std::make_unique<FolioSession>(4);
    session->compile(densePage());
    if (session->objects().count != kTexts + kRectangles + kBarcodes)
        state.SkipWithError("the dense page did not compile into 500 objects");
    return session;
}

void endOfAnEdit(benchmark::State& state) {
    const auto session = denseSession(state);
    const AllocationCount counted(state);
    for (auto _ : state) {
        session->editFinished();
        const QImage picture = pagePicture(session->raster());
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(endOfAnEdit)->Unit(benchmark::kMillisecond);

// The same at zoom 4 with the repaint of a 1280 x 800 page view scrolled to
// the middle of the page, each dot a 4 x 4 square, the grid on.
void endOfAnEditAtZoom4(benchmark::State& state) {
    const auto session = denseSession(state);
    QImage view(1280, 800, QImage::Format_RGB32);
    const ViewMapping mapping{{1200, 2000}, {0, 0}, 4};
    const AllocationCount counted(state);
    for (auto _ : state) {
        session->editFinished();
        const QImage picture = pagePicture(session->raster());
        QPainter painter(&view);
        PagePainter(picture, session->settings(), true).paint(painter, mapping, view.rect());
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(endOfAnEditAtZoom4)->Unit(benchmark::kMillisecond);

// The same at 47 %, about Fit Page in a 1280 x 800 window: the picture is
// shrunk by averaging once after the edit, then the whole page repainted.
void endOfAnEditAtFitPage(benchmark::State& state) {
    const auto session = denseSession(state);
    QImage view(1280, 800, QImage::Format_RGB32);
    const ViewMapping mapping{{-16, -16}, {0, 0}, 47};
    ShrunkPicture shrunk;
    const AllocationCount counted(state);
    for (auto _ : state) {
        session->editFinished();
        const QImage picture = pagePicture(session->raster());
        QPainter painter(&view);
        PagePainter(picture, session->settings(), false, &shrunk.of(picture, QPoint(0, 0), 47))
            .paint(painter, mapping, view.rect());
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(endOfAnEditAtFitPage)->Unit(benchmark::kMillisecond);

// Shrinking the full page alone.
void shrinkAtFitPage(benchmark::State& state) {
    const auto session = denseSession(state);
    const QImage picture = pagePicture(session->raster());
    const AllocationCount counted(state);
    for (auto _ : state) {
        const QImage shrunk = shrunkPicture(picture, QPoint(0, 0), 47);
        benchmark::DoNotOptimize(shrunk.constBits());
    }
}
BENCHMARK(shrinkAtFitPage)->Unit(benchmark::kMillisecond);

void regenerate(benchmark::State& state) {
    const auto session = denseSession(state);
    const AllocationCount counted(state);
    for (auto _ : state)
        session->regenerate();
}
BENCHMARK(regenerate)->Unit(benchmark::kMillisecond);

void render(benchmark::State& state) {
    const auto session = denseSession(state);
    const AllocationCount counted(state);
    for (auto _ : state)
        session->render();
}
BENCHMARK(render)->Unit(benchmark::kMillisecond);

void picture(benchmark::State& state) {
    const auto session = denseSession(state);
    const AllocationCount counted(state);
    for (auto _ : state) {
        const QImage picture = pagePicture(session->raster());
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(picture)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillset
