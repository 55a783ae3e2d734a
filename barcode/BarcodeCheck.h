#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillset {

// Whether a barcode of `barcodeType` draws `data` exactly as given, so that
// a reader of the printed symbol gets that data back. `data` is the object's
// literal in code page 437 as stored (for Code 128 with its code-set
// character in front). Answers nothing when it does, otherwise the reason
// in the user's words, for example "EAN-13 check digit should be 7, not 1".
// The rules are those of the encoders: data they would leave out, pad,
// replace or cut off is a problem.
std::optional<std::string> barcodeDataProblem(int barcodeType, std::string_view data);

} // namespace quillset
