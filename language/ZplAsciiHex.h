#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// ZPL's compressed ASCII hex for ^GFA: upper-case hex digits, a run of one
// digit as its count (G..Y for 1..19, g..z for 20..400, added up: "hMF" is
// 47 F's), `,` for zeros to the end of a row, `!` for ones to the end of a
// row and `:` for a row equal to the one above.

// Appends `rowCount` rows of `rowBytes` bytes each. Counts, `,` and `:` are
// used only where they are shorter; the first row never uses `:`.
void appendAsciiHex(std::string& out, const std::uint8_t* rows, int rowBytes, int rowCount);

// Reads `text` into `image` (its size the field's byte count, rows of
// `rowBytes`); whitespace is skipped and what the text leaves out stays
// zero. Returns what could not be read, empty when all of it could.
std::string readAsciiHex(std::string_view text, int rowBytes, std::vector<std::uint8_t>& image);

} // namespace quillset
