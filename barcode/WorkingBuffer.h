#pragma once

#include <cstddef>

namespace quillset {

// The Code 128, Interleaved 2 of 5 and UPC/EAN encoders work on a copy of
// the data of at most this many bytes; longer data is cut to it. Far more
// than any pattern can show.
inline constexpr std::size_t kWorkingBufferSize = 104;

} // namespace quillset
