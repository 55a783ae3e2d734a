#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// The printer's character set. Page objects, script files and the print
// stream hold its bytes; the GUI and UTF-8 files hold Unicode. Bytes below
// 128 are ASCII in both.

// A character that code page 437 cannot represent, or a malformed UTF-8
// sequence, becomes '?'.
std::string utf8ToCp437(std::string_view utf8);
void appendUtf8AsCp437(std::string& out, std::string_view utf8);
std::string cp437ToUtf8(std::string_view cp437);
// The same appended to `out`, which grows only once, to the exact size.
void appendCp437AsUtf8(std::string& out, std::string_view cp437);
// Whether every byte is below 128: the text is then the same in both.
bool isAscii(std::string_view text);
// How many bytes the UTF-8 of `cp437` takes.
std::size_t utf8Size(std::string_view cp437);

// The characters of `utf8` that code page 437 lacks, each once, as UTF-8
// views into `utf8`.
std::vector<std::string_view> charactersCp437Lacks(std::string_view utf8);

// The Unicode character that a code page 437 byte stands for.
char32_t cp437ToUnicode(unsigned char byte);
// The byte that stands for a Unicode character, or nothing when the code
// page lacks it.
std::optional<char> cp437Byte(std::int32_t code);

// One UTF-8 sequence at `pos`, which moves past it; -1 when malformed (then
// `pos` has moved past the lead byte only, or its valid part).
std::int32_t decodeUtf8(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t code);

} // namespace quillset
