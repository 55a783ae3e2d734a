#include "language/Epl2Encoder.h"

#include "language/InkBands.h"
#include "language/SentPicture.h"

#include <algorithm>

namespace quillset {

namespace {

constexpr int kDotsPerMm = 8;

// Q: the label's length in dots, then the gap, B and the mark's height (with
// the offset that black marks need), or 0 for continuous paper.
std::string lengthLine(int height, const LanguageOptions& options) {
    // Built by appending: GCC 12 at -O3 warns falsely about "Q" + std::string.
    std::string length = "Q";
    length.append(std::to_string(height)).append(",");
    const std::string gap = std::to_string(options.gapMm * kDotsPerMm);
    switch (options.media) {
    case LabelMedia::Unset:
        return {};
    case LabelMedia::Gap:
        return length + gap + "\r\n";
    case LabelMedia::Mark:
        return length + "B" + gap + "+0\r\n";
    case LabelMedia::Continuous:
        return length + "0\r\n";
    }
    return {};
}

} // namespace

std::string encodeEpl2(const DotPictureView& picture, const LanguageOptions& options) {
    DotPicture copy;
    const DotPictureView sent = sentPicture(picture, options.printWidth, copy);
    const int rowBytes = sent.rowBytes;

    // The line end first ends whatever an earlier job left unfinished.
    std::string out = "\r\nN\r\nq";
    out.append(std::to_string(sent.width)).append("\r\n").append(lengthLine(sent.height, options));
    if (options.darkness)
        out.append("D").append(std::to_string(*options.darkness)).append("\r\n");
    if (options.speed)
        out.append("S").append(std::to_string(*options.speed)).append("\r\n");
    std::vector<RowBand> bands = inkBands(sent, kMaxBandBytes);
    // Without Q the printer keeps its own length; the bottom row goes too,
    // so that the picture it is sent is as long as the page.
    if (options.media == LabelMedia::Unset && sent.height > 0 &&
        (bands.empty() || bands.back().top + bands.back().rows < sent.height))
        bands.push_back({sent.height - 1, 1});
    // GW's data is defined with a 1 bit white and a 0 bit printed, as the
    // language documents it: the other way round from the page's picture, so every
    // byte goes out inverted, and the bits past the width, cleared in the
    // picture, go out white.
    for (const RowBand& band : bands) {
        out.append("GW0,").append(std::to_string(band.top)).append(",");
        out.append(std::to_string(rowBytes))
            .append(",")
            .append(std::to_string(band.rows))
            .append(",");
        appendInverted(out, sent.row(band.top),
                       static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(band.rows));
        out += "\r\n";
    }
    out.append("P")
        .append(std::to_string(std::clamp(options.copies, 1, kMaxCopies)))
        .append("\r\n");
    return out;
}

} // namespace quillset
