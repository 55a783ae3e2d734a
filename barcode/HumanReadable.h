#pragma once

#include "model/StyledText.h"

#include <string_view>
#include <vector>

namespace quillset {

// Which data bytes of a barcode stand in its human-readable line: the
// characters a scanner reads from the bars. Left out are the characters that
// steer the symbol instead of carrying data (Code 128's code-set, shift and
// function characters, Code 39's start/stop and quiet-zone keys, Codabar's
// blank cells), subset A's control characters, and bytes the bars do not
// carry at all.
std::vector<bool> humanReadableBytes(int barcodeType, std::string_view data);

// The barcode's styled data with only those characters, each keeping its
// attribute.
StyledText humanReadableLine(int barcodeType, const StyledText& data);

} // namespace quillset
