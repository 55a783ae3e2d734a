#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quillset {

// Whether a barcode of `barcodeType` draws `data` exactly as given, so that
// a reader of the printed symbol gets that data back. `data` is the object's
// literal in code page 437 as stored (for Code 128 with its code-set
// character in front). Answers nothing when it does, otherwise the reason
// in the user's words, for example "EAN-13 check digit should be 7, not 1".
// The rules are those of the encoders: data they would leave out, pad,
// replace or cut off is a problem.
std::optional<std::string> barcodeDataProblem(int barcodeType, std::string_view data);

// The same problem with the characters at fault, for messages that name
// where the data came from.
struct BarcodeDataFault {
    BarcodeDataFault(std::string reason)
        : reason(std::move(reason)) {}
    BarcodeDataFault(const char* reason)
        : reason(reason) {}
    std::string reason; // as barcodeDataProblem says it
    // The bytes the symbology has no bars for, once each in the order they
    // first appear; empty when the fault is another (a check digit, the
    // length, lower-case letters where there are none).
    std::string refused;
    // What lacks them, as "'é' is not in Code 128" names it: a Code 128
    // code set only where another set has them.
    std::string lackedBy;
};
std::optional<BarcodeDataFault> barcodeDataFault(int barcodeType, std::string_view data);

} // namespace quillset
