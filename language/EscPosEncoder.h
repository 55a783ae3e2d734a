#pragma once

#include "language/DotPicture.h"
#include "language/LanguageOptions.h"

#include <string>

namespace quillset {

// The picture for an ESC/POS receipt printer: ESC @, then bands of at most
// `bandRows` rows, each GS v 0 with its width in bytes and its rows, then
// ESC d with the feed and GS V 66 0 to cut when asked; all of it once per
// copy. Only the picture's left `printWidth` dots are sent when that is set.
std::string encodeEscPos(const DotPictureView& picture, const LanguageOptions& options);

} // namespace quillset
