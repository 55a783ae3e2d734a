#pragma once

#include "language/DotPicture.h"
#include "language/LanguageOptions.h"

#include <string>

namespace quillset {

// The largest image a ^GF field carries here, in bytes of the picture; a
// taller page goes out as several fields, one under the other.
inline constexpr int kMaxGraphicFieldBytes = 99999;

// A ZPL label of the picture: ~SD with the darkness when set, ^XA, ^MN with
// the media and ^PR with the speed when set, ^PW and ^LL of its size,
// ^LH0,0, the picture as ^FO0,Y^GFA fields in the chosen compression, ^PQ
// with the copies, ^XZ.
std::string encodeZpl(const DotPictureView& picture, const LanguageOptions& options);

} // namespace quillset
