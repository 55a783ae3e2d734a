#pragma once

#include <string>
#include <string_view>

namespace quillset {

// The page file holds code page 437; a font text may hold any character.
// Its statement writes a character the code page lacks as \u{HEX}, its
// code point in hexadecimal, while the script pane shows the character
// itself. These convert one line between the two, at the borders where the
// pane's text becomes the file's or the file's the pane's. Lines of other
// statements convert as before: a character the code page lacks is '?'.

// Whether the line is meant as a DrawFontText statement (its first word,
// after blanks, in any case). The keyword is ASCII, alike in both codes.
bool isFontTextLine(std::string_view line);

// A line as the pane holds it (UTF-8), appended in code page 437.
void appendUtf8LineAsCp437(std::string& out, std::string_view utf8Line);
// Text of a font text's line (UTF-8) in code page 437, each character the
// code page lacks written \u{HEX}.
void appendUtf8AsCp437Escaped(std::string& out, std::string_view utf8);
// A line as the file holds it (code page 437), appended as UTF-8.
void appendCp437LineAsUtf8(std::string& out, std::string_view cp437Line);

// A font text's family or text (UTF-8) as its literal stands in the pane:
// quotes, backslashes and line breaks escaped, and the characters that
// would break the pane's line or cannot be seen there (controls, line and
// paragraph separators) written \u{HEX}.
void appendUnicodeLiteral(std::string& out, std::string_view utf8);

} // namespace quillset
