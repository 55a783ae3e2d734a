// A batch from a data file: the merge example's shipping label, its
// addressee, order line and tracking barcode as fields, filled from a CSV
// file of N orders and turned into ZPL (read, fill, compile, render,
// encode), one label per record. "items_per_second" is records a second;
// "heap_peak_MB" the most heap the batch holds at once, which stays the same
// from 1,000 records to 10,000.

#include "bench/support/AllocationCount.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "merge/MergeRun.h"
#include "model/Reporter.h"

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

// Orders with every kind of field a CSV file has: quoted commas, a line
// break in an address, names outside ASCII.
std::string writeOrders(int records) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillset-merge-bench-" + std::to_string(records) + ".csv");
    std::ofstream out(path, std::ios::binary);
    out << "name,address,city,postcode,order,weight,service,tracking\r\n";
    const char* const names[] = {"Mrs Anna Kowalska", "\"Smith, John\"",
                                 "Zo\xC3\xAB Bront\xC3\xAB-M\xC3\xBCller"};
    for (int i = 0; i < records; ++i) {
        out << names[i % 3] << ",\"" << (i % 97 + 1) << " Harbour View Road\r\nFlat " << i % 7
            << "\",Portishead,BS20 7QA,NW-" << 20000 + i << ',' << i % 30 / 10.0 << ",24H,QS44"
            << 71092231 + i << "GB\r\n";
    }
    return path.string();
}

void mergeToZpl(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    FolioSession document;
    SilentReporter reporter;
    if (!document.open(std::string(QUILLSET_SOURCE_DIR) + "/examples/merge/shipping-label.txt",
                       reporter)) {
        state.SkipWithError("the merge example does not open");
        return;
    }
    MergeSettings settings;
    settings.dataPath = writeOrders(records);
    const LanguageOptions zpl{.language = PrinterLanguage::Zpl};
    std::size_t bytes = 0;
    const std::size_t before = bench::heapBytesNow();
    bench::resetHeapPeak();
    for (auto _ : state) {
        MergeRun run(document, settings);
        while (run.next()) {
            const std::string label = printerBytes(run.page(), zpl);
            bytes += label.size();
            benchmark::DoNotOptimize(label.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * records);
    state.counters["heap_peak_MB"] = static_cast<double>(bench::heapPeak() - before) / 1e6;
    state.counters["zpl_bytes_per_label"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations() * records);
    std::filesystem::remove(settings.dataPath);
}

BENCHMARK(mergeToZpl)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace quillset
