#pragma once

#include "barcode/BarPattern.h"

#include <string_view>

namespace quillset {

// The first byte names the subset: 135 A, 136 B, 137 C. Adds the quiet
// zones, the start character, the modulo-103 check character and the stop
// pattern. Later bytes 135 to 137 switch the subset (CODE A, B or C), byte
// 134 is FNC1. Answers false, with nothing to draw, for empty data or a
// first byte that names no subset.
bool encodeCode128(std::string_view data, BarPattern& bars);

} // namespace quillset
