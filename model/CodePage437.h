#pragma once

#include <string>
#include <string_view>

namespace quillset {

// The printer's character set. Page objects, script files and the print
// stream hold its bytes; the GUI and UTF-8 files hold Unicode. Bytes below
// 128 are ASCII in both.

// A character that code page 437 cannot represent, or a malformed UTF-8
// sequence, becomes '?'.
std::string utf8ToCp437(std::string_view utf8);
std::string cp437ToUtf8(std::string_view cp437);

// The Unicode character that a code page 437 byte stands for.
char32_t cp437ToUnicode(unsigned char byte);

} // namespace quillset
