// Encoding a page in each printer language: (a) a dense full 832 x 1248
// page, 54 lines of 83 characters in font 3 with a dozen rectangles, as
// RenderBench draws it: text on every row, the worst a label gets; (b) the
// shipping label, 832 x 1200, a real label of about the same size; (c) each
// example label, its byte count in every language as counters (script,
// escpos, zpl_ascii, zpl_z64).

#include "bench/support/DensePage.h"
#include "document/FolioSession.h"
#include "document/PageRenderer.h"
#include "document/PrinterBytes.h"
#include "language/EscPosEncoder.h"
#include "language/ZplEncoder.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace quillset {
namespace {

class SilentReporter : public Reporter {
public:
    void report(const std::string&) override {}
};

std::unique_ptr<PageRenderer> densePage() {
    auto renderer = std::make_unique<PageRenderer>(4);
    renderer->RenderPage(*bench::densePage(0, 3));
    return renderer;
}

const LanguageOptions kEscPos{.language = PrinterLanguage::EscPos};
const LanguageOptions kZplAscii{.language = PrinterLanguage::Zpl};
const LanguageOptions kZplZ64{.language = PrinterLanguage::Zpl,
                              .zplCompression = ZplCompression::Z64};

std::unique_ptr<FolioSession> openExample(const std::string& path) {
    auto session = std::make_unique<FolioSession>();
    SilentReporter reporter;
    if (!session->open(path, reporter))
        return nullptr;
    return session;
}

void encodePicture(benchmark::State& state, const DotPictureView& picture,
                   const LanguageOptions& options) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = options.language == PrinterLanguage::EscPos
                                    ? encodeEscPos(picture, options)
                                    : encodeZpl(picture, options);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["plain_hex_share_%"] =
        100.0 * static_cast<double>(bytes) /
        (2.0 * static_cast<double>(picture.rowBytes) * picture.height);
}

void encodeDensePage(benchmark::State& state, const LanguageOptions& options) {
    const auto renderer = densePage();
    encodePicture(state, dotPictureOf(renderer->raster()), options);
}

void encodeShippingLabel(benchmark::State& state, const LanguageOptions& options) {
    const auto session =
        openExample(std::string(QUILLSET_SOURCE_DIR) + "/examples/shipping-label.txt");
    if (!session) {
        state.SkipWithError("the example does not open");
        return;
    }
    encodePicture(state, dotPictureOf(session->raster()), options);
}

void exampleBytes(benchmark::State& state, const std::string& path) {
    const auto example = openExample(path);
    if (!example) {
        state.SkipWithError("the example does not open");
        return;
    }
    const FolioSession& session = *example;
    const struct {
        const char* counter;
        LanguageOptions options;
    } languages[] = {{"script", {}},
                     {"escpos", kEscPos},
                     {"zpl_ascii", kZplAscii},
                     {"zpl_z64", kZplZ64},
                     {"tspl", {.language = PrinterLanguage::Tspl}},
                     {"epl2", {.language = PrinterLanguage::Epl2}}};
    for (auto _ : state) {
        for (const auto& language : languages)
            benchmark::DoNotOptimize(printerBytes(session, language.options).size());
    }
    for (const auto& language : languages)
        state.counters[language.counter] =
            static_cast<double>(printerBytes(session, language.options).size());
}

BENCHMARK_CAPTURE(encodeDensePage, EscPos, kEscPos)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(encodeDensePage, ZplAscii, kZplAscii)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(encodeDensePage, ZplZ64, kZplZ64)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(encodeShippingLabel, EscPos, kEscPos)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(encodeShippingLabel, ZplAscii, kZplAscii)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(encodeShippingLabel, ZplZ64, kZplZ64)->Unit(benchmark::kMicrosecond);

const int registered = [] {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QUILLSET_SOURCE_DIR) + "/examples")) {
        benchmark::RegisterBenchmark(("exampleBytes/" + entry.path().filename().string()).c_str(),
                                     exampleBytes, entry.path().string())
            ->Unit(benchmark::kMicrosecond);
    }
    return 0;
}();

} // namespace
} // namespace quillset
