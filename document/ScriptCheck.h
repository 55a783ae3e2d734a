#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillset {

struct PageSettings;

struct CheckFinding {
    int line;   // 1-based
    int column; // 1-based, in characters, where reading gave up
    std::string reason;
    // A note says what is drawn otherwise than asked (a font family that
    // is not installed) but prints; every other finding is a problem.
    bool note = false;
    bool operator==(const CheckFinding&) const = default;
};

// The lines of a script file (code page 437) that would not be drawn as
// written: the drawing statements that would not read, so that Compile would
// keep them as plain lines; the barcodes whose data would not be drawn as
// given (column of the opening quote, barcodeDataProblem's reason) and the
// symbols that would not encode (there too, the encoder's reason); the font
// texts with a character no installed font has or a line that does not fit
// its width (there too), and as a note those whose family is not installed
// (column of the family's quote); the
// texts, barcodes and symbols without fields that run past an edge of the page, where
// the printer cuts them (column of the keyword); the pictures whose size or
// dots do not read (column 1 of the statement's line), which Compile keeps
// as plain lines, their dots' lines too; and
// every script line past the 500th object, which Compile keeps apart ("past
// the 500th line, not drawn", column 1); the lines of a picture's dots are
// not objects of their own. A line counts as a
// drawing statement when it looksLikeDrawing(). Lines are numbered as the
// script pane numbers them after Open: each ends at a line feed, and the
// printer's wrapper lines and the page statements, which Open takes out of
// the script, are not counted. The page is `startPage` with the file's page
// statements applied, as Open leaves it.
std::vector<CheckFinding> checkScript(std::string_view fileBytes, const PageSettings& startPage);

// The same for the script pane's text (UTF-8), read as Compile reads it:
// lines end at CR LF, a lone CR or a lone LF, each is converted to code page
// 437 and every one is a script line. The lines past the 500th are one
// finding, at the first of them; nothing after it is checked. Page
// statements typed there do not change `page`.
std::vector<CheckFinding> checkPaneScript(std::string_view utf8, const PageSettings& page);

} // namespace quillset
