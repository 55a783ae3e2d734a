// A page of 20 QR Codes of 100 characters each at 4 dots a module, 4 by 5
// on the 832-dot page: (a) RenderPage as the page view renders after an
// edit, the symbols' encodings remembered from the Compile before; (b) the
// cost of encoding one such QR Code anew, which a changed symbol pays once.

#include "document/Compile.h"
#include "document/PageRenderer.h"
#include "model/KeptLines.h"
#include "model/ObjectList.h"
#include "symbol/SymbolEncoder.h"
#include "symbol/Symbology.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace quillset {
namespace {

// 100 characters, different for each number.
std::string productAddress(int n) {
    std::string data = "https://quill.example/products/stoneware/mug-" + std::to_string(10000 + n) +
                       "?lot=";
    while (data.size() < 100)
        data += static_cast<char>('A' + (n + static_cast<int>(data.size())) % 26);
    return data;
}

void BM_RenderTwentyQrCodes(benchmark::State& state) {
    PageRenderer renderer(4);
    auto list = std::make_unique<ObjectList>();
    KeptLines kept;
    std::string script;
    for (int i = 0; i < 20; ++i) {
        const int x = 10 + (i % 4) * 200;
        const int y = 10 + (i / 4) * 240;
        script += "DrawSymbol(" + std::to_string(x) + ',' + std::to_string(y) + ",0,1,4,1,\"" +
                  productAddress(i) + "\");\n";
    }
    loadListFromText(*list, kept, script, renderer.text());
    for (int i = 0; i < list->count; ++i) {
        if ((*list)[i].kind != ObjectKind::Symbol || (*list)[i].right - (*list)[i].left < 150) {
            state.SkipWithError("a statement did not make a QR Code of 100 characters");
            return;
        }
    }
    for (auto _ : state) {
        renderer.RenderPage(*list);
        benchmark::DoNotOptimize(renderer.raster().bits.data());
    }
    state.counters["symbols"] = list->count;
}
BENCHMARK(BM_RenderTwentyQrCodes)->Unit(benchmark::kMicrosecond);

void BM_EncodeOneQrCodeAnew(benchmark::State& state) {
    int n = 1000;
    for (auto _ : state) {
        const EncodedSymbol encoded = encodeSymbol(symbology::kQrCode, 4, 1, productAddress(++n));
        benchmark::DoNotOptimize(encoded.image.get());
    }
}
BENCHMARK(BM_EncodeOneQrCodeAnew)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillset
