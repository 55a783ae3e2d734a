// Text in installed fonts. (a) A page of 20 lines of 40 characters in
// DejaVu Sans at 32 dots, rendered once its layouts and glyphs are cached
// (the page view redrawing it) and the first time, every cache emptied
// before each run. (b) A batch of 10,000 shipping labels, 832 x 1218 dots
// (4 x 6 inches), whose addressee is three font texts filled from a CSV
// file of names from many languages, made into ZPL as `quillset-cli encode
// --data` makes them (check every record, then fill, compile, render and
// encode label after label); "items_per_second" is labels a second.

#include "document/FolioSession.h"
#include "font/FontEngine.h"
#include "language/LanguageOptions.h"
#include "merge/LabelBatch.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "raster/PageRaster.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quillset {
namespace {

class SilentReporter : public Reporter {
public:
    void report(const std::string&) override {}
};

// Each line a different 40 characters of the same sentence, so that every
// line is a layout of its own over one set of glyphs.
std::string twentyLines() {
    const std::string sentence = "Sphinx of black quartz, judge my vow! Pack my box with five "
                                 "dozen liquor jugs. 0123456789 ";
    const std::string words = sentence + sentence;
    std::string script = "SetMargin(0,0);\r\nSetPageSize(832,800);\r\n";
    for (int line = 0; line < 20; ++line) {
        script += "DrawFontText(8," + std::to_string(8 + line * 38) + ",1,0,32,0,0,0,\"\",\"" +
                  words.substr(static_cast<std::size_t>(line) * 3, 40) + "\");\r\n";
    }
    return script;
}

bool openPage(FolioSession& page, const std::string& fileBytes, benchmark::State& state) {
    SilentReporter reporter;
    page.openBytes(fileBytes, reporter);
    if (page.objects().count == 0) {
        state.SkipWithError("the page does not read");
        return false;
    }
    return true;
}

void fontTextPage(benchmark::State& state, bool cached) {
    FolioSession page(4);
    if (!openPage(page, twentyLines(), state))
        return;
    page.render();
    for (auto _ : state) {
        if (!cached) {
            state.PauseTiming();
            FontEngine::shared().clearCaches();
            state.ResumeTiming();
        }
        page.render();
        benchmark::DoNotOptimize(page.raster().bits.data());
    }
}

// The label's ship-to block in font texts, shrunk to its width when a name
// or an address is long; the rest as a shipping label has it.
const char* const kShippingLabel =
    "SetMargin(0,0);\r\n"
    "SetPageSize(832,1218);\r\n"
    "DrawRectangle(8,8,823,1209,1,4);\r\n"
    "DrawText(24,24,1,0,\"<B>FROM</B>\");\r\n"
    "DrawText(24,52,1,0,\"Northwind Ceramics Ltd\\nUnit 4, Millbrook Trading Estate\\n"
    "Leeds  LS12 6AB\");\r\n"
    "DrawRectangle(8,170,823,173,1,0);\r\n"
    "DrawText(24,190,1,0,\"<B>SHIP TO</B>\");\r\n"
    "DrawFontText(48,225,1,0,56,1,0,760,\"\",\"${name}\");\r\n"
    "DrawFontText(48,300,1,0,36,0,0,760,\"\",\"${address}\");\r\n"
    "DrawFontText(48,390,1,0,44,1,0,760,\"\",\"${city}  ${postcode}\");\r\n"
    "DrawRectangle(8,460,823,463,1,0);\r\n"
    "DrawText(24,490,1,0,\"<B>TRACKING NUMBER</B>\");\r\n"
    "DrawBarcode(207,540,0,0,2,180,\"\x88${tracking}\");\r\n"
    "DrawText(256,740,1,0,\"<F=1>${tracking}\");\r\n"
    "DrawRectangle(8,820,823,823,1,0);\r\n"
    "DrawText(24,850,1,0,\"<F=10>${postcode}\");\r\n";

// Names, streets and cities from many languages; an address of two lines
// now and then.
std::string writeAddresses(int records) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillset-font-text-bench-" + std::to_string(records) + ".csv");
    std::ofstream out(path, std::ios::binary);
    const char* const names[] = {"\xC5\x81ukasz Wi\xC5\x9Bniewski",
                                 "\xC3\x98yvind Halvorsen",
                                 "Nguy\xE1\xBB\x85n V\xC4\x83n An",
                                 "\xC5\xBD"
                                 "aneta Dvo\xC5\x99\xC3\xA1kov\xC3\xA1",
                                 "\xC5\x9E\xC3\xBCkr\xC3\xBC Y\xC4\xB1lmaz",
                                 "Mrs Anna Kowalska",
                                 "Bj\xC3\xB6rn \xC3\x85ngstr\xC3\xB6m",
                                 "Fran\xC3\xA7oise Lef\xC3\xA8vre-Dubois",
                                 "Dr Siobh\xC3\xA1n O'Callaghan-Fitzgerald of Ballymacarbry"};
    const char* const streets[] = {"ul. Marsza\xC5\x82kowska",
                                   "Storgata",
                                   "\xC4\x90\xC6\xB0\xE1\xBB\x9Dng L\xC3\xAA L\xE1\xBB\xA3i",
                                   "N\xC3\xA1m\xC4\x9Bst\xC3\xAD M\xC3\xADru",
                                   "\xC4\xB0stiklal Caddesi",
                                   "Harbour View Road"};
    const char* const cities[] = {"Warszawa", "Troms\xC3\xB8",   "H\xC3\xA0 N\xE1\xBB\x99i",
                                  "Brno",     "\xC4\xB0stanbul", "Portishead"};
    out << "name,address,city,postcode,tracking\r\n";
    for (int i = 0; i < records; ++i) {
        out << '"' << names[i % 9] << "\",\"" << (i % 97 + 1) << ' ' << streets[i % 6];
        if (i % 5 == 0)
            out << "\nFlat " << i % 7 + 1;
        out << "\"," << cities[i % 6] << ',' << 10000 + i % 89999 << ",QS" << 44710922 + i
            << "GB\r\n";
    }
    return path.string();
}

void shippingLabelBatch(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    FolioSession document(4);
    if (!openPage(document, kShippingLabel, state))
        return;
    MergeSettings settings;
    settings.dataPath = writeAddresses(records);
    const LanguageOptions zpl{.language = PrinterLanguage::Zpl};
    std::size_t bytes = 0;
    for (auto _ : state) {
        LabelBatch batch(document, settings, zpl);
        if (!batch.accept(false)) {
            state.SkipWithError(batch.check().problems.empty()
                                    ? "no record"
                                    : batch.check().problems.front().text().c_str());
            break;
        }
        std::string label;
        while (batch.next(label)) {
            bytes += label.size();
            benchmark::DoNotOptimize(label.data());
            label.clear();
        }
    }
    state.SetItemsProcessed(state.iterations() * records);
    state.counters["zpl_bytes_per_label"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations() * records);
    std::filesystem::remove(settings.dataPath);
}

BENCHMARK_CAPTURE(fontTextPage, Cached, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fontTextPage, FirstTime, false)->Unit(benchmark::kMillisecond);
BENCHMARK(shippingLabelBatch)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace quillset
