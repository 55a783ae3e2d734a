// Feeds arbitrary bytes through Open, the render, Save, the print stream and a
// second Open of what was saved, and checks what must hold for any input:
// fields within their limits, every line saved, the saved file stable. The
// same bytes then go to each raster printer's reader, as `listen` reads them.
#include "document/FolioSession.h"
#include "document/ScriptFile.h"
#include "language/PrinterLanguage.h"
#include "language/ReadProblems.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "model/ScriptReader.h"
#include "raster/PageRaster.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quillset;

class SilentReporter : public Reporter {
public:
    void report(const std::string&) override {}
};

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

std::string_view pageBytes(const FolioSession& session) {
    const PageRaster& raster = session.raster();
    const auto size = static_cast<std::size_t>(raster.settings.rowBytes) *
                      static_cast<std::size_t>(raster.usableRows());
    return {reinterpret_cast<const char*>(raster.bits.data()), size};
}

bool samePage(const FolioSession& a, const FolioSession& b) {
    const PageSettings& p = a.settings();
    const PageSettings& q = b.settings();
    return p.leftMargin == q.leftMargin && p.topMargin == q.topMargin &&
           p.pageWidth == q.pageWidth && p.pageHeight == q.pageHeight &&
           pageBytes(a) == pageBytes(b);
}

void checkFields(const ObjectList& list) {
    require(list.count >= 0 && list.count <= kMaxObjects, "object count within 500");
    for (int i = 0; i < list.count; ++i) {
        const PageObject& o = list[i];
        require(o.literal.view().size() <= kMaxFieldChars, "literal within 199");
        require(o.styled.chars[kMaxFieldChars] == '\0', "decoded text within 199");
    }
}

// A file's lines as Open reads them (each ends at a line feed, carriage
// returns removed), without those it takes out of the script: the printer's
// wrapper lines and the page statements.
std::vector<std::string> scriptLines(std::string_view file) {
    std::vector<std::string> lines;
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        std::string line(file.substr(0, end));
        file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
        std::erase(line, '\r');
        if (goesToScript(line))
            lines.push_back(std::move(line));
    }
    return lines;
}

// Nothing in a file is lost: every script line comes back in the saved
// file, in order; all but the drawing statements that read (which are
// written in their canonical form) byte for byte, however long, and every
// line past the 500th as it came.
void requireEveryLineSaved(std::string_view input, std::string_view saved) {
    const std::vector<std::string> in = scriptLines(input);
    const std::vector<std::string> out = scriptLines(saved);
    require(in.size() == out.size(), "every script line is saved");
    for (std::size_t i = 0; i < in.size(); ++i) {
        ScriptReader reader;
        const bool drawn = i < static_cast<std::size_t>(kMaxObjects) &&
                           reader.readDrawingStatement(in[i]) != Keyword::None;
        require(drawn || in[i] == out[i], "a kept line is saved byte for byte, in order");
    }
}

// In two pieces, so that a command split between them is read too: every
// page within the readers' limits.
void readAsEachPrinter(std::string_view input) {
    for (const LanguageInfo& info : kLanguages) {
        if (!info.makeReader)
            continue;
        const std::unique_ptr<LanguageReader> reader = info.makeReader();
        const std::size_t half = input.size() / 2;
        for (const ReadOutcome& outcome : {reader->feed(input.substr(0, half)),
                                           reader->feed(input.substr(half)), reader->finish()}) {
            for (const PrintedPage& page : outcome.pages)
                require(page.picture.width <= kMaxReadDots && page.picture.height <= kMaxReadDots,
                        "a page read is within the readers' limits");
        }
        require(reader->pendingBytes() == 0, "nothing held once the stream has ended");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the printer type, so every page width is reached.
    const int printerType = size > 0 ? 2 + data[0] % 3 : 2;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    SilentReporter reporter;

    FolioSession first(printerType);
    first.openBytes(input, reporter);
    checkFields(first.objects());
    (void)first.printStream();

    const std::string saved = first.fileBytes();
    requireEveryLineSaved(input, saved);
    FolioSession second(printerType);
    second.openBytes(saved, reporter);
    checkFields(second.objects());
    require(second.script() == first.script(), "reopening the saved file gives the same script");
    require(samePage(first, second), "reopening the saved file gives the same page");
    require(second.fileBytes() == saved, "saving again gives the same file");

    // The script pane's road: the same text compiled as typed.
    FolioSession pane(printerType);
    pane.compile(first.script(), reporter);
    checkFields(pane.objects());

    readAsEachPrinter(input);
    return 0;
}
