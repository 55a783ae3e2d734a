#pragma once

#include <string>
#include <string_view>

namespace quillset {

// The code set a Code 128's stored data names with its first character:
// CHR$(135) A, CHR$(136) B, CHR$(137) C. Auto leaves the choice to the data.
enum class Code128CodeSet { Auto, A, B, C };

// The data as the printer needs it: the code-set character in front of the
// plain data. Auto takes C for an even number of digits, B otherwise, and
// leaves data that already begins with a code-set character as it is. No
// data stays empty.
std::string withCode128CodeSet(Code128CodeSet codeSet, std::string_view plain);

struct SplitCode128 {
    Code128CodeSet codeSet;
    std::string_view plain;
};

// The code set stored data names and the plain data behind it; Auto and
// the whole data when it begins with no code-set character.
SplitCode128 splitCode128CodeSet(std::string_view stored);

} // namespace quillset
