#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/PageImage.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "raster/PbmImage.h"

#include <algorithm>
#include <sstream>

namespace quillset::cli {

namespace {

bool endsWith(std::string text, std::string_view suffix) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.size() >= suffix.size() && text.ends_with(suffix);
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
    FolioSession session(invocation.printerType);
    if (!loadDocument(invocation, session, reporter))
        return 1;
    std::string image;
    if (png) {
        image = pngImage(dotPictureOf(session.raster()));
        if (image.empty()) {
            reporter.report("A page of width or height 0 cannot be written as PNG.");
            return 1;
        }
    } else {
        std::ostringstream pbm;
        writePbm(session.raster(), pbm);
        image = pbm.str();
    }
    return writeOutput(*out, image, reporter) ? 0 : 1;
}

} // namespace

const Command renderCommand = {
    "render",
    "FILE -o OUT [--as-pane]",
    "Open FILE and write its page as PNG or PBM (by the extension of OUT).",
    1,
    {{"-o", "OUT", "the image to write: .png or .pbm"},
     {"--as-pane", "", "compile FILE (UTF-8) as typed into the script pane"}},
    run,
};

} // namespace quillset::cli
