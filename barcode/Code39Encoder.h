#pragma once

#include "barcode/BarPattern.h"

#include <string_view>

namespace quillset {

// Quiet zone, start, one cell per data byte, stop, quiet zone; no check
// character. Bytes without a cell (lower case among them) are left out.
void encodeCode39(std::string_view data, BarPattern& bars);

} // namespace quillset
