// Encoding and drawing one symbol: our engine into the page raster, and the
// library most users would pick instead into its own bitmap, at the same
// module width (2 dots), bar height (60 dots) and without text.

#include "barcode/BarcodeEngine.h"
#include "barcode/BarcodeType.h"
#include "model/PageObject.h"
#include "model/TextField.h"
#include "raster/PageRaster.h"

#include <benchmark/benchmark.h>
#include <zint.h>

#include <memory>
#include <string>

namespace {

using namespace quillset;

constexpr int kHeight = 60;

const std::string kCode128Data = "Quillset-Label-00042"; // 20 characters, subset B
const std::string kEan13Data = "4006381333931";
const std::string kCode39Data = "CODE39-123";

void ours(benchmark::State& state, int type, const std::string& data) {
    auto raster = std::make_unique<PageRaster>();
    raster->settings.pageWidth = 832;
    raster->settings.pageHeight = 200;
    raster->settings.normalise();
    raster->Clear();
    BarcodeEngine engine;
    TextField field;
    field.assign(data);
    for (auto _ : state) {
        engine.Draw(*raster, 16, 16, 0, 0, type, kHeight, field);
        benchmark::DoNotOptimize(raster->bits.data());
    }
}

void zint(benchmark::State& state, int symbology, const std::string& data) {
    zint_symbol* symbol = ZBarcode_Create();
    for (auto _ : state) {
        ZBarcode_Clear(symbol);
        symbol->symbology = symbology;
        symbol->height = kHeight / 2.0f; // in modules
        symbol->scale = 1.0f;            // 2 pixels a module
        symbol->show_hrt = 0;
        const int error =
            ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char*>(data.data()),
                                       static_cast<int>(data.size()), 0);
        if (error >= ZINT_ERROR) {
            state.SkipWithError(symbol->errtxt);
            break;
        }
        benchmark::DoNotOptimize(symbol->bitmap);
    }
    ZBarcode_Delete(symbol);
}

void Ours_Code128(benchmark::State& state) {
    ours(state, barcode_type::kCode128, std::string(1, static_cast<char>(136)) + kCode128Data);
}
void Zint_Code128(benchmark::State& state) {
    zint(state, BARCODE_CODE128, kCode128Data);
}
void Ours_Ean13(benchmark::State& state) {
    ours(state, barcode_type::kUpcEan, kEan13Data);
}
void Zint_Ean13(benchmark::State& state) {
    zint(state, BARCODE_EANX, kEan13Data);
}
void Ours_Code39(benchmark::State& state) {
    ours(state, barcode_type::kCode39, kCode39Data);
}
void Zint_Code39(benchmark::State& state) {
    zint(state, BARCODE_CODE39, kCode39Data);
}

BENCHMARK(Ours_Code128);
BENCHMARK(Zint_Code128);
BENCHMARK(Ours_Ean13);
BENCHMARK(Zint_Ean13);
BENCHMARK(Ours_Code39);
BENCHMARK(Zint_Code39);

} // namespace
