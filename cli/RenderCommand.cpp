#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/LanguageArguments.h"
#include "cli/MergeArguments.h"
#include "cli/PageImage.h"
#include "cli/PrintPipeline.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "language/LanguageOptions.h"
#include "merge/LabelBatch.h"
#include "raster/PbmImage.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace quillset::cli {

namespace {

bool endsWith(std::string text, std::string_view suffix) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.size() >= suffix.size() && text.ends_with(suffix);
}

// `pattern` with its one "%d" (printf's width and zero flag allowed, "%%"
// for a percent sign) replaced by `number`; nothing when it has no such
// "%d", or more than one.
std::optional<std::string> numberedName(std::string_view pattern, int number) {
    std::string name;
    int conversions = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            name += pattern[i];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            name += '%';
            ++i;
            continue;
        }
        const std::size_t d = pattern.find_first_not_of("0123456789", i + 1);
        if (d == std::string_view::npos || pattern[d] != 'd' || d - i > 4)
            return std::nullopt;
        const bool zeros = d > i + 1 && pattern[i + 1] == '0';
        const auto width =
            d > i + 1 ? std::stoul(std::string(pattern.substr(i + 1, d - i - 1))) : 0;
        std::string digits = std::to_string(number);
        if (digits.size() < width)
            digits.insert(0, width - digits.size(), zeros ? '0' : ' ');
        name += digits;
        ++conversions;
        i = d;
    }
    return conversions == 1 ? std::optional(name) : std::nullopt;
}

bool writeImage(const PageRaster& raster, bool png, const std::string& out, Reporter& reporter) {
    std::string image;
    if (png) {
        image = pngImage(dotPictureOf(raster));
        if (image.empty()) {
            reporter.report("A page of width or height 0 cannot be written as PNG.");
            return false;
        }
    } else {
        std::ostringstream pbm;
        writePbm(raster, pbm);
        image = pbm.str();
    }
    return writeOutput(out, image, reporter);
}

// One picture per record, named by its number.
int renderRecords(const Invocation& invocation, const std::string& out, bool png,
                  Reporter& reporter) {
    if (!numberedName(out, 1)) {
        reporter.report("With --data, -o names each picture by its record: write %d (or "
                        "%04d for 0001) in it once, as in out/label-%04d.png.");
        return 1;
    }
    const std::unique_ptr<LabelBatch> batch =
        checkedBatch(invocation, LanguageOptions{}, std::cerr);
    if (!batch)
        return 1;
    while (batch->nextLabel()) {
        if (!writeImage(batch->page().raster(), png, *numberedName(out, batch->record()), reporter))
            return 1;
    }
    return endedWhole(*batch) ? 0 : 1;
}

int run(const Invocation& invocation) {
    StderrReporter reporter;
    const auto out = invocation.value("-o");
    if (!out) {
        reporter.report("render needs -o OUT.");
        return 1;
    }
    const bool png = endsWith(*out, ".png");
    if (!png && !endsWith(*out, ".pbm")) {
        reporter.report("The output file must end in .png or .pbm.");
        return 1;
    }
    if (invocation.has("--data"))
        return renderRecords(invocation, *out, png, reporter);
    return runOnDocument(invocation, [&](FolioSession& session, Reporter& pageReporter) {
        return writeImage(session.raster(), png, *out, pageReporter);
    });
}

} // namespace

const Command renderCommand = {
    "render",
    "FILE -o OUT [--as-pane] [--data DATA]",
    "Open FILE and write its page as PNG or PBM (by the extension of OUT); with --data one "
    "picture per record.",
    1,
    withOptions({{"-o", "OUT", "the image to write: .png or .pbm; with --data a name with %d"},
                 {"--as-pane", "", "compile FILE (UTF-8) as typed into the script pane"}},
                mergeOptionSpecs()),
    run,
};

} // namespace quillset::cli
