// Feeds arbitrary bytes through Open, the render, Save, the print stream and a
// second Open of what was saved, and checks what must hold for any input.
#include "document/FolioSession.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "raster/PageRaster.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

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
        require(o.rawLine.view().size() <= kMaxFieldChars, "raw line within 199");
        require(o.styled.chars[kMaxFieldChars] == '\0', "decoded text within 199");
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
    FolioSession second(printerType);
    second.openBytes(saved, reporter);
    checkFields(second.objects());
    require(second.script() == first.script(), "reopening the saved file gives the same script");
    require(samePage(first, second), "reopening the saved file gives the same page");
    require(second.fileBytes() == saved, "saving again gives the same file");

    // The script pane's road: the same text compiled as typed.
    FolioSession pane(printerType);
    pane.compile(first.script());
    checkFields(pane.objects());
    return 0;
}
