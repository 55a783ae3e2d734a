#pragma once

#include "barcode/BarPattern.h"

#include <string_view>

namespace quillset {

// Start, the digits two at a time (an odd count gets a leading '0'), stop;
// no check digit.
void EncodeInterleaved2of5(std::string_view data, BarPattern& bars);

} // namespace quillset
