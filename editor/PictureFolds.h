#pragma once

#include <string_view>
#include <vector>

namespace quillset {

// A picture statement in the script pane and the lines of its dots after
// it, which the pane folds under the statement.
struct PictureFold {
    int statement = 0; // the statement's line, from 0
    int lines = 0;     // dot lines right after it, at least one
    friend bool operator==(const PictureFold&, const PictureFold&) = default;
};

// The folds of a script's lines: each DrawPicture line (as the reader takes
// it, in any case and after blanks) that has dot lines after it.
std::vector<PictureFold> pictureFolds(const std::vector<std::string_view>& lines);

} // namespace quillset
