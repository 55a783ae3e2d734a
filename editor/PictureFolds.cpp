#include "editor/PictureFolds.h"

#include "picture/PictureText.h"

#include <cctype>

namespace quillset {

namespace {

bool isPictureStatement(std::string_view line) {
    constexpr std::string_view kKeyword = "drawpicture";
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line.size() - start < kKeyword.size())
        return false;
    for (std::size_t i = 0; i < kKeyword.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(line[start + i])) != kKeyword[i])
            return false;
    }
    const std::size_t open = line.find_first_not_of(" \t", start + kKeyword.size());
    return open != std::string_view::npos && line[open] == '(';
}

} // namespace

std::vector<PictureFold> pictureFolds(const std::vector<std::string_view>& lines) {
    std::vector<PictureFold> folds;
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i) {
        if (!isPictureStatement(lines[static_cast<std::size_t>(i)]))
            continue;
        int end = i + 1;
        while (end < n && isPictureLine(lines[static_cast<std::size_t>(end)]))
            ++end;
        if (end > i + 1)
            folds.push_back({i, end - i - 1});
        i = end - 1;
    }
    return folds;
}

} // namespace quillset
