// How long hostile files take to open, and the peak memory of the process
// after opening them (the "peak_rss_MB" counter).
#include "model/FolioSession.h"
#include "model/Reporter.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

namespace {

using namespace quillset;

class SilentReporter : public Reporter {
public:
    void report(const std::string&) override {}
};

double peakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void openFile(benchmark::State& state, const std::string& file) {
    SilentReporter reporter;
    for (auto _ : state) {
        FolioSession session;
        session.openBytes(file, reporter);
        benchmark::DoNotOptimize(session.script().data());
    }
    state.counters["peak_rss_MB"] = peakRssMegabytes();
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}

void OneLineOf50MB(benchmark::State& state) {
    openFile(state, std::string(50'000'000, 'x'));
}

void AMillionEmptyLines(benchmark::State& state) {
    openFile(state, std::string(1'000'000, '\n'));
}

void FiveHundredLongBarcodes(benchmark::State& state) {
    std::string file;
    for (int i = 0; i < 500; ++i) {
        const int type = 1 + i % 5;
        file += "DrawBarcode(0," + std::to_string(i) + "," + std::to_string(i % 4) + ",1," +
                std::to_string(type) + ",60,\"" + std::string(400, type == 5 ? 'A' : '7') +
                "\");\r\n";
    }
    openFile(state, file);
}

} // namespace

BENCHMARK(OneLineOf50MB)->Unit(benchmark::kMillisecond);
BENCHMARK(AMillionEmptyLines)->Unit(benchmark::kMillisecond);
BENCHMARK(FiveHundredLongBarcodes)->Unit(benchmark::kMillisecond);
