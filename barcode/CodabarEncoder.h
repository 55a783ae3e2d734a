#pragma once

#include "barcode/BarPattern.h"

#include <string_view>

namespace quillset {

// A blank cell, one cell per data byte, a blank cell. The start and stop
// characters are the data's own first and last bytes.
void EncodeCodabar(std::string_view data, BarPattern& bars);

} // namespace quillset
