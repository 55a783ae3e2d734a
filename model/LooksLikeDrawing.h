#pragma once

#include <string_view>

namespace quillset {

// Whether a script line (code page 437) is meant as a drawing statement: its
// first word is DrawText, DrawRectangle, DrawBarcode, DrawSymbol or
// DrawPicture or close to one ("DrawTxt", "drawtexts"), read or not.
// Comments, page statements and other
// text are not. Blanks and control characters may stand before the word.
bool looksLikeDrawing(std::string_view line);

} // namespace quillset
