#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillset::cli {

struct CheckFinding {
    int line;   // 1-based
    int column; // 1-based, where reading gave up
    std::string reason;
};

// The drawing statements of a script file (code page 437) that would not
// read, so that Compile would keep them as plain lines and draw nothing.
// A line counts as a drawing statement when its first word is DrawText,
// DrawRectangle or DrawBarcode or close to one ("DrawTxt", "drawtexts").
// Lines are counted as Open reads them: each ends at a line feed.
std::vector<CheckFinding> checkScript(std::string_view fileBytes);

} // namespace quillset::cli
