#include "language/EscPosEncoder.h"

#include "language/SentPicture.h"

#include <algorithm>

namespace quillset {

namespace {

void appendLowHigh(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

std::string encodeEscPos(const DotPictureView& picture, const LanguageOptions& options) {
    DotPicture copy;
    const DotPictureView sent = sentPicture(picture, options.printWidth, copy);
    const int bandRows = std::clamp(options.bandRows, 1, kMaxBandRows);
    const int rowBytes = sent.rowBytes;

    std::string page;
    page.reserve(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(sent.height) + 16 +
                 static_cast<std::size_t>(sent.height / bandRows) * 8);
    page += "\x1B\x40";
    for (int top = 0; top < sent.height; top += bandRows) {
        const int rows = std::min(bandRows, sent.height - top);
        page += std::string_view("\x1D\x76\x30\x00", 4);
        appendLowHigh(page, rowBytes);
        appendLowHigh(page, rows);
        // GS v 0 prints a 1 bit and leaves a 0 white, as ESC/POS defines it
        // and as the page's picture holds it: the bytes go out as they are.
        page.append(reinterpret_cast<const char*>(sent.row(top)),
                    static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(rows));
    }
    if (const int feed = std::clamp(options.feedLines, 0, kMaxFeedLines); feed > 0) {
        page += "\x1B\x64";
        page += static_cast<char>(feed);
    }
    if (options.cut)
        page += std::string_view("\x1D\x56\x42\x00", 4);

    return pageCopies(std::move(page), options.copies);
}

} // namespace quillset
