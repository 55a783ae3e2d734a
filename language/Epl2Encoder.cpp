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
    const std::string length = "Q" + std::to_string(height) + ",";
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
    const DotPicture sent = sentPicture(picture, options.printWidth);
    const int rowBytes = sent.rowBytes();

    // The line end first ends whatever an earlier job left unfinished.
    std::string out =
        "\r\nN\r\nq" + std::to_string(sent.width) + "\r\n" + lengthLine(sent.height, options);
    if (options.darkness)
        out += "D" + std::to_string(*options.darkness) + "\r\n";
    if (options.speed)
        out += "S" + std::to_string(*options.speed) + "\r\n";
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
        out += "GW0," + std::to_string(band.top) + "," + std::to_string(rowBytes) + "," +
               std::to_string(band.rows) + ",";
        appendInverted(out, sent.view().row(band.top),
                       static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(band.rows));
        out += "\r\n";
    }
    out += "P" + std::to_string(std::clamp(options.copies, 1, kMaxCopies)) + "\r\n";
    return out;
}

} // namespace quillset
