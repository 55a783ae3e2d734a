#pragma once

#include "language/DotPicture.h"
#include "language/LanguageOptions.h"

#include <string>

namespace quillset {

// An EPL2 label of the picture: N, q with the width in dots, Q with the
// length and the gap, black mark or continuous when the media is set, D and
// S when set, the rows with black dots as GW commands, P with the copies.
// Lines end in CR LF.
std::string encodeEpl2(const DotPictureView& picture, const LanguageOptions& options);

} // namespace quillset
