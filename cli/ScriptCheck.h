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

// The lines of a script file (code page 437) that would not be drawn: the
// drawing statements that would not read, so that Compile would keep them
// as plain lines, and every script line past the 500th, which Compile keeps
// apart ("past the 500th line, not drawn", column 1). A line counts as a
// drawing statement when its first word is DrawText, DrawRectangle or
// DrawBarcode or close to one ("DrawTxt", "drawtexts"). Lines are counted as
// Open reads them: each ends at a line feed, and the printer's wrapper lines
// and the page statements are not script lines.
std::vector<CheckFinding> checkScript(std::string_view fileBytes);

} // namespace quillset::cli
