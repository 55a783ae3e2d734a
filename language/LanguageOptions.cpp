#include "language/LanguageOptions.h"

#include <algorithm>

namespace quillset {

std::string_view zplCompressionName(ZplCompression compression) {
    return compression == ZplCompression::Z64 ? "z64" : "ascii";
}

std::optional<ZplCompression> zplCompressionNamed(std::string_view name) {
    if (name == "ascii")
        return ZplCompression::Ascii;
    if (name == "z64")
        return ZplCompression::Z64;
    return std::nullopt;
}

std::string_view labelMediaName(LabelMedia media) {
    switch (media) {
    case LabelMedia::Unset:
        return "";
    case LabelMedia::Gap:
        return "gap";
    case LabelMedia::Mark:
        return "mark";
    case LabelMedia::Continuous:
        return "continuous";
    }
    return "";
}

std::optional<LabelMedia> labelMediaNamed(std::string_view name) {
    for (const LabelMedia media : {LabelMedia::Gap, LabelMedia::Mark, LabelMedia::Continuous}) {
        if (labelMediaName(media) == name)
            return media;
    }
    return std::nullopt;
}

std::string pageCopies(std::string page, int copies) {
    copies = std::clamp(copies, 1, kMaxCopies);
    if (copies == 1)
        return page;
    std::string out;
    out.reserve(page.size() * static_cast<std::size_t>(copies));
    for (int i = 0; i < copies; ++i)
        out += page;
    return out;
}

} // namespace quillset
