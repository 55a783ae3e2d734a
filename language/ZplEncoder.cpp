#include "language/ZplEncoder.h"

#include "language/SentPicture.h"
#include "language/ZplAsciiHex.h"
#include "language/ZplZ64.h"

#include <algorithm>

namespace quillset {

namespace {

std::string_view mediaCommand(LabelMedia media) {
    switch (media) {
    case LabelMedia::Unset:
        return "";
    case LabelMedia::Gap:
        return "^MNY";
    case LabelMedia::Mark:
        return "^MNM";
    case LabelMedia::Continuous:
        return "^MNN";
    }
    return "";
}

} // namespace

std::string encodeZpl(const DotPictureView& picture, const LanguageOptions& options) {
    DotPicture copy;
    const DotPictureView sent = sentPicture(picture, options.printWidth, copy);
    const int rowBytes = sent.rowBytes;

    std::string out;
    // ~SD sets the darkness itself; ^MD would only add to the printer's own.
    if (options.darkness) {
        const int darkness = std::clamp(*options.darkness, 0, 30);
        out += "~SD" + std::string(darkness < 10 ? "0" : "") + std::to_string(darkness);
    }
    out += "^XA";
    out += mediaCommand(options.media);
    if (options.speed)
        out += "^PR" + std::to_string(*options.speed);
    out += "^PW" + std::to_string(sent.width) + "^LL" + std::to_string(sent.height) + "^LH0,0";
    // ^GF's data prints a 1 bit and leaves a 0 white, as ZPL defines it and
    // as the page's picture holds it: the bytes go out as they are.
    const int fieldRows = std::max(1, kMaxGraphicFieldBytes / std::max(rowBytes, 1));
    for (int top = 0; top < sent.height; top += fieldRows) {
        const int rows = std::min(fieldRows, sent.height - top);
        const std::string bytes = std::to_string(rows * rowBytes);
        out += "^FO0," + std::to_string(top) + "^GFA," + bytes + "," + bytes + "," +
               std::to_string(rowBytes) + ",";
        if (options.zplCompression == ZplCompression::Z64)
            appendZ64(out, sent.row(top), static_cast<std::size_t>(rows * rowBytes));
        else
            appendAsciiHex(out, sent.row(top), rowBytes, rows);
        out += "^FS";
    }
    out += "^PQ" + std::to_string(std::clamp(options.copies, 1, kMaxCopies)) + "^XZ";
    return out;
}

} // namespace quillset
