#pragma once

#include "model/StyledText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillset {

// Codes returned by readKeyword, in the order the table is searched.
enum class Keyword : int {
    None = 0,
    BeginPage = 2,
    EndPage = 3,
    DrawRectangle = 4,
    DrawText = 5,
    DrawBarcode = 6,
    SetMargin = 7,
    SetPageSize = 8,
    DrawSymbol = 9,
    DrawPicture = 10,
    DrawFontText = 11,
};

// Where and why the last reading routine gave up; only for reporting
// (nothing here changes what is accepted).
struct ReadFailure {
    int position = 0;
    const char* reason = "";
};

// Reads one script line: keyword, numbers, string literal with escapes and
// style tags. Every routine reports success and never prints. A reading
// position is passed in and advanced; past the end of the line the reader
// sees a zero, as at the end of a C string. Every scanning loop is bounded
// (200 steps), so even an endless line is read in bounded time.
class ScriptReader {
public:
    static constexpr int kMaxSteps = 200;
    static constexpr int kMaxKeywordLetters = 50;
    static constexpr int kMaxArguments = 8;
    // A font text's literal: each of its characters may be written as an
    // escape of up to ten (\u{10FFFF}).
    static constexpr int kMaxUnicodeSteps = static_cast<int>(kMaxFieldChars) * 10 + 1;

    std::array<std::int16_t, kMaxArguments> args{};
    StyledText text; // the string buffer
    // DrawFontText's two literals, decoded to UTF-8; text.openQuote and
    // text.closeQuote stand at the second one's quotes.
    std::string fontFamily;
    std::string fontText;
    ReadFailure failure;

    // Sets `pos` to 0 first; leaves it on the first character after the word.
    Keyword readKeyword(std::string_view line, int& pos);
    // A whole DrawRectangle, DrawText, DrawBarcode, DrawSymbol, DrawPicture or
    // DrawFontText statement: its keyword, with `args` and, for all but
    // rectangles, `text` filled (a picture's source file; a font text's
    // literals go to fontFamily and fontText). Keyword::None for any other
    // line and for one that does not read. A picture's dots follow on lines
    // of their own.
    Keyword readDrawingStatement(std::string_view line);
    // '(' and exactly n comma-separated numbers into `args`; leaves `pos` on
    // the first non-blank after the last number.
    bool readNumbers(std::string_view line, int& pos, int n);
    bool readNumbersAndClose(std::string_view line, int& pos, int n);
    // Numbers, ',' and a string literal followed by ')'.
    bool readNumbersAndString(std::string_view line, int& pos, int n);
    // A string literal followed by blanks and ')', decoded into `text`.
    bool readString(std::string_view line, int& pos);
    // A literal without style tags, whose characters are code page 437 or
    // written as \u{HEX} (a Unicode code point), decoded into `out` as UTF-8;
    // leaves `pos` just after the closing quote. At most 199 characters.
    bool readUnicodeString(std::string_view line, int& pos, std::string& out);
    // One tag, its '<' already taken; applies it to `attribute`.
    bool readTag(std::string_view line, int& pos, std::uint8_t& attribute);
    // At most five digits, starting on a digit; 65535 when it overflows.
    static unsigned readNumber(std::string_view line, int& pos);
    // Skips blanks, takes one character and says whether it is `c`.
    bool expect(std::string_view line, int& pos, char c);

private:
    bool fail(int position, const char* reason);
    bool readFontText(std::string_view line, int& pos);
    bool readCodePointEscape(std::string_view line, int& pos, std::string& out);
};

} // namespace quillset
