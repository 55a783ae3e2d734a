#pragma once

#include "barcode/BarPattern.h"

#include <optional>
#include <string_view>

namespace quillset {

// The data's length picks the symbol: 7 UPC-E (number system 0), 8 EAN-8,
// 12 UPC-A, 13 EAN-13; its last byte only holds the check digit's place.
// Fills both patterns in step and answers the check digit that belongs in
// that place. Any other length draws the frame alone and answers nothing.
std::optional<char> EncodeUpcEan(std::string_view data, BarPattern& bars, GuardPattern& guards);

// The check digit EncodeUpcEan draws in the last place of `data`.
std::optional<char> upcEanCheckDigit(std::string_view data);

} // namespace quillset
