// What the script pane does as the user types: the check of the whole text
// when typing pauses, and the highlighter's reading of every line when the
// whole text is replaced. Per 100 lines the check must stay well under a
// millisecond.

#include "document/ScriptCheck.h"
#include "model/PageSettings.h"
#include "model/ScriptSpans.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

namespace {

using namespace quillset;

// A page as people write it, a quarter of its drawing statements unread.
constexpr std::array<std::string_view, 8> kLines = {
    R"(DrawText(16,24,1,0,"<F=5><B>Fresh Bakery</B>\nDaily bread");)",
    "DrawRectangle(8,8,370,120,1,2);",
    R"(DrawBarcode(40,140,0,1,2,60,"QS-000421");)",
    "// price band",
    R"(DrawText(16,220,1,0,"<W=2><H=2>$ 3.50");)",
    R"(DrawTxt(16,260,1,0,"misspelt");)",
    "DrawRectangle(8,300,370,304,1);",
    R"(DrawText(16,320,1,0,"<Q>bad tag");)",
};

std::string script(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text.append(kLines[static_cast<std::size_t>(i) % kLines.size()]).append("\r\n");
    return text;
}

void checkPane(benchmark::State& state) {
    const std::string text = script(static_cast<int>(state.range(0)));
    PageSettings page;
    page.reset(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkPaneScript(text, page));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(checkPane)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

void highlightLines(benchmark::State& state) {
    const auto lines = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        for (std::size_t i = 0; i < lines; ++i)
            benchmark::DoNotOptimize(scriptSpans(kLines[i % kLines.size()]));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(highlightLines)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
